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
sizes=""
expect() {
    if grep -qF -- "$1" "$work/decompiled.rc"; then
        echo "ok: $1"
    else
        echo "FAIL: missing $1"
        status=1
    fi
}
# The version of the changelog's top entry; the texts give major.minor with two digits.
version=$(dpkg-parsechangelog -l "$(dirname "$0")/../../resources/changelog" -S Version)
IFS=. read -r major minor _ <<<"$version"
text=$(printf '%d.%02d' "$major" "$minor")
expect "FILEVERSION ${version//./, }"
expect "PRODUCTVERSION ${version//./, }"
expect "VALUE \"FileVersion\", \"$text\""
expect "VALUE \"ProductVersion\", \"$text\""
expect 'VALUE "InternalName", "Morvatek"'
expect 'VALUE "OriginalFilename", "Morvatek.exe"'
expect 'VALUE "CompanyName", "Morvatek"'
expect 'VALUE "ProductName", "Morvatek"'
expect 'RT_GROUP_ICON'

# The icon the record carries: images of 16, 24, 32 and 48 pixels with 256 colours (8 bits a
# pixel), each bitmap as large as its directory entry says (twice the height: colours, then mask).
bytes() { od -An -tu1 -j "$1" -N "$2" "$icon_file" | tr -s ' ' | sed 's/^ //; s/ $//'; }
words() { od -An -tu2 -j "$1" -N "$2" --endian=little "$icon_file" | tr -s ' ' | sed 's/^ //; s/ $//'; }
dword() { od -An -tu4 -j "$1" -N 4 --endian=little "$icon_file" | tr -d ' '; }
icon_expect() {
    if [ "$2" = "$3" ]; then echo "ok: icon $1 $2"; else echo "FAIL: icon $1 is $2, expected $3"; status=1; fi
}
icon_expect "type and count" "$(words 2 4)" "1 4"
for index in 0 1 2 3; do
    entry=$((6 + 16 * index))
    size=$(bytes "$entry" 1)
    icon_expect "$index: width and height" "$(bytes "$entry" 2)" "$size $size"
    icon_expect "$index: palette size (0 stands for 256)" "$(bytes $((entry + 2)) 1)" "0"
    icon_expect "$index: bits per pixel" "$(words $((entry + 6)) 2)" "8"
    image=$(dword $((entry + 12)))
    icon_expect "$index: bitmap width and height" "$(dword $((image + 4))) $(dword $((image + 8)))" \
        "$size $((2 * size))"
    icon_expect "$index: bitmap bits per pixel" "$(words $((image + 14)) 2)" "8"
    icon_expect "$index: bitmap colours used" "$(dword $((image + 32)))" "256"
    sizes+=" $size"
done
icon_expect "sizes" "${sizes# }" "16 24 32 48"
exit $status
