# Sourced by the Wine scripts, with `session` (the session folder) and `arch` (win64 or win32)
# set: the environment of the tests' private prefix, and `wine`, the loader of the prefix's
# architecture. Debian's wine command starts the 32-bit loader whenever wine32 is installed,
# also for a 64-bit prefix, and on a machine that runs no 32-bit programs every start then fails;
# the loader is named here instead. MORVATEK_WINE_DIR stands in for /usr/lib/wine in tests.
wine_dir=${MORVATEK_WINE_DIR:-/usr/lib/wine}
export WINEPREFIX=$session/prefix WINEARCH=$arch WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
if [ "$arch" = win32 ]; then
    wine=$wine_dir/wine
else
    wine=$wine_dir/wine64
fi
# Wine starts its own helpers through WINELOADER; a 64-bit one derives the 32-bit loader's name.
export WINELOADER=$wine
wineserver=$wine_dir/wineserver

# Exits 77, CTest's "skipped", with the reason, where a 32-bit prefix cannot run here.
skip_unless_32bit_runs() {
    local why
    if [ "$arch" = win32 ] && ! why=$("$(dirname "${BASH_SOURCE[0]}")/../../scripts/runs-32bit.sh"); then
        echo "skipped: needs a 32-bit Wine, and $why"
        exit 77
    fi
}
