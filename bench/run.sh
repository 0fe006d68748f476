#!/usr/bin/env bash
# Builds the benchmarks in Release and prints their figures:
#  - start-up: morvatek against a minimal Qt window, alternating runs on a private Xvfb,
#    time from process start to the window being mapped and resident memory after the first frame;
#  - a click on "Изчисли" with thirty digits in base 4, until the window has stopped changing,
#    against a Qt window that shows the same transcript once per click;
#  - the CPU time of a 30-digit calculation through the handlers.
# usage: bench/run.sh [runs]   (default 21 runs of each program)
set -euo pipefail
cd "$(dirname "$0")/.."
runs=${1:-21}
scripts/install-deps.sh
cmake --preset bench >/dev/null
cmake --build --preset bench --target morvatek minimal_window startup_race click_race \
    click_yardstick calculation_bench

source scripts/xvfb.sh
start_xvfb 1024x768x24
runtime=$(mktemp -d)
trap 'kill "$XVFB_PID" 2>/dev/null || true; rm -rf "$runtime"' EXIT
export XDG_RUNTIME_DIR=$runtime QT_QPA_PLATFORM=xcb

echo "== start-up on Xvfb $DISPLAY"
build-bench/bench/startup_race "$runs" build-bench/src/qt/morvatek build-bench/bench/minimal_window
echo
echo "== a click on \"Изчисли\" (30 digits, base 4) on Xvfb $DISPLAY"
build-bench/bench/click_race "$runs" build-bench/src/qt/morvatek build-bench/bench/click_yardstick
echo "(target: at most one frame, 16.7 ms)"
echo
echo "== calculation"
build-bench/bench/calculation_bench --benchmark_repetitions=5 --benchmark_report_aggregates_only=true
