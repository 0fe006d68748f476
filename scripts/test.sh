#!/usr/bin/env bash
# Builds everything and runs every test of every front end. Each build is a preset of
# CMakePresets.json, run as `cmake --workflow --preset NAME` (configure, build, test):
#  - linux: the full build with the Qt window (offscreen, no display needed); sanitize: the
#    toolkit-free layers again with AddressSanitizer and UndefinedBehaviorSanitizer; arm64: the
#    core's tests cross-built for 64-bit ARM and run under qemu-aarch64;
#  - windows-32, windows-64: cross-built with MinGW-w64; each build's core and window tests run
#    under Wine, on an X server and in a Wine prefix of their own; the 64-bit one also installs
#    the 32-bit MSI, as on 64-bit Windows. On a machine that runs no 32-bit programs, the tests
#    that start one are skipped, each with the reason;
#  - web: the core's tests compiled with Emscripten and run under Node.js, then the page in a
#    headless Chromium and Firefox ESR and in WebKitGTK's MiniBrowser on an Xvfb, each started
#    and stopped by every test file itself;
#  - the release: scripts/release.sh run twice on the committed HEAD, compared byte for byte;
#    its Debian packages for amd64 and arm64, each built in a clean root of its release, checked
#    as Debian checks them there (lintian, autopkgtest), and installed from the apt repository.
# It does all of this on the machine's own Debian, and again on the other of Debian 12 and 13 in
# a minimal root of that release (scripts/debian-root.sh), where the release is built once and
# where it also installs and starts that Debian's own package, built in a clean root of it. Last,
# Debian 13's arm64 package in an emulated arm64 root: for that, an emulator is registered with
# binfmt_misc for the run where the machine has none (scripts/arm64-emulation.sh), and taken
# away at its end. Where a root cannot be made or an arm64 program not started, its rows are
# skipped with the reason.
# Every part runs, even after one has failed; the end is a table of each part's passed, failed
# and skipped tests and its time, then one line with the totals. The status is 1 when anything
# failed.
# usage: scripts/test.sh [debian-12] [debian-13]   (default: both)
# MORVATEK_SUMMARY=FILE also writes the table's rows to FILE. Sourced, it only defines its
# functions.
set -uo pipefail
scripts=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
source "$scripts/test-summary.sh"
source "$scripts/test-parts.sh"
source "$scripts/test-debians.sh"
own=$(. /etc/os-release && echo "$VERSION_ID")
# The roots' makers, "PID:NAME", and the folder of their output: the command's exit trap needs them.
makers=()
logs=""

# The makers of the roots run beside the parts, each in a process group of its own that ends
# with the command however it ends, and at a lower priority than the parts. Each one's output is
# kept, and shown where it fails: the part that needs its root then tries again itself.
beside() {
    setsid nice -n 10 bash -c 'source scripts/test.sh && "$@"' beside "$@" >"$logs/$1" 2>&1 &
    makers+=("$!:$1")
}

# wait_for NAME: waits for that maker, and shows the end of its output where it failed.
wait_for() {
    local maker
    for maker in "${makers[@]}"; do
        [ "${maker#*:}" = "$1" ] || continue
        wait "${maker%%:*}" && return 0
        echo "The roots' maker $1 failed; the end of what it said:"
        tail -n 30 "$logs/$1"
    done
}

main() {
    cd "$(dirname "$0")/.." || exit 1
    local debian debians="" arm64_why=""
    # This machine's own Debian first: its parts need no root, and so make way for the roots.
    for debian in ${*:-debian-12 debian-13}; do
        [[ $debian == debian-1[23] ]] || { echo "usage: $0 [debian-12] [debian-13]" >&2; exit 2; }
        [ "${debian#debian-}" = "$own" ] && debians="$debian $debians" || debians+=" $debian"
    done
    scripts/install-deps.sh mmdebstrap arm64 || exit 1
    logs=$(mktemp -d)
    trap 'for maker in "${makers[@]}"; do kill -- "-${maker%%:*}" 2>/dev/null; done
          rm -rf "$logs"
          scripts/arm64-emulation.sh stop' EXIT
    # Debian 13's arm64 package is checked where the Debian packages are built, not in a leg.
    if [[ " ${MORVATEK_RELEASE_DEBIANS-trixie} " == *" trixie "* && " $debians " == *" debian-13 "* ]]; then
        arm64_why=$(scripts/arm64-emulation.sh start) && arm64_why=""
    else
        arm64_why=none
    fi
    beside make_test_roots $debians
    beside make_check_roots "${arm64_why:-trixie-arm64}"
    for debian in $debians; do
        if [ "${debian#debian-}" = "$own" ]; then
            own_parts
        else
            wait_for make_test_roots
            other_debian "${debian#debian-}"
        fi
    done
    wait_for make_check_roots
    arm64_part "$arm64_why"
    summarize
}

# arm64_part WHY: Debian 13's arm64 package where it runs; skipped with WHY where no arm64 program
# starts here, and left out with "none".
arm64_part() {
    local name="Debian 13 arm64, in an emulated root: autopkgtest, apt, the core's tests"
    if [ -z "$1" ]; then
        part "$name" arm64_checks
    elif [ "$1" != none ]; then
        echo "$1"
        skipped_because+=("$name: $1")
        summary+=("$name|0|0|1|0")
    fi
}

[[ "${BASH_SOURCE[0]}" != "$0" ]] || main "$@"
