#!/usr/bin/env bash
# The Wine sessions on machines that run 32-bit programs and on those that do not:
#  - the probe's answer agrees with the 32-bit loader's, where wine32 is installed; told "no",
#    a 32-bit session and its programs are skipped with the reason, and start nothing;
#  - where wine32 is installed but cannot start, Debian's wine command and the 32-bit loader
#    fail as the kernel makes them fail ("Exec format error"): a 64-bit session must start,
#    configure its prefix and run programs all the same;
#  - started again as if another Wine had made its prefix, the prefix is made anew;
#  - the probe answers no where its program could not run at all (from a noexec folder), and
#    the WoW64 question no where a stand-in 64-bit Wine starts nothing.
# usage: wine_sessions_test.sh BUILD_FOLDER
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
work=$(mktemp -d "$1/wine-sessions-test.XXXXXX")
session=$work/session
trap '"$here/wine_session.sh" stop "$session" >/dev/null 2>&1 || true; rm -rf "$work"' EXIT
fail() { echo "FAIL: $*"; exit 1; }
probe=$here/../../scripts/runs-32bit.sh

if [ -x /usr/lib/wine/wine ]; then
    loader_runs=yes
    /usr/lib/wine/wine --version >/dev/null 2>&1 || loader_runs=no
    probe_says=yes
    MORVATEK_32BIT="" "$probe" >/dev/null || probe_says=no # the machine's own answer
    [ "$probe_says" = "$loader_runs" ] || fail "the probe says $probe_says, the 32-bit loader runs: $loader_runs"
    echo "ok: the probe says $probe_says, as the 32-bit loader does"
fi
if [ "$(id -u)" -eq 0 ] && unshare --mount true 2>/dev/null; then
    mkdir "$work/noexec"
    ! unshare --mount bash -c 'mount -t tmpfs -o noexec none "$1" && TMPDIR=$1 MORVATEK_32BIT="" "$2"' \
        noexec "$work/noexec" "$probe" >/dev/null || fail "the probe said yes where its program could not run"
    echo "ok: the probe says no where its program could not run"
fi
mkdir "$work/starts-nothing"
printf '#!/bin/sh\nexit 53\n' >"$work/starts-nothing/wine64" && chmod +x "$work/starts-nothing/wine64"
said=$(MORVATEK_WINE_DIR=$work/starts-nothing "$here/../../scripts/wine-wow64.sh" "$work") &&
    fail "a 64-bit Wine that starts nothing was said to start 32-bit programs"
[[ $said == *"(status 53)" ]] || fail "a 64-bit Wine that starts nothing: $said"
echo "ok: a 64-bit Wine that starts nothing is said to start no 32-bit programs"
no_line="skipped: needs a 32-bit Wine, and this machine runs no 32-bit x86 programs: MORVATEK_32BIT=no"
status=0
said=$(MORVATEK_32BIT=no "$here/wine_session.sh" start "$work/session-32" win32) || status=$?
[ $status -eq 77 ] && [ "$said" = "$no_line" ] || fail "a 32-bit session said '$said', status $status"
[ ! -e "$work/session-32/prefix" ] && [ ! -e "$work/session-32/xvfb.pid" ] || fail "a skipped session started"
status=0
said=$(MORVATEK_32BIT=no MORVATEK_WINE_SESSION=$work/session-32 "$here/wine_run.sh" hostname) || status=$?
[ $status -eq 77 ] && [ "$said" = "$no_line" ] || fail "a 32-bit program said '$said', status $status"
echo "ok: told no, a 32-bit session and its programs are skipped with the reason"

# The stand-ins: the 32-bit loader and the wine commands on PATH cannot execute.
mkdir -p "$work/lib-wine" "$work/bin"
cannot_execute='#!/bin/sh
echo "$0: cannot execute binary file: Exec format error" >&2
exit 126'
for stand_in in lib-wine/wine bin/wine bin/wine-stable bin/wineboot bin/wine64; do
    printf '%s\n' "$cannot_execute" >"$work/$stand_in"
    chmod +x "$work/$stand_in"
done
ln -s /usr/lib/wine/wine64 "$work/lib-wine/wine64"
ln -s /usr/lib/wine/wineserver "$work/lib-wine/wineserver"
export MORVATEK_WINE_DIR=$work/lib-wine PATH=$work/bin:$PATH MORVATEK_WINE_SESSION=$session

font_replacement() {
    "$here/wine_run.sh" reg query 'HKCU\Software\Wine\Fonts\Replacements' /v 'Times New Roman' |
        tr -d '\r' | grep -q 'Liberation Serif'
}

"$here/wine_session.sh" start "$session" win64 || fail "the 64-bit session did not start"
font_replacement || fail "the new prefix was not configured"
echo "ok: a 64-bit session starts and runs programs when the 32-bit loader cannot"

echo "another Wine" >"$session/wine-packages"
touch "$session/prefix/drive_c/made-by-another-wine"
"$here/wine_session.sh" start "$session" win64 || fail "the session did not start again"
[ ! -e "$session/prefix/drive_c/made-by-another-wine" ] || fail "the other Wine's prefix was kept"
font_replacement || fail "the prefix made anew was not configured"
echo "ok: a prefix made by another Wine is made anew"
