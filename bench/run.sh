#!/usr/bin/env bash
# Builds the benchmarks in Release and prints their figures:
#  - start-up: morvatek against a minimal Qt window, alternating runs on a private Xvfb,
#    time from process start to the window being mapped and resident memory after the first frame;
#  - the CPU time of a 30-digit calculation through the handlers.
# usage: bench/run.sh [runs]   (default 21 runs of each program)
set -euo pipefail
cd "$(dirname "$0")/.."
runs=${1:-21}
scripts/install-deps.sh
cmake -S . -B build-bench -G Ninja -DCMAKE_BUILD_TYPE=Release -DMORVATEK_BENCH=ON >/dev/null
cmake --build build-bench --target morvatek minimal_window startup_race calculation_bench

display=:$((70 + RANDOM % 9))
Xvfb "$display" -screen 0 1024x768x24 -nolisten tcp >/dev/null 2>&1 &
xvfb=$!
trap 'kill $xvfb 2>/dev/null || true' EXIT
for _ in $(seq 50); do DISPLAY=$display xdpyinfo >/dev/null 2>&1 && break; sleep 0.1; done

echo "== start-up on Xvfb $display"
DISPLAY=$display XDG_RUNTIME_DIR=${XDG_RUNTIME_DIR:-$(mktemp -d)} \
    build-bench/bench/startup_race "$runs" build-bench/src/qt/morvatek build-bench/bench/minimal_window
echo
echo "== calculation"
build-bench/bench/calculation_bench --benchmark_repetitions=5 --benchmark_report_aggregates_only=true
