#!/usr/bin/env bash
# Builds everything and runs every test of every front end:
#  - Linux: the full build with the Qt window (offscreen, no display needed), then the
#    toolkit-free layers again with AddressSanitizer and UndefinedBehaviorSanitizer;
#  - Windows: cross-built with MinGW-w64 for 32-bit and 64-bit Windows; each build's core and
#    window tests run under Wine, on an X server and in a Wine prefix of their own
#    (build-windows*/wine-session, 32-bit and 64-bit); the 64-bit one also installs the 32-bit
#    MSI, as on 64-bit Windows;
#  - Web: the core's tests compiled with Emscripten and run under Node.js, then the page in a
#    headless Chromium and Firefox ESR that each test file starts and stops itself;
#  - Release: scripts/release.sh run twice on the committed HEAD, compared byte for byte.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh linux windows web release
jobs=$(nproc)

echo "== Linux"
cmake -S . -B build -G Ninja >/dev/null
cmake --build build -j "$jobs"
(cd build && ctest --output-on-failure -j "$jobs")

echo "== Linux, sanitizers"
cmake -S . -B build-sanitize -G Ninja -DMORVATEK_GUI=OFF -DMORVATEK_SANITIZE=ON \
    -DCMAKE_BUILD_TYPE=Debug >/dev/null
cmake --build build-sanitize -j "$jobs"
(cd build-sanitize && ctest --output-on-failure -j "$jobs")

echo "== Windows, 32-bit, under a 32-bit Wine"
cmake -S . -B build-windows-32 -G Ninja -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64-i686.cmake \
    -DCMAKE_BUILD_TYPE=Release -DMORVATEK_TESTS=ON >/dev/null
cmake --build build-windows-32 -j "$jobs"
(cd build-windows-32 && ctest --output-on-failure -j "$jobs")

echo "== Windows, under Wine"
cmake -S . -B build-windows -G Ninja -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64.cmake \
    -DCMAKE_BUILD_TYPE=Release -DMORVATEK_X86_BUILD="$PWD/build-windows-32" >/dev/null
cmake --build build-windows -j "$jobs"
(cd build-windows && ctest --output-on-failure -j "$jobs")

echo "== Web, under Node.js and in headless Chromium and Firefox ESR"
scripts/build-web.sh
(cd tests/web && npm ci --no-audit --no-fund --loglevel=error)
(cd build-web && ctest --output-on-failure -j "$jobs")

echo "== Release: the committed HEAD built twice, in two folders, gives the same bytes"
# Two release builds take about 2 minutes; a hang fails here rather than eating CI's time.
timeout 900 tests/release/reproducible_test.sh
