#!/usr/bin/env bash
# Starts the real program on a virtual X screen, does one conversion with real mouse clicks
# (base 8, the digits 1 0 1 1, "Изчисли") and saves the window as docs/screenshot.png.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh linux imagemagick x11-apps
cmake --preset linux >/dev/null
cmake --build --preset linux --target morvatek

source scripts/xvfb.sh
start_xvfb 800x600x24
program=""
trap 'kill $program "$XVFB_PID" 2>/dev/null || true' EXIT
export QT_QPA_PLATFORM=xcb

build/src/qt/morvatek &
program=$!
window=$(xdotool search --sync --onlyvisible --name 'Бройна система')
xdotool windowmove --sync "$window" 0 0
sleep 0.5

# Places inside the client area, in pixels: "8-ична", the items "0" and "1", "Изчисли".
click() { xdotool mousemove --window "$window" "$1" "$2" click 1; sleep 0.15; }
click 70 100
for digit in 1 0 1 1; do
    click 200 $((89 + 18 * digit))
done
click 380 52
sleep 0.3

mkdir -p docs
import -window "$window" -frame docs/screenshot.png
echo "saved docs/screenshot.png"
