#!/usr/bin/env bash
# Asks the installed 64-bit Wine whether it starts 32-bit Windows programs itself (WoW64), with
# no i386 package: starts the 32-bit cmd.exe and expects the status it is told to end with. A
# version number does not tell: Debian 13's Wine 10 carries the 32-bit Windows libraries, yet
# without wine32 it starts no 32-bit program. Uses PREFIX, a booted 64-bit prefix, or makes one of its own.
# Exits 0 when it does; otherwise prints why not in one line and exits 1.
# usage: scripts/wine-wow64.sh [PREFIX]
set -uo pipefail
wine=${MORVATEK_WINE_DIR:-/usr/lib/wine}/wine64
[ -x "$wine" ] || { echo "no 64-bit Wine is installed"; exit 1; }
export WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml=" WINELOADER=$wine
if [ -n "${1:-}" ]; then
    export WINEPREFIX=$1
else
    WINEPREFIX=$(mktemp -d)
    export WINEPREFIX WINEARCH=win64
    trap '"${wine%/*}/wineserver" -k 2>/dev/null; rm -rf "$WINEPREFIX"' EXIT
    "$wine" wineboot --init >/dev/null 2>&1 </dev/null
fi
"$wine" 'C:\windows\syswow64\cmd.exe' /c exit 32 >/dev/null 2>&1 </dev/null
status=$?
[ $status -eq 32 ] || { echo "the 64-bit Wine starts no 32-bit Windows programs (status $status)"; exit 1; }
