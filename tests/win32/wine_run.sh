#!/usr/bin/env bash
# Runs a Windows program in the tests' Wine session (wine_session.sh) and exits with its status.
# Wine may leave helper processes running after the program (services, the desktop); they
# inherit the program's output, so it goes to a file first and never to the caller's pipes,
# which would otherwise stay open after the program has ended.
set -uo pipefail
session=${MORVATEK_WINE_SESSION:?"start the Wine session first (tests/win32/wine_session.sh)"}
arch=$(cat "$session/arch" 2>/dev/null || echo win64)
export WINEPREFIX=$session/prefix WINEARCH=$arch WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
export DISPLAY=:$(tr -d '\n' <"$session/display")
# Debian's wine wrapper warns on every start when there is no 32-bit Wine; the 64-bit loader
# itself does not. A 32-bit prefix takes the 32-bit loader.
wine=wine
if [ "$arch" = win32 ] && [ -x /usr/lib/wine/wine ]; then
    wine=/usr/lib/wine/wine
elif [ "$arch" = win64 ] && [ -x /usr/lib/wine/wine64 ]; then
    wine=/usr/lib/wine/wine64
fi
output=$(mktemp)
"$wine" "$@" >"$output" 2>&1 </dev/null
status=$?
cat "$output"
rm -f "$output"
exit $status
