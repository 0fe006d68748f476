#!/usr/bin/env bash
# The same commit must give the same bytes: builds the release of the committed HEAD twice, in
# two clones in different folders, one after the other, with different umask, time zone and
# locale, and compares the SHA-256 sum of every artefact.
# usage: reproducible_test.sh [REPOSITORY]   (default: the checkout this script is in)
set -euo pipefail
repository=$(realpath "${1:-$(dirname "$0")/../..}")
# Unsigned releases in the clones' own folders, whatever the caller's environment holds: a
# signature carries its signing time.
unset MORVATEK_SIGN_PKCS12 MORVATEK_SIGN_PKCS11_MODULE MORVATEK_RELEASE_BUILDS
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

# release FOLDER UMASK TZ LANG: the release of a fresh clone made in FOLDER.
release() {
    mkdir -p "$(dirname "$1")"
    if ! (umask "$2" && git clone -q "$repository" "$1" && cd "$1" &&
        TZ=$3 LANG=$4 scripts/release.sh dist >"$1.log" 2>&1); then
        cat "$1.log"
        echo "FAIL: the release in $1 did not build"
        exit 1
    fi
}
release "$work/first" 022 UTC C.UTF-8
release "$work/another/folder/second" 077 Pacific/Chatham bg_BG.UTF-8

passed=0 failed=0
while read -r sum name; do
    other=$(awk -v name="$name" '$2 == name { print $1 }' "$work/another/folder/second/dist/SHA256SUMS")
    if [ "$sum" = "$other" ]; then
        echo "ok: $name is the same in both"
        passed=$((passed + 1))
    else
        echo "FAIL: $name differs: $sum and ${other:-(missing)}"
        failed=$((failed + 1))
    fi
done <"$work/first/dist/SHA256SUMS"
[ "$(wc -l <"$work/first/dist/SHA256SUMS")" -eq "$(wc -l <"$work/another/folder/second/dist/SHA256SUMS")" ] ||
    { echo "FAIL: the two releases hold different files"; failed=$((failed + 1)); }
echo "reproducible: $passed passed, $failed failed"
[ "$failed" -eq 0 ]
