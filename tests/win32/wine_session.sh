#!/usr/bin/env bash
# Starts or stops the Windows tests' private Wine session: an X server of its own (Xvfb), a
# Wine prefix inside the build folder (64-bit, or 32-bit for the 32-bit build, as on an old PC),
# and a wineserver that stays up between the test programs. A prefix made by another Wine
# installation (before wine32 came, say) no longer boots, so it is made anew. Wine finds no
# Times New Roman on Linux, so the prefix maps it to the metric-compatible Liberation Serif; the
# program itself relies on no such mapping.
# Every Wine program starts through the loader of the prefix's architecture (wine_env.sh). Where
# this machine runs no 32-bit programs, a 32-bit session is skipped (exit 77) and starts nothing;
# its programs are then skipped too.
# With MORVATEK_WINE_DESKTOP=off a new prefix has no virtual desktop: each window is an X window
# of its own, which the click benchmark watches and clicks from outside.
# usage: wine_session.sh start|stop SESSION_FOLDER [win64|win32]
set -euo pipefail
action=$1
session=$2
arch=${3:-win64}
# shellcheck source=wine_env.sh
source "$(dirname "$0")/wine_env.sh"

# Wine's helpers outlive the command that starts them and would hold on to the caller's output.
quietly() { "$@" >/dev/null 2>&1 </dev/null; }

stop() {
    "$wineserver" -k 2>/dev/null || true
    if [ -f "$session/xvfb.pid" ]; then
        kill "$(cat "$session/xvfb.pid")" 2>/dev/null || true
        rm -f "$session/xvfb.pid" "$session/display"
    fi
}

# Windows live on one virtual desktop, with frames Wine draws; without a window manager, Wine
# would wait for one at every window it hides.
configure_prefix() {
    quietly "$wine" wineboot --init
    quietly "$wine" reg add 'HKCU\Software\Wine\Fonts\Replacements' /v 'Times New Roman' \
        /d 'Liberation Serif' /f
    if [ "${MORVATEK_WINE_DESKTOP:-on}" != off ]; then
        quietly "$wine" reg add 'HKCU\Software\Wine\Explorer' /v Desktop /d Default /f
        quietly "$wine" reg add 'HKCU\Software\Wine\Explorer\Desktops' /v Default /d 1280x1024 /f
    fi
    "$wineserver" -k 2>/dev/null || true
    "$wineserver" -w 2>/dev/null || true
}

# The Wine installation a prefix was made by.
wine_packages() {
    dpkg-query -W -f='${Package}:${Architecture} ${Version}\n' 'wine*' 'libwine*' 2>/dev/null | sort
}

start() {
    stop
    mkdir -p "$session"
    rm -f "$session/wow64"
    # wine_run.sh runs the programs with the loader of the prefix's architecture.
    echo "$arch" >"$session/arch"
    skip_unless_32bit_runs
    # The server writes its display number once it accepts clients; if it dies first, the pipe
    # closes and the read fails.
    local ready=$session/ready number=""
    rm -f "$ready"
    mkfifo "$ready"
    Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$ready" >/dev/null 2>&1 &
    echo $! >"$session/xvfb.pid"
    read -r -t 30 number <"$ready" || true
    rm -f "$ready"
    [ -n "$number" ] || { echo "Xvfb did not start"; exit 1; }
    echo "$number" >"$session/display"
    export DISPLAY=:$number
    local installed
    installed=$(wine_packages)
    if [ "$(cat "$session/wine-packages" 2>/dev/null)" != "$installed" ]; then
        "$wineserver" -k 2>/dev/null || true
        rm -rf "$WINEPREFIX"
    fi
    if [ ! -f "$WINEPREFIX/system.reg" ]; then
        configure_prefix
        echo "$installed" >"$session/wine-packages"
    fi
    quietly "$wineserver" -p
    quietly "$wine" wineboot
    if [ "$arch" != "$prefix_arch" ]; then
        "$(dirname "$0")/../../scripts/wine-wow64.sh" "$WINEPREFIX" >"$session/wow64" &&
            echo yes >"$session/wow64"
        (skip_unless_32bit_runs) || { status=$?; stop; exit $status; }
    fi
    echo "Wine session on display $DISPLAY, prefix $WINEPREFIX"
}

case $action in
start) start ;;
stop) stop ;;
*) echo "usage: $0 start|stop SESSION_FOLDER [win64|win32]" >&2; exit 2 ;;
esac
