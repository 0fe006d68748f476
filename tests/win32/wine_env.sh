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

# Exits 77, CTest's "skipped", with the reason, where a 32-bit program cannot run here: the
# 32-bit loader needs a machine that runs 32-bit programs, WoW64 the session's answer.
skip_unless_32bit_runs() {
    local why
    [ "$arch" = win32 ] || return 0
    if [ "$prefix_arch" = win32 ] || [ "${MORVATEK_32BIT:-}" = no ]; then
        if ! why=$("$(dirname "${BASH_SOURCE[0]}")/../../scripts/runs-32bit.sh"); then
            echo "skipped: needs a 32-bit Wine, and $why"
            exit 77
        fi
    elif [ -f "$session/wow64" ] && [ "$(cat "$session/wow64")" != yes ]; then
        # apt's reason, where install-deps.sh could not install it.
        local none="none is installed"
        local missing=${MORVATEK_WINE32_MISSING:-${XDG_CACHE_HOME:-$HOME/.cache}/morvatek/wine32-missing}
        [ ! -s "$missing" ] || none="apt could not install wine32:i386 ($(cat "$missing"))"
        echo "skipped: needs a 32-bit Wine: $none, and $(cat "$session/wow64")"
        exit 77
    fi
}
