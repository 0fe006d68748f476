#!/usr/bin/env bash
# Compiles the Windows resource script with the MinGW resource compiler, reads the result back
# and checks the version record and the icon in it.
set -euo pipefail
rc_file=$1
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
windres=x86_64-w64-mingw32-windres

"$windres" --preprocessor=cpp -i "$rc_file" -o "$work/morvatek.res" -O res
"$windres" -i "$work/morvatek.res" -O rc >"$work/decompiled.rc"

status=0
expect() {
    if grep -qF -- "$1" "$work/decompiled.rc"; then
        echo "ok: $1"
    else
        echo "FAIL: missing $1"
        status=1
    fi
}
expect 'FILEVERSION 1, 0, 0, 0'
expect 'PRODUCTVERSION 1, 0, 0, 0'
expect 'VALUE "FileVersion", "1.00"'
expect 'VALUE "ProductVersion", "1.00"'
expect 'VALUE "InternalName", "Morvatek"'
expect 'VALUE "OriginalFilename", "Morvatek.exe"'
expect 'VALUE "CompanyName", "Morvatek"'
expect 'VALUE "ProductName", "Morvatek"'
expect 'RT_GROUP_ICON'
exit $status
