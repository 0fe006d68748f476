#!/usr/bin/env bash
# Compiles the Windows resource script with the MinGW resource compiler, reads the result back
# and checks the version record and the icon in it.
set -euo pipefail
rc_file=$1
icon_file=$2
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

# The icon the record carries: one image of 32 by 32 pixels with 256 colours (8 bits a pixel).
bytes() { od -An -tu1 -j "$1" -N "$2" "$icon_file" | tr -s ' ' | sed 's/^ //; s/ $//'; }
words() { od -An -tu2 -j "$1" -N "$2" --endian=little "$icon_file" | tr -s ' ' | sed 's/^ //; s/ $//'; }
icon_expect() {
    if [ "$2" = "$3" ]; then echo "ok: icon $1 $2"; else echo "FAIL: icon $1 is $2, expected $3"; status=1; fi
}
icon_expect "type and count" "$(words 2 4)" "1 1"
icon_expect "width and height" "$(bytes 6 2)" "32 32"
icon_expect "palette size (0 stands for 256)" "$(bytes 8 1)" "0"
icon_expect "bits per pixel" "$(words 12 2)" "8"
image=$(od -An -tu4 -j 18 -N 4 --endian=little "$icon_file" | tr -d ' ')
icon_expect "bitmap bits per pixel" "$(words $((image + 14)) 2)" "8"
icon_expect "bitmap colours used" "$(od -An -tu4 -j $((image + 32)) -N 4 --endian=little "$icon_file" | tr -d ' ')" "256"
exit $status
