#!/usr/bin/env bash
# The release's page, the same every time, into OUT_FOLDER: morvatek.html and site/. LLVM's
# WebAssembly back end lays out exception handling in an order that follows where in memory the
# compiler's blocks lie, and that follows the address space's randomisation and the length of
# every path the compiler is given. So the tree is built in one fixed folder, the same for every
# release on any machine, without address randomisation; it needs no namespace, so a plain chroot
# builds it too. Its files are those git sees, uncommitted changes too.
# usage: scripts/release-web.sh OUT_FOLDER   (made anew)
set -euo pipefail
cd "$(dirname "$0")/.."
out=$(realpath -m "$1")
fixed=/tmp/morvatek-release-page
mkdir "$fixed" 2>/dev/null || {
    echo "release-web.sh: $fixed is taken: another release is building its page, or one was" \
        "stopped midway; remove it once no release runs" >&2
    exit 1
}
trap 'rm -rf "$fixed"' EXIT
mkdir "$fixed/source"
scripts/tree-files.sh | tar --null -T - -cf - | tar -xf - -C "$fixed/source"
setarch "$(uname -m)" --addr-no-randomize bash -euc '
    cmake -S "$1/source" --preset release-web -B "$1/build" >/dev/null
    cmake --build "$1/build"' page "$fixed"
rm -rf "$out"
mkdir -p "$out"
cp -r "$fixed/build/morvatek.html" "$fixed/build/site" "$out/"
