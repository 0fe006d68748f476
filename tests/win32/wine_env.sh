# Sourced by the Wine scripts, with `session` (the session folder) and `arch` (win64 or win32)
# set: the environment of the tests' private prefix, and `wine`, the loader of the prefix's
# architecture. Debian's wine command starts the 32-bit loader whenever wine32 is installed,
# also for a 64-bit prefix, and on a machine that runs no 32-bit programs every start then fails;
# the loader is named here instead. MORVATEK_WINE_DIR stands in for /usr/lib/wine in tests.
# Without a 32-bit loader, 32-bit programs run in a 64-bit prefix where the 64-bit Wine starts
# them itself (WoW64); the session asks it once (wine_session.sh) and notes the answer.
wine_dir=${MORVATEK_WINE_DIR:-/usr/lib/wine}
prefix_arch=$arch
if [ "$arch" = win32 ] && [ -x "$wine_dir/wine" ]; then
    wine=$wine_dir/wine
else
    prefix_arch=win64 wine=$wine_dir/wine64
fi
export WINEPREFIX=$session/prefix WINEARCH=$prefix_arch WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
# Wine starts its own helpers through WINELOADER; a 64-bit one derives the 32-bit loader's name.
export WINELOADER=$wine
wineserver=$wine_dir/wineserver

# Why no 32-bit program starts in this session, in one line; nothing where one does. The 32-bit
# loader needs a machine that runs 32-bit programs; without it the 64-bit Wine must start them
# itself (WoW64), as the session asked it (a 64-bit session asks once its prefix is made).
why_no_32bit() {
    local why scripts none="none is installed"
    scripts=$(dirname "${BASH_SOURCE[0]}")/../../scripts
    if [ -x "$wine_dir/wine" ] || [ "${MORVATEK_32BIT:-}" = no ]; then
        why=$("$scripts/runs-32bit.sh") || echo "needs a 32-bit Wine, and $why"
        return 0
    fi
    if [ "$arch" = win64 ] && [ ! -f "$session/wow64" ] && [ -f "$WINEPREFIX/system.reg" ]; then
        DISPLAY=:$(cat "$session/display" 2>/dev/null) "$scripts/wine-wow64.sh" "$WINEPREFIX" >"$session/wow64" &&
            echo yes >"$session/wow64"
    fi
    [ -f "$session/wow64" ] && [ "$(cat "$session/wow64")" != yes ] || return 0
    # apt's reason, where install-deps.sh could not install it.
    local missing=${MORVATEK_WINE32_MISSING:-${XDG_CACHE_HOME:-$HOME/.cache}/morvatek/wine32-missing}
    [ ! -s "$missing" ] || none="apt could not install wine32:i386 ($(cat "$missing"))"
    echo "needs a 32-bit Wine: $none, and $(cat "$session/wow64")"
}

# Exits 77, CTest's "skipped", with the reason, where a 32-bit session's programs cannot run.
skip_unless_32bit_runs() {
    local why
    [ "$arch" = win32 ] && why=$(why_no_32bit) && [ -n "$why" ] || return 0
    echo "skipped: $why"
    exit 77
}
