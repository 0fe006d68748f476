#!/usr/bin/env bash
# Builds every release artefact from the committed tree into dist/ (or the folder named):
#   morvatek_VERSION_amd64.deb                      Linux (Debian 12 and later)
#   Morvatek-VERSION-win64.zip, Morvatek-VERSION.msi           64-bit Windows
#   Morvatek-VERSION-win32.zip, Morvatek-VERSION-win32.msi     32-bit Windows
#   morvatek.html                                   the page, one file
#   morvatek-VERSION-site.tar.gz                    the installable web app for a school's server
#   SHA256SUMS
# The same commit gives the same bytes in any folder, at any time, with any umask, locale or time
# zone: every time inside is the commit's (SOURCE_DATE_EPOCH). With a code-signing certificate
# in the environment (see scripts/codesign.sh) the Windows programs and MSIs are signed.
# The dist folder is new, empty, or holds exactly an earlier release (its SHA256SUMS and the
# files listed there, unchanged), which is replaced; anything else is refused and left as it is.
# usage: scripts/release.sh [DIST_FOLDER]
set -euo pipefail
cd "$(dirname "$0")/.."
source_dir=$PWD
if [ -n "$(git status --porcelain)" ]; then
    echo "release.sh: the tree has uncommitted changes; a release is built from a commit:" >&2
    git status --short >&2
    exit 1
fi
dist=$(realpath -m "${1:-dist}")

# The names an earlier release in the dist folder lists, one a line.
listed_files() { sed -E 's/^[0-9a-f]{64} [ *]//' "$dist/SHA256SUMS"; }

# Refuses a dist folder that is neither new, nor empty, nor exactly an earlier release.
check_dist() {
    local refuse="release.sh: refusing to write the release into $dist, which"
    local hint="choose a new or empty folder; nothing was changed"
    [ -e "$dist" ] || return 0
    [ -d "$dist" ] && [ ! -L "$dist" ] || { echo "$refuse is not a folder; $hint" >&2; exit 1; }
    [ -n "$(ls -A "$dist")" ] || return 0
    if [ ! -f "$dist/SHA256SUMS" ] || grep -qvE '^[0-9a-f]{64} [ *][^/]+$' "$dist/SHA256SUMS"; then
        echo "$refuse holds $(ls -A "$dist" | grep -vx SHA256SUMS | head -n 1) and no earlier" \
            "release (no SHA256SUMS listing its files); $hint" >&2
        exit 1
    fi
    local name
    while IFS= read -r name; do
        if [ "$name" != SHA256SUMS ] && ! listed_files | grep -qxF -- "$name" ||
            [ ! -f "$dist/$name" ] || [ -L "$dist/$name" ]; then
            echo "$refuse holds $name, which is not part of the earlier release there; $hint" >&2
            exit 1
        fi
    done < <(ls -A "$dist")
    (cd "$dist" && sha256sum --quiet --strict -c SHA256SUMS >/dev/null 2>&1) ||
        { echo "$refuse holds an earlier release whose files were changed; $hint" >&2; exit 1; }
}
check_dist
scripts/install-deps.sh linux windows web release
builds=${MORVATEK_RELEASE_BUILDS:-$source_dir/build-dist}
SOURCE_DATE_EPOCH=$(git log -1 --format=%ct)
export SOURCE_DATE_EPOCH TZ=UTC LC_ALL=C.UTF-8
umask 022

signing="unsigned: no code-signing certificate given (see scripts/codesign.sh)"
if scripts/codesign.sh configured; then
    scripts/codesign.sh check
    signing="signed"
fi

# Everything is made aside and only a whole release goes to the dist folder.
staging=$(mktemp -d)
trap 'rm -rf "$staging"' EXIT
configure() { cmake -S "$source_dir" -B "$builds/$1" -G Ninja -DCMAKE_BUILD_TYPE=Release \
    -DMORVATEK_TESTS=OFF "${@:2}" >/dev/null; }

echo "== Linux"
configure linux
cmake --build "$builds/linux" --target morvatek
(cd "$builds/linux" && cpack -B "$staging/deb" >/dev/null)
mv "$staging"/deb/*.deb "$staging/"

for bits in 64 32; do
    echo "== Windows, $bits-bit"
    toolchain=cmake/mingw-w64.cmake
    [ "$bits" = 64 ] || toolchain=cmake/mingw-w64-i686.cmake
    configure "win$bits" -DCMAKE_TOOLCHAIN_FILE="$source_dir/$toolchain"
    cmake --build "$builds/win$bits" --target Morvatek
    scripts/release-windows.sh "$builds/win$bits" "$staging"
done

echo "== Web"
# Debian's Emscripten finds its JavaScript parser among Debian's Node.js modules.
export NODE_PATH=/usr/share/nodejs${NODE_PATH:+:$NODE_PATH}
configure web -DCMAKE_TOOLCHAIN_FILE=/usr/share/emscripten/cmake/Modules/Platform/Emscripten.cmake \
    -DCMAKE_CROSSCOMPILING_EMULATOR="$(command -v node)"
cmake --build "$builds/web"
cp "$builds/web/morvatek.html" "$staging/"
version=$(dpkg-parsechangelog -l resources/changelog -S Version)
tar --sort=name --mtime="@$SOURCE_DATE_EPOCH" --owner=0 --group=0 --numeric-owner \
    --mode=u=rwX,go=rX --format=gnu -C "$builds/web/site" -cf - . |
    gzip -9 -n >"$staging/morvatek-$version-site.tar.gz"

rm -rf "$staging/deb"
(cd "$staging" && sha256sum -- * >SHA256SUMS)
# Only the earlier release's own files go, and only once the new one is complete.
check_dist
if [ -d "$dist" ]; then
    listed_files | while IFS= read -r name; do rm -f -- "$dist/$name"; done
    rm -f -- "$dist/SHA256SUMS"
    mv -- "$staging"/* "$dist/"
    rmdir "$staging"
else
    mkdir -p "$(dirname "$dist")"
    mv "$staging" "$dist"
    chmod 755 "$dist"
fi
trap - EXIT
echo "Morvatek $version, $(git log -1 --format=%h), $signing:"
(cd "$dist" && ls -l)
echo "in $dist"
