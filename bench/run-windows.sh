#!/usr/bin/env bash
# Builds Morvatek.exe and the yardstick in Release and prints, under Wine on a private X
# server: the medians of the time from starting each program to its window being shown and
# painted, in alternating runs, and the size of Morvatek.exe.
# usage: bench/run-windows.sh [runs]   (default 21 runs of each program)
set -euo pipefail
cd "$(dirname "$0")/.."
runs=${1:-21}
scripts/install-deps.sh windows
cmake -S . -B build-windows -G Ninja -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64.cmake \
    -DCMAKE_BUILD_TYPE=Release -DMORVATEK_BENCH=ON >/dev/null
cmake --build build-windows --target Morvatek minimal_window startup_bench

export MORVATEK_WINE_SESSION=$PWD/build-windows/bench-session
trap 'tests/win32/wine_session.sh stop "$MORVATEK_WINE_SESSION"' EXIT
tests/win32/wine_session.sh start "$MORVATEK_WINE_SESSION"
windows() { echo "Z:$PWD/build-windows/$1"; }

echo "== start-up under Wine"
tests/win32/wine_run.sh "$(windows bench/startup_bench.exe)" "$runs" \
    "$(windows src/win32/Morvatek.exe)" "$(windows bench/minimal_window.exe)"
echo
echo "== size"
size=$(stat -c %s build-windows/src/win32/Morvatek.exe)
echo "Morvatek.exe: $size bytes ($((size / 1024)) KiB; target at most 1.5 MB)"
