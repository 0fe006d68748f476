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
#  - Release: scripts/release.sh run twice on the committed HEAD, compared byte for byte.
# Every part runs, even after one has failed; the end is a table of each part's passed, failed
# and skipped tests and its time, then one line with the totals. The status is 1 when anything
# failed.
set -uo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh linux windows web release || exit 1
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

# Two release builds take about 2 minutes; a hang fails here rather than eating CI's time.
release() {
    local log status
    log=$(mktemp)
    timeout 900 tests/release/reproducible_test.sh 2>&1 | tee "$log"
    status=${PIPESTATUS[0]}
    part_passed=$(grep -c '^ok: ' "$log")
    part_failed=$(grep -c '^FAIL: ' "$log")
    rm -f "$log"
    [ "$status" -eq 0 ] || [ "$part_failed" -gt 0 ] || part_failed=1
}

part "Linux" linux
part "Linux, sanitizers" sanitizers
if why=$(scripts/runs-32bit.sh); then
    part "Windows, 32-bit, under a 32-bit Wine" windows_32
else
    echo "Windows, 32-bit: $why; the tests that start a 32-bit program are skipped."
    part "Windows, 32-bit, built and read back" windows_32
fi
part "Windows, 64-bit, under Wine" windows_64
part "Web, under Node.js, in Chromium, Firefox ESR and WebKit" web
part "Release: the committed HEAD built twice gives the same bytes" release

echo
echo "== Summary"
for reason in "${skipped_because[@]}"; do
    echo "skipped in $reason"
done
passed=0 failed=0 skipped=0
printf '%-62s %7s %7s %8s %8s\n' part passed failed skipped time
for row in "${summary[@]}"; do
    IFS='|' read -r name p f s seconds <<<"$row"
    printf '%-62s %7d %7d %8d %5d:%02d\n' "$name" "$p" "$f" "$s" $((seconds / 60)) $((seconds % 60))
    passed=$((passed + p)) failed=$((failed + f)) skipped=$((skipped + s))
done
echo "$passed passed, $failed failed, $skipped skipped"
[ "$failed" -eq 0 ]
