#!/usr/bin/env bash
# The same commit must give the same bytes: builds the release of the committed HEAD twice, in
# two clones in different folders, one after the other, with different umask, time zone and
# locale, the second one's Debian packages varied as reprotest varies a build
# (MORVATEK_VARY_BUILDS), and compares the SHA-256 sum of every artefact. SHA256SUMS lists every
# artefact. The release refuses a folder holding anything but an earlier release, and replaces an
# earlier one. Then each Debian release's packages, amd64 and arm64, are checked as Debian checks
# them, and the amd64 one installed from the apt repository, in clean roots of that release.
# MORVATEK_RELEASE_ONCE=yes builds one release, the replacing one, and compares nothing: the
# other Debian's leg of the test command, whose machine builds the release twice.
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
dists=()
built=$work/another/folder/second/build-dist
if [ -z "${MORVATEK_RELEASE_ONCE:-}" ]; then
    release "$work/first" 022 UTC C.UTF-8
    dists+=("$work/first/dist")
    built=$work/first/build-dist
fi

# An earlier release, of other files, where the second one goes.
earlier=$work/another/folder/second-dist
mkdir -p "$earlier"
echo "an earlier page" >"$earlier/morvatek-0.9.html"
(cd "$earlier" && sha256sum -- * >SHA256SUMS)
# A web server's folder, shared with its group.
chgrp users "$earlier" 2>/dev/null; chmod 2775 "$earlier"
folder=$(stat -c '%i %a %U:%G' "$earlier")
if [ -z "${MORVATEK_RELEASE_ONCE:-}" ]; then
    MORVATEK_VARY_BUILDS=yes release "$work/another/folder/second" 077 Pacific/Chatham bg_BG.UTF-8 "$earlier"
else
    release "$work/another/folder/second" 022 UTC C.UTF-8 "$earlier"
fi
dists+=("$earlier")
check "an earlier release is replaced by the new one, in the same folder with its mode and owner" \
    '[ ! -e "$earlier/morvatek-0.9.html" ] && grep -q " morvatek.html$" "$earlier/SHA256SUMS" &&
     [ "$(stat -c "%i %a %U:%G" "$earlier")" = "$folder" ]'
# The same beside an earlier release: the teacher's file is no part of it.
cp -r "${dists[0]}" "$work/mixed" && echo "notes" >"$work/mixed/notes.txt"
check "an earlier release with another file beside it is refused and left as it was" \
    '! (cd "$work/refusing" && scripts/release.sh "$work/mixed") 2>"$work/refused" &&
     grep -q "notes.txt" "$work/refused" &&
     [ "$(diff -r "${dists[0]}" "$work/mixed")" = "Only in $work/mixed: notes.txt" ]'
for dist in "${dists[@]}"; do
    check "SHA256SUMS in $dist lists every artefact, each with its sum" \
        '[ "$(cd "$dist" && ls | grep -vx SHA256SUMS)" = "$(sed -E "s/^[0-9a-f]+ [ *]//" "$dist/SHA256SUMS" | sort)" ] &&
         (cd "$dist" && sha256sum --quiet -c SHA256SUMS)'
done
# The first release's Debian packages, kept for the caller (MORVATEK_KEEP_PACKAGES) with the
# commit they are of.
for packages in "$built"/debian-*; do
    kept=${MORVATEK_KEEP_PACKAGES:-}/${packages##*-}
    [ -n "${MORVATEK_KEEP_PACKAGES:-}" ] && [ -d "$packages" ] || continue
    rm -rf "$kept" && mkdir -p "${kept%/*}" && cp -r "$packages" "$kept"
    git -C "$repository" rev-parse HEAD >"$kept/commit"
done

if [ "${#dists[@]}" -eq 2 ]; then
    while read -r sum name; do
        other=$(awk -v name="$name" '$2 == name { print $1 }' "$earlier/SHA256SUMS")
        if [ "$sum" = "$other" ]; then
            echo "ok: $name is the same in both"
            passed=$((passed + 1))
        else
            echo "FAIL: $name differs: $sum and ${other:-(missing)}"
            failed=$((failed + 1))
        fi
    done <"${dists[0]}/SHA256SUMS"
    [ "$(wc -l <"${dists[0]}/SHA256SUMS")" -eq "$(wc -l <"$earlier/SHA256SUMS")" ] ||
        { echo "FAIL: the two releases hold different files"; failed=$((failed + 1)); }
fi

# Each Debian's checks run one after the other, beside the other Debian's: most of their time is
# one process's (lintian, apt, the program's start). Each check's output and status are kept,
# then reported in order.
check_into() { # LOG SCRIPT ARGUMENTS...
    local status=0
    "$(dirname "$0")/$2" "${@:3}" >"$1" 2>&1 || status=$?
    echo "$status $2 ${*:3}" >"$1.status"
}
checks_of() {
    local log=$work/checks-${1##*-}
    check_into "$log-1" package_test.sh "$1" amd64
    check_into "$log-2" package_test.sh "$1" arm64
    check_into "$log-3" apt_repository_test.sh "$1"
}
# A check that ends in failure without saying what failed counts as one failure.
report() {
    local status what
    read -r status what <"$1.status"
    cat "$1"
    passed=$((passed + $(grep -c '^ok: ' "$1" || true)))
    failed=$((failed + $(grep -c '^FAIL: ' "$1" || true)))
    if [ "$status" -ne 0 ] && ! grep -q '^FAIL: ' "$1"; then
        echo "FAIL: $what ended with status $status"
        failed=$((failed + 1))
    fi
}
for packages in "$built"/debian-*; do
    [ ! -d "$packages" ] || checks_of "$packages" &
done
wait
for log in "$work"/checks-*-[0-9]; do
    [ ! -f "$log" ] || report "$log"
done
echo "reproducible: $passed passed, $failed failed"
[ "$failed" -eq 0 ]
