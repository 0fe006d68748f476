#!/usr/bin/env bash
# Installs the MSI silently in the tests' Wine session, checks the program and its Start-menu
# shortcut are there and that the installed program starts and ends cleanly, then uninstalls it
# silently and checks both are gone.
set -euo pipefail
msi=$1
exe_tests=$2
here=$(dirname "$0")
drive_c=$MORVATEK_WINE_SESSION/prefix/drive_c
program="$drive_c/Program Files/Morvatek/Morvatek.exe"
shortcuts() { find "$drive_c" -path '*Start Menu/Programs*' -iname 'Morvatek.lnk'; }
fail() { echo "FAIL: $*"; exit 1; }

"$here/wine_run.sh" msiexec /i "Z:$msi" /qn || fail "silent install ended with status $?"
[ -f "$program" ] || fail "no $program"
[ -n "$(shortcuts)" ] || fail "no Start-menu shortcut"
echo "ok: installed $program and $(shortcuts)"

MORVATEK_EXE='C:\Program Files\Morvatek\Morvatek.exe' \
    "$here/wine_run.sh" "$exe_tests" --gtest_filter='Program.*' >/dev/null ||
    fail "the installed program did not start and end cleanly"
echo "ok: the installed program starts, shows its window and ends with status 0"

"$here/wine_run.sh" msiexec /x "Z:$msi" /qn || fail "silent uninstall ended with status $?"
[ ! -e "$program" ] || fail "$program is still there"
[ -z "$(shortcuts)" ] || fail "the shortcut is still there"
echo "ok: uninstalled"
