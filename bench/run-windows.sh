#!/usr/bin/env bash
# Builds Morvatek.exe and the yardsticks in Release and prints, under Wine on a private X server:
#  - the medians of the time from starting each program to its window being shown and painted,
#    in alternating runs, against a minimal Win32 window;
#  - a click on "Изчисли" with thirty digits in base 4, until the window has stopped changing,
#    and the updates that reach the screen, against a Win32 window that sets the same transcript
#    once per click (measured from outside, on X, in a Wine prefix without a virtual desktop);
#  - the size of Morvatek.exe.
# usage: bench/run-windows.sh [runs]   (default 21 runs of each program)
set -euo pipefail
cd "$(dirname "$0")/.."
runs=${1:-21}
scripts/install-deps.sh windows linux
cmake --preset windows-64-bench >/dev/null
cmake --build --preset windows-64-bench --target Morvatek minimal_window startup_bench click_yardstick
# The X watcher that clicks and follows the drawing runs on Linux.
cmake --preset bench >/dev/null
cmake --build --preset bench --target click_race

build=$PWD/build-windows-64-bench
startup_session=$build/bench-session
click_session=$build/bench-click-session
trap 'tests/win32/wine_session.sh stop "$startup_session";
      tests/win32/wine_session.sh stop "$click_session"' EXIT
windows() { echo "Z:$build/$1"; }

echo "== start-up under Wine"
tests/win32/wine_session.sh start "$startup_session"
MORVATEK_WINE_SESSION=$startup_session tests/win32/wine_run.sh \
    "$(windows bench/startup_bench.exe)" "$runs" \
    "$(windows src/win32/Morvatek.exe)" "$(windows bench/minimal_window.exe)"
tests/win32/wine_session.sh stop "$startup_session"
echo
echo "== a click on \"Изчисли\" (30 digits, base 4) under Wine"
MORVATEK_WINE_DESKTOP=off tests/win32/wine_session.sh start "$click_session"
export MORVATEK_WINE_SESSION=$click_session
DISPLAY=:$(cat "$click_session/display") build-bench/bench/click_race "$runs" \
    "tests/win32/wine_run.sh $(windows src/win32/Morvatek.exe)" \
    "tests/win32/wine_run.sh $(windows bench/click_yardstick.exe)"
echo "(targets: at most 1.5 times the yardstick, at most 12 updates)"
echo
echo "== size"
size=$(stat -c %s "$build/src/win32/Morvatek.exe")
echo "Morvatek.exe: $size bytes ($((size / 1024)) KiB; target at most 1.5 MB)"
