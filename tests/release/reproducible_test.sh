#!/usr/bin/env bash
# The same commit must give the same bytes: builds the release of the committed HEAD twice, in
# two clones in different folders, one after the other, with different umask, time zone and
# locale, the second one's Debian packages varied as reprotest varies a build
# (MORVATEK_VARY_BUILDS), and compares the SHA-256 sum of every artefact. SHA256SUMS lists every
# artefact. The release refuses a folder holding anything but an earlier release, and replaces an
# earlier one. Then each Debian release's packages are checked as Debian checks them, and
# installed from the apt repository, in clean roots of that release.
# usage: reproducible_test.sh [REPOSITORY]   (default: the checkout this script is in)
set -euo pipefail
repository=$(realpath "${1:-$(dirname "$0")/../..}")
# Unsigned releases in the clones' own folders, whatever the caller's environment holds: a
# signature carries its signing time.
unset MORVATEK_SIGN_PKCS12 MORVATEK_SIGN_PKCS11_MODULE MORVATEK_RELEASE_BUILDS
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

# release FOLDER UMASK TZ LANG [DIST]: the release of a fresh clone made in FOLDER, into its
# dist folder or DIST.
release() {
    mkdir -p "$(dirname "$1")"
    if ! (umask "$2" && git clone -q "$repository" "$1" && cd "$1" &&
        TZ=$3 LANG=$4 scripts/release.sh "${5:-dist}" >"$1.log" 2>&1); then
        cat "$1.log"
        echo "FAIL: the release in $1 did not build"
        exit 1
    fi
}
passed=0 failed=0
check() {
    if eval "$2"; then
        echo "ok: $1"
        passed=$((passed + 1))
    else
        echo "FAIL: $1"
        failed=$((failed + 1))
    fi
}

# A teacher's folder with a file of their own in it.
git clone -q "$repository" "$work/refusing"
mkdir "$work/desktop"
echo "notes" >"$work/desktop/notes.txt"
check "a folder holding another file is refused and left as it was" \
    '! (cd "$work/refusing" && scripts/release.sh "$work/desktop") 2>"$work/refused" &&
     grep -q "notes.txt" "$work/refused" && [ "$(ls -A "$work/desktop")" = notes.txt ] &&
     [ "$(cat "$work/desktop/notes.txt")" = notes ]'
release "$work/first" 022 UTC C.UTF-8
# Its Debian packages, kept for the caller (MORVATEK_KEEP_PACKAGES) with the commit they are of.
for packages in "$work"/first/build-dist/debian-*; do
    kept=${MORVATEK_KEEP_PACKAGES:-}/${packages##*-}
    [ -n "${MORVATEK_KEEP_PACKAGES:-}" ] && [ -d "$packages" ] || continue
    rm -rf "$kept" && mkdir -p "${kept%/*}" && cp -r "$packages" "$kept"
    git -C "$work/first" rev-parse HEAD >"$kept/commit"
done
# The same beside an earlier release: the teacher's file is no part of it.
cp -r "$work/first/dist" "$work/mixed" && echo "notes" >"$work/mixed/notes.txt"
check "an earlier release with another file beside it is refused and left as it was" \
    '! (cd "$work/refusing" && scripts/release.sh "$work/mixed") 2>"$work/refused" &&
     grep -q "notes.txt" "$work/refused" &&
     [ "$(diff -r "$work/first/dist" "$work/mixed")" = "Only in $work/mixed: notes.txt" ]'

# An earlier release, of other files, where the second one goes.
earlier=$work/another/folder/second-dist
mkdir -p "$earlier"
cp "$work/first/dist/morvatek.html" "$earlier/morvatek-0.9.html"
(cd "$earlier" && sha256sum -- * >SHA256SUMS)
# A web server's folder, shared with its group.
chgrp users "$earlier" 2>/dev/null; chmod 2775 "$earlier"
folder=$(stat -c '%i %a %U:%G' "$earlier")
MORVATEK_VARY_BUILDS=yes release "$work/another/folder/second" 077 Pacific/Chatham bg_BG.UTF-8 "$earlier"
check "an earlier release is replaced by the new one, in the same folder with its mode and owner" \
    '[ ! -e "$earlier/morvatek-0.9.html" ] && grep -q " morvatek.html$" "$earlier/SHA256SUMS" &&
     [ "$(stat -c "%i %a %U:%G" "$earlier")" = "$folder" ]'
for dist in "$work/first/dist" "$earlier"; do
    check "SHA256SUMS in $dist lists every artefact, each with its sum" \
        '[ "$(cd "$dist" && ls | grep -vx SHA256SUMS)" = "$(sed -E "s/^[0-9a-f]+ [ *]//" "$dist/SHA256SUMS" | sort)" ] &&
         (cd "$dist" && sha256sum --quiet -c SHA256SUMS)'
done

while read -r sum name; do
    other=$(awk -v name="$name" '$2 == name { print $1 }' "$earlier/SHA256SUMS")
    if [ "$sum" = "$other" ]; then
        echo "ok: $name is the same in both"
        passed=$((passed + 1))
    else
        echo "FAIL: $name differs: $sum and ${other:-(missing)}"
        failed=$((failed + 1))
    fi
done <"$work/first/dist/SHA256SUMS"
[ "$(wc -l <"$work/first/dist/SHA256SUMS")" -eq "$(wc -l <"$earlier/SHA256SUMS")" ] ||
    { echo "FAIL: the two releases hold different files"; failed=$((failed + 1)); }

# A script that ends in failure without saying what failed counts as one failure.
for packages in "$work"/first/build-dist/debian-*; do
    [ -d "$packages" ] || continue
    for checks in package_test.sh apt_repository_test.sh; do
        status=0
        "$(dirname "$0")/$checks" "$packages" 2>&1 | tee "$work/checks.log" || status=$?
        passed=$((passed + $(grep -c '^ok: ' "$work/checks.log" || true)))
        failed=$((failed + $(grep -c '^FAIL: ' "$work/checks.log" || true)))
        if [ "$status" -ne 0 ] && ! grep -q '^FAIL: ' "$work/checks.log"; then
            echo "FAIL: $checks ${packages##*/} ended with status $status"
            failed=$((failed + 1))
        fi
    done
done
echo "reproducible: $passed passed, $failed failed"
[ "$failed" -eq 0 ]
