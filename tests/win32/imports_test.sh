#!/usr/bin/env bash
# Morvatek.exe must import only DLLs that every Windows ships: the C++ run-time is linked in.
# usage: imports_test.sh EXE [OBJDUMP]   (the 64-bit toolchain's objdump unless named)
set -euo pipefail
exe=$1
objdump=${2:-x86_64-w64-mingw32-objdump}
allowed="kernel32.dll user32.dll gdi32.dll comctl32.dll uxtheme.dll msvcrt.dll"
status=0
for dll in $("$objdump" -p "$exe" | sed -n 's/^\s*DLL Name: //p' | tr 'A-Z' 'a-z'); do
    if [[ " $allowed " == *" $dll "* ]]; then echo "ok: $dll"; else echo "FAIL: imports $dll"; status=1; fi
done
exit $status
