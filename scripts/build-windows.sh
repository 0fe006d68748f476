#!/usr/bin/env bash
# Cross-builds the Windows program on this machine with MinGW-w64, for 64-bit and for 32-bit
# Windows, and writes:
#   build-windows/src/win32/Morvatek.exe          the 64-bit program, one file
#   build-windows/Morvatek-1.0.0.0-win64.zip      its portable ZIP
#   build-windows/Morvatek-1.0.0.0.msi            its installer
#   build-windows-32/src/win32/Morvatek.exe       the 32-bit program, which 64-bit Windows runs too
#   build-windows-32/Morvatek-1.0.0.0-win32.zip   its portable ZIP
#   build-windows-32/Morvatek-1.0.0.0-win32.msi   its installer
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh windows
cmake -S . -B build-windows -G Ninja -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64.cmake \
    -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build build-windows
# The 32-bit tests need a 32-bit Wine; the 64-bit build checks this build's program instead.
cmake -S . -B build-windows-32 -G Ninja -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64-i686.cmake \
    -DCMAKE_BUILD_TYPE=Release -DMORVATEK_TESTS=OFF >/dev/null
cmake --build build-windows-32
ls -l build-windows/src/win32/Morvatek.exe build-windows/Morvatek-*-win64.zip \
    build-windows/Morvatek-*.msi build-windows-32/src/win32/Morvatek.exe \
    build-windows-32/Morvatek-*-win32.zip build-windows-32/Morvatek-*-win32.msi
