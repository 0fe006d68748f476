#!/usr/bin/env bash
# Builds everything and runs every test of every front end:
#  - Linux: the full build with the Qt window (offscreen, no display needed), then the
#    toolkit-free layers again with AddressSanitizer and UndefinedBehaviorSanitizer;
#  - Windows: cross-built with MinGW-w64 for 32-bit and 64-bit Windows; each build's core and
#    window tests run under Wine, on an X server and in a Wine prefix of their own
#    (build-windows*/wine-session, 32-bit and 64-bit); the 64-bit one also installs the 32-bit
#    MSI, as on 64-bit Windows. On a machine that runs no 32-bit programs, the tests that start
#    one are skipped, each with the reason;
#  - Web: the core's tests compiled with Emscripten and run under Node.js, then the page in a
#    headless Chromium and Firefox ESR and in WebKitGTK's MiniBrowser on an Xvfb, each started
#    and stopped by every test file itself;
#  - Release: scripts/release.sh run twice on the committed HEAD, compared byte for byte; its
#    Debian packages, each built in a clean root of its release, checked as Debian checks them
#    there (lintian, autopkgtest), and installed from the apt repository.
# It does all of this on the machine's own Debian, and again on the other of Debian 12 and 13 in
# a minimal root of that release (scripts/debian-root.sh), where it also installs and starts that
# Debian's own package, built in a clean root of it. Where no such root can be made, its rows
# are skipped with the reason.
# Every part runs, even after one has failed; the end is a table of each part's passed, failed
# and skipped tests and its time, then one line with the totals. The status is 1 when anything
# failed.
# usage: scripts/test.sh [debian-12] [debian-13]   (default: both)
# MORVATEK_SUMMARY=FILE also writes the table's rows to FILE. Sourced, it only defines its
# functions.
set -uo pipefail
own=$(. /etc/os-release && echo "$VERSION_ID")
jobs=$(nproc)
summary=()  # "part|passed|failed|skipped|seconds"
skipped_because=()

# Runs CTest in a build folder, and counts its tests as the part's.
run_ctest() {
    local build=$1 log
    log=$(mktemp)
    (cd "$build" && ctest --output-on-failure -j "$jobs" --output-junit ctest-results.xml) 2>&1 |
        tee "$log"
    local status=${PIPESTATUS[0]}
    local line='^ *[0-9]+/[0-9]+ Test +#[0-9]+: '
    local total passed skipped
    total=$(grep -cE "$line" "$log")
    passed=$(grep -cE "$line.* Passed +[0-9.]+ sec" "$log")
    skipped=$(grep -cE "$line.*\*\*\*Skipped " "$log")
    rm -f "$log"
    part_passed=$((part_passed + passed))
    part_skipped=$((part_skipped + skipped))
    part_failed=$((part_failed + total - passed - skipped))
    [ "$status" -eq 0 ] || [ "$total" -gt "$((passed + skipped))" ] || part_failed=$((part_failed + 1))
    # CTest shows no output of a skipped test: its first "skipped:" line says why.
    local reason
    while IFS= read -r reason; do
        echo "skipped: $reason"
        skipped_because+=("$build: $reason")
    done < <(skip_reasons "$build/ctest-results.xml")
}

skip_reasons() {
    [ -f "$1" ] || return 0
    awk '/<testcase / { match($0, /name="[^"]*"/); name = substr($0, RSTART + 6, RLENGTH - 7); skip = 0 }
         /<skipped / { skip = 1 }
         skip && /skipped: / {
             sub(/.*skipped: /, "")
             gsub(/&lt;/, "<"); gsub(/&gt;/, ">"); gsub(/&quot;/, "\""); gsub(/&apos;/, "\047")
             gsub(/&amp;/, "\\&")
             print name ": " $0; skip = 0
         }' "$1"
}

# part NAME COMMAND...: runs the part; a step that fails counts as one failure.
part() {
    local name=$1 start=$SECONDS
    shift
    echo "== $name"
    part_passed=0 part_failed=0 part_skipped=0
    "$@" || part_failed=$((part_failed + 1))
    summary+=("$name|$part_passed|$part_failed|$part_skipped|$((SECONDS - start))")
}

linux() {
    cmake -S . -B build -G Ninja >/dev/null &&
        cmake --build build -j "$jobs" || return 1
    run_ctest build
}

sanitizers() {
    cmake -S . -B build-sanitize -G Ninja -DMORVATEK_GUI=OFF -DMORVATEK_SANITIZE=ON \
        -DCMAKE_BUILD_TYPE=Debug >/dev/null &&
        cmake --build build-sanitize -j "$jobs" || return 1
    run_ctest build-sanitize
}

windows_32() {
    cmake -S . -B build-windows-32 -G Ninja -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64-i686.cmake \
        -DCMAKE_BUILD_TYPE=Release -DMORVATEK_TESTS=ON >/dev/null &&
        cmake --build build-windows-32 -j "$jobs" || return 1
    run_ctest build-windows-32
}

windows_64() {
    cmake -S . -B build-windows -G Ninja -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64.cmake \
        -DCMAKE_BUILD_TYPE=Release -DMORVATEK_X86_BUILD="$PWD/build-windows-32" >/dev/null &&
        cmake --build build-windows -j "$jobs" || return 1
    run_ctest build-windows
}

web() {
    scripts/build-web.sh &&
        (cd tests/web && npm ci --no-audit --no-fund --loglevel=error) || return 1
    run_ctest build-web
}

# Two releases, each with both Debian packages built in clean roots, then Debian's checks of the
# packages take about 12 minutes once the roots are made; a hang fails here rather than eating
# CI's time. The first release's packages are kept for the other Debian's leg. Where no clean
# root can be made here (not root, no mount namespace), the Debian packages are left out and
# skipped with the reason.
release() {
    local log status debians=${MORVATEK_RELEASE_DEBIANS-bookworm trixie} why
    if [ -n "$debians" ] && ! why=$(scripts/debian-root.sh make "${debians%% *}-build") &&
        [[ $why == skipped:* ]]; then
        echo "$why"
        skipped_because+=("the release's Debian packages: ${why#skipped: }")
        part_skipped=1 debians=""
    fi
    log=$(mktemp)
    MORVATEK_RELEASE_DEBIANS=$debians MORVATEK_KEEP_PACKAGES=$PWD/build-debian \
        timeout 2400 tests/release/reproducible_test.sh 2>&1 | tee "$log"
    status=${PIPESTATUS[0]}
    part_passed=$(grep -c '^ok: ' "$log")
    part_failed=$(grep -c '^FAIL: ' "$log")
    rm -f "$log"
    [ "$status" -eq 0 ] || [ "$part_failed" -gt 0 ] || part_failed=1
}

own_parts() {
    scripts/install-deps.sh linux windows web release || exit 1
    local debian="Debian $own: "
    part "${debian}Linux" linux
    part "${debian}Linux, sanitizers" sanitizers
    part "${debian}Windows, 32-bit, under Wine" windows_32
    part "${debian}Windows, 64-bit, under Wine" windows_64
    part "${debian}Web, under Node.js, in Chromium, Firefox ESR and WebKit" web
    part "${debian}Release: built twice the same; Debian packages checked" release
}

# The other Debian's run, in a root of that release, with a copy of this tree (its own build
# folders are kept there between runs). Its rows join this table. Its release check leaves the
# Debian packages out: this machine's builds them in clean roots of both releases.
other_debian() {
    local version=$1 release start=$SECONDS root status=0
    release=$( ((version == 12)) && echo bookworm || echo trixie)
    scripts/install-deps.sh mmdebstrap &&
        root=$(scripts/debian-root.sh make "$release") || status=$?
    if [ "$status" -eq 77 ]; then
        skip_debian "$version" "$root"
        return
    elif [ "$status" -ne 0 ]; then
        summary+=("Debian $version: its root|0|1|0|$((SECONDS - start))")
        return
    fi
    copy_tree "$root/root/morvatek"
    rm -f "$root/root/summary" "$root/root/summary.skipped"
    scripts/debian-root.sh run "$release" env MORVATEK_SUMMARY=/root/summary MORVATEK_RELEASE_DEBIANS= \
        /root/morvatek/scripts/test.sh "debian-$version"
    local row
    while IFS= read -r row; do
        summary+=("$row")
    done < <(cat "$root/root/summary" 2>/dev/null)
    while IFS= read -r row; do
        skipped_because+=("Debian $version: $row")
    done < <(cat "$root/root/summary.skipped" 2>/dev/null)
    [ -s "$root/root/summary" ] || summary+=("Debian $version: the test command|0|1|0|$((SECONDS - start))")
    part "Debian $version: its own package, from a clean root, installed and started" \
        installs_own_package "$release" "$root"
}

skip_debian() {
    echo "$2"
    skipped_because+=("Debian $1: ${2#skipped: }")
    summary+=("Debian $1|0|0|1|0")
}

# The tree as it is, uncommitted changes too, over the copy's sources; its build folders stay.
copy_tree() {
    mkdir -p "$1"
    find "$1" -mindepth 1 -maxdepth 1 ! -name 'build*' -exec rm -rf {} +
    { scripts/tree-files.sh; printf '.git\0'; } |
        tar --null -T - -cf - | tar -xf - -C "$1"
}

# That Debian's own package of this tree installs on it and keeps running: the release check's,
# where that was of this very tree, or else one built now.
installs_own_package() {
    local packages=build-debian/$1 said status=0
    if [ "$(cat "$packages/commit" 2>/dev/null)" != "$(git rev-parse HEAD 2>/dev/null)" ] ||
        [ -n "$(git status --porcelain)" ]; then
        rm -rf "$packages"
        said=$(scripts/build-debian-package.sh "$1" "$packages") || status=$?
    fi
    if [ "$status" -eq 77 ]; then
        echo "$said"
        skipped_because+=("its own package: ${said#skipped: }")
        part_skipped=1
        return 0
    fi
    [ "$status" -eq 0 ] || return 1
    cp "$packages"/morvatek_*_amd64.deb "$2/root/morvatek.deb"
    scripts/debian-root.sh run "$1" bash -c '
        DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends \
            /root/morvatek.deb >/dev/null || exit 1
        status=0
        QT_QPA_PLATFORM=offscreen XDG_RUNTIME_DIR=$(mktemp -d) timeout 2 morvatek || status=$?
        DEBIAN_FRONTEND=noninteractive apt-get purge -y -qq morvatek >/dev/null
        [ "$status" -eq 124 ] || { echo "FAIL: the installed program ended with status $status"; exit 1; }
        echo "ok: the installed program started and kept running"' || return 1
    part_passed=1
}

# Makes the roots that the parts of DEBIAN... use: the clean roots of the release check, and the
# other Debian's root with what its run installs. Their minutes go mostly to the mirror and to
# unpacking packages, so they are made beside this machine's own parts, which need the
# processors; a part that needs a root waits for it, and makes it itself if this could not.
prepare_roots() {
    local debian release root
    for debian in "$@"; do
        if [ "${debian#debian-}" = "$own" ]; then
            for release in ${MORVATEK_RELEASE_DEBIANS-bookworm trixie}; do
                scripts/debian-root.sh make "$release-build" && scripts/debian-root.sh make "$release-check"
            done
        else
            release=$( [ "$debian" = debian-12 ] && echo bookworm || echo trixie)
            root=$(scripts/debian-root.sh make "$release") && copy_tree "$root/root/morvatek" &&
                scripts/debian-root.sh run "$release" /root/morvatek/scripts/install-deps.sh linux windows web release
            scripts/debian-root.sh make "$release-build"
        fi
    done
}

main() {
    cd "$(dirname "$0")/.." || exit 1
    local debian debians="" preparing
    # This machine's own Debian first: its parts need no root, and so make way for the roots.
    for debian in ${*:-debian-12 debian-13}; do
        [[ $debian == debian-1[23] ]] || { echo "usage: $0 [debian-12] [debian-13]" >&2; exit 2; }
        [ "${debian#debian-}" = "$own" ] && debians="$debian $debians" || debians+=" $debian"
    done
    scripts/install-deps.sh mmdebstrap || exit 1
    # A process group of its own, ended with the command however it ends.
    setsid bash -c 'source scripts/test.sh && prepare_roots "$@"' prepare $debians >/dev/null 2>&1 &
    preparing=$!
    trap "kill -- -$preparing 2>/dev/null" EXIT
    for debian in $debians; do
        if [ "${debian#debian-}" = "$own" ]; then
            own_parts
        else
            wait "$preparing"
            other_debian "${debian#debian-}"
        fi
    done
    summarize
}

# The table of every part, the totals, and the status: 1 when anything failed.
summarize() {
    echo
    echo "== Summary"
    local reason row name p f s seconds passed=0 failed=0 skipped=0
    for reason in "${skipped_because[@]}"; do
        echo "skipped in $reason"
        [ -z "${MORVATEK_SUMMARY:-}" ] || echo "$reason" >>"$MORVATEK_SUMMARY.skipped"
    done
    printf '%-74s %7s %7s %8s %8s\n' part passed failed skipped time
    for row in "${summary[@]}"; do
        IFS='|' read -r name p f s seconds <<<"$row"
        printf '%-74s %7d %7d %8d %5d:%02d\n' "$name" "$p" "$f" "$s" $((seconds / 60)) $((seconds % 60))
        [ -z "${MORVATEK_SUMMARY:-}" ] || echo "$row" >>"$MORVATEK_SUMMARY"
        passed=$((passed + p)) failed=$((failed + f)) skipped=$((skipped + s))
    done
    echo "$passed passed, $failed failed, $skipped skipped"
    [ "$failed" -eq 0 ]
}

[[ "${BASH_SOURCE[0]}" != "$0" ]] || main "$@"
