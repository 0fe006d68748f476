#!/usr/bin/env bash
# Cross-builds the Windows program on this machine with MinGW-w64, for 64-bit and for 32-bit
# Windows, and writes:
#   build-windows-64/src/win32/Morvatek.exe       the 64-bit program, one file
#   build-windows-64/Morvatek-1.0.0.0-win64.zip   its portable ZIP
#   build-windows-64/Morvatek-1.0.0.0.msi         its installer
#   build-windows-32/src/win32/Morvatek.exe       the 32-bit program, which 64-bit Windows runs too
#   build-windows-32/Morvatek-1.0.0.0-win32.zip   its portable ZIP
#   build-windows-32/Morvatek-1.0.0.0-win32.msi   its installer
# Each is the test command's build of its preset, tests included.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh windows
for preset in windows-32 windows-64; do
    cmake --preset "$preset" >/dev/null
    cmake --build --preset "$preset"
done
ls -l build-windows-64/src/win32/Morvatek.exe build-windows-64/Morvatek-*-win64.zip \
    build-windows-64/Morvatek-*.msi build-windows-32/src/win32/Morvatek.exe \
    build-windows-32/Morvatek-*-win32.zip build-windows-32/Morvatek-*-win32.msi
