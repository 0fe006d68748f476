#!/usr/bin/env bash
# Cross-builds the Windows program on this machine with MinGW-w64 and writes:
#   build-windows/src/win32/Morvatek.exe      the program, one file
#   build-windows/Morvatek-1.0.0.0-win64.zip  the portable ZIP
#   build-windows/Morvatek-1.0.0.0.msi        the installer
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh windows
cmake -S . -B build-windows -G Ninja -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64.cmake \
    -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build build-windows
(cd build-windows && cpack >/dev/null)
ls -l build-windows/src/win32/Morvatek.exe build-windows/Morvatek-*-win64.zip \
    build-windows/Morvatek-*.msi
