#!/usr/bin/env bash
# Starts the program on a private X server and checks that its window's class is the one the
# desktop entry names, so that a dock matches the window to its launcher.
set -euo pipefail
program=$1
desktop_file=$2
display=:$((100 + RANDOM % 400))
Xvfb "$display" -screen 0 800x600x24 -nolisten tcp >/dev/null 2>&1 &
xvfb=$!
pid=""
trap 'kill $pid $xvfb 2>/dev/null || true; rm -rf "$runtime"' EXIT
runtime=$(mktemp -d)
export DISPLAY=$display XDG_RUNTIME_DIR=$runtime
for _ in $(seq 100); do xdpyinfo >/dev/null 2>&1 && break; sleep 0.05; done

"$program" &
pid=$!
window=$(timeout 20 xdotool search --sync --onlyvisible --pid "$pid" | head -1)
class=$(xprop -id "$window" WM_CLASS | sed -n 's/.*= "\(.*\)", "\(.*\)"/\2/p')
expected=$(sed -n 's/^StartupWMClass=//p' "$desktop_file")
echo "window class: $class; desktop entry: $expected"
[ -n "$class" ] && [ "$class" = "$expected" ]
