#!/usr/bin/env bash
# A Debian release's arm64 package where it runs, in an emulated arm64 root of that release
# (scripts/debian-root.sh's RELEASE-arm64): the package's autopkgtest against it installed there,
# the road from the signed apt repository (apt_repository_test.sh), and the core's tests of that
# Debian's own arm64 build (its `arm64` preset), run there with the root's C library. Where no
# arm64 root can be made or entered here, each row is skipped with the reason.
# usage: arm64_test.sh PACKAGE_FOLDER CORE_BUILD
set -uo pipefail
here=$(cd "$(dirname "$0")" && pwd)
scripts=$here/../../scripts
packages=$(realpath "$1")
core=$(realpath -m "$2")
release=$(sed -n 's/^Distribution: //p' "$packages"/morvatek_*_arm64.changes)
root=$release-arm64
work=$(mktemp -d)
autopkgtest=""
trap '[ -z "$autopkgtest" ] || kill "$autopkgtest" 2>/dev/null; rm -rf "$work"' EXIT
status=0
made=$("$scripts/debian-root.sh" make "$root") || status=$?
if [ "$status" -eq 77 ]; then
    for row in "its autopkgtest" "apt-get install from the repository" "the core's tests"; do
        echo "skipped: Debian $release arm64, $row: ${made#skipped: }"
    done
    exit 0
fi
[ "$status" -eq 0 ] || { echo "FAIL: no $root root: $made"; exit 1; }

# An unpacked source for autopkgtest, which the root then needs no dpkg-source for. Emulated, the
# autopkgtest and apt's road each keep one processor busy: they run side by side, each in a copy
# of the root of its own.
dpkg-source -q -x "$packages"/morvatek_*.dsc "$work/source" >/dev/null
"$scripts/debian-root.sh" run --scratch --bind "$packages:/packages" --bind "$work/source:/source" \
    "$root" autopkgtest --quiet "/packages/$(basename "$packages"/morvatek_*_arm64.deb)" /source -- null \
    >"$work/autopkgtest" 2>&1 &
autopkgtest=$!
"$here/apt_repository_test.sh" "$packages" arm64 "$root" 20 || status=1
if wait "$autopkgtest"; then
    echo "ok: the autopkgtest passes against the Debian $release arm64 package installed there"
else
    cat "$work/autopkgtest"
    echo "FAIL: the autopkgtest against the Debian $release arm64 package"
    status=1
fi

for program in form_tests convert_tests app_tests; do
    if "$scripts/debian-root.sh" run --bind "$core:/core" "$root" "/core/tests/$program" --gtest_brief=1 \
        >"$work/said" 2>&1; then
        echo "ok: $program of Debian $release's arm64 build, with its arm64 C library: $(grep -o '[0-9]* tests\?' "$work/said" | tail -n 1)"
    else
        cat "$work/said"
        echo "FAIL: $program of Debian $release's arm64 build, in $core"
        status=1
    fi
done
exit $status
