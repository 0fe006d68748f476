#!/usr/bin/env bash
# Reads the MSI's tables back (the Bulgarian shortcut description, what Add/Remove Programs is
# told, the program's file version), then installs it silently in the tests' Wine session: the
# program and its Start-menu shortcut are there, the uninstall entry names the install folder,
# offers no "Change" and gives a size, and the installed program starts and ends cleanly; then it
# uninstalls silently and checks everything is gone. A 32-bit MSI in a 64-bit prefix goes to
# Program Files (x86), as on 64-bit Windows. Where this machine runs no 32-bit programs, what
# needs one is skipped: the test ends with status 77, CTest's "skipped", and says why.
set -euo pipefail
msi=$1
exe_tests=$2
here=$(dirname "$0")
drive_c=$MORVATEK_WINE_SESSION/prefix/drive_c
folder='Program Files'
software='Software'
arch=$(cat "$MORVATEK_WINE_SESSION/arch" 2>/dev/null || echo win64)
x86=false
if msiinfo suminfo "$msi" | grep -q '^Template: Intel'; then
    x86=true
    if [ "$arch" = win64 ]; then
        folder='Program Files (x86)'
        software='Software\Wow6432Node'
    fi
fi
# Why its program cannot start in this session, where it cannot.
session=$MORVATEK_WINE_SESSION
# shellcheck source=wine_env.sh
source "$here/wine_env.sh"
no_32bit=""
! $x86 || no_32bit=$(why_no_32bit)
program="$drive_c/$folder/Morvatek/Morvatek.exe"
shortcuts() { find "$drive_c" -path '*Start Menu/Programs*' -iname 'Morvatek.lnk'; }
fail() { echo "FAIL: $*"; exit 1; }
row() { msiinfo export "$msi" "$1" | tr -d '\r' | awk -F'\t' -v key="$2" '$1 == key'; }
field() { row "$1" "$2" | cut -f"$3"; }

[ "$(field Shortcut MorvatekShortcut 7)" = "Двоично число в 4-ична, 8-ична и 16-ична бройна система" ] ||
    fail "shortcut description: '$(field Shortcut MorvatekShortcut 7)'"
[ "$(field Property ARPNOMODIFY 2)" = 1 ] || fail "ARPNOMODIFY is not set"
[ "$(field Property ARPSIZE 2)" -gt 100 ] || fail "no estimated size"
[ "$(field CustomAction SetInstallLocation 3-4)" = "$(printf 'ARPINSTALLLOCATION\t[INSTALLDIR]')" ] ||
    fail "ARPINSTALLLOCATION is not set to the install folder"
[ -n "$(row InstallExecuteSequence SetInstallLocation)" ] || fail "the install folder is never set"
[ -z "$(row Property ARPHELPLINK)$(row Property ARPURLINFOABOUT)" ] || fail "help or about links"
# The changelog's top entry names the version; the MSI, its name and the program's file follow it.
version=$(dpkg-parsechangelog -l "$here/../../resources/changelog" -S Version)
[[ "$(basename "$msi")" == Morvatek-"$version"* ]] || fail "the file name does not name $version"
[ "$(field Property ProductVersion 2)" = "$version" ] || fail "ProductVersion is not $version"
[ "$(field File MorvatekExe 5)" = "$version" ] || fail "the File table has no version $version"
echo "ok: the MSI's tables"
if [ -n "$no_32bit" ] && [ "$arch" = win32 ]; then
    echo "skipped: installing in a 32-bit prefix: $no_32bit"
    exit 77
fi

"$here/wine_run.sh" msiexec /i "Z:$msi" /qn || fail "silent install ended with status $?"
[ -f "$program" ] || fail "no $program"
[ -n "$(shortcuts)" ] || fail "no Start-menu shortcut"
echo "ok: installed $program and $(shortcuts)"

uninstall_key="HKLM\\$software\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\$(field Property ProductCode 2)"
entry=$("$here/wine_run.sh" reg query "$uninstall_key" | tr -d '\r') || fail "no uninstall entry"
grep -qF "C:\\$folder\\Morvatek\\" <<<"$(grep InstallLocation <<<"$entry")" ||
    fail "the uninstall entry has no install folder: $entry"
grep -qE 'NoModify\s+REG_DWORD\s+0x1' <<<"$entry" || fail "the uninstall entry offers Change"
echo "ok: the uninstall entry names the install folder and offers no Change"

if [ -z "$no_32bit" ]; then
    MORVATEK_EXE="C:\\$folder\\Morvatek\\Morvatek.exe" \
        "$here/wine_run.sh" "$exe_tests" --gtest_filter='Program.*' >/dev/null ||
        fail "the installed program did not start and end cleanly"
    echo "ok: the installed program starts, shows its window and ends with status 0"
fi

"$here/wine_run.sh" msiexec /x "Z:$msi" /qn || fail "silent uninstall ended with status $?"
[ ! -e "$program" ] || fail "$program is still there"
[ -z "$(shortcuts)" ] || fail "the shortcut is still there"
echo "ok: uninstalled"
if [ -n "$no_32bit" ]; then
    echo "skipped: starting the installed 32-bit program: $no_32bit"
    exit 77
fi
