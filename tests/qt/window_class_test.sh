#!/usr/bin/env bash
# Starts the program on a private X server and checks that its window's class is the one the
# desktop entry names, so that a dock matches the window to its launcher.
set -euo pipefail
program=$1
desktop_file=$2
source "$(dirname "$0")/../../scripts/xvfb.sh"
start_xvfb 800x600x24
runtime=$(mktemp -d)
pid=""
trap 'kill $pid "$XVFB_PID" 2>/dev/null || true; rm -rf "$runtime"' EXIT
# The program runs on this X server whatever platform or scale the caller's environment sets.
unset QT_SCALE_FACTOR QT_SCREEN_SCALE_FACTORS QT_AUTO_SCREEN_SCALE_FACTOR WAYLAND_DISPLAY
export XDG_RUNTIME_DIR=$runtime QT_QPA_PLATFORM=xcb

"$program" &
pid=$!
window=$(timeout 20 xdotool search --sync --onlyvisible --pid "$pid" | head -1 || true)
if [ -z "$window" ]; then
    echo "no window of the program on $DISPLAY after 20 s"
    exit 1
fi
class=$(xprop -id "$window" WM_CLASS | sed -n 's/.*= "\(.*\)", "\(.*\)"/\2/p')
expected=$(sed -n 's/^StartupWMClass=//p' "$desktop_file")
echo "window class: $class; desktop entry: $expected"
[ -n "$class" ] && [ "$class" = "$expected" ]
