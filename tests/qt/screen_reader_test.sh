#!/usr/bin/env bash
# What a blind pupil hears on Linux, from Orca itself: the window on an X server of its own,
# with a private session bus and accessibility bus, Orca started first and told to write what
# it says to a log. The pupil chooses 8-ична, clicks 1, 0, 1, 1 and presses "Изчисли"; Orca
# must say each sentence in turn, wherever the focus is, and the result again after a second
# "Изчисли". Each click waits until Orca has said the sentence before. Orca 43 speaks the role
# of the object Qt 6.4 shows ("notification Резултат: 13"), Orca 48 Qt 6.8's announcement
# without it: the sentence is what counts. A failure ends the test at once, Orca with it.
# usage: env -u DISPLAY -u AT_SPI_BUS_ADDRESS -u WAYLAND_DISPLAY dbus-run-session -- \
#            screen_reader_test.sh PROGRAM
#        (a session bus of the test's own, which hands nothing of the caller's display on)
set -euo pipefail
program=$(realpath "$1")
work=$(mktemp -d)
fail() { echo "FAIL: $*"; tail -n 20 "$work/said" 2>/dev/null; exit 1; }
source "$(dirname "$0")/../../scripts/xvfb.sh"
start_xvfb || fail "Xvfb did not start"
orca=""
morvatek=""
cleanup() {
    # Orca first, and to its end, for three seconds at most: it writes its last words as it
    # stops, unless it hangs.
    if [ -n "$orca" ]; then
        kill -TERM "$orca" 2>/dev/null
        for _ in $(seq 30); do kill -0 "$orca" 2>/dev/null && sleep 0.1; done
        kill -KILL "$orca" 2>/dev/null || true
    fi
    [ -z "$morvatek" ] || kill "$morvatek" 2>/dev/null || true
    kill "$XVFB_PID" 2>/dev/null || true
    rm -rf "$work"
}
trap cleanup EXIT
# X alone, and the accessibility bus of this session, whatever the caller runs.
unset WAYLAND_DISPLAY AT_SPI_BUS_ADDRESS
export HOME=$work XDG_RUNTIME_DIR=$work/runtime XDG_CONFIG_HOME=$work/config GDK_BACKEND=x11
mkdir -m 700 "$XDG_RUNTIME_DIR"
export LANG=C.UTF-8 LC_ALL=C.UTF-8 QT_QPA_PLATFORM=xcb QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1
# The clicks land at the design's places only in a window drawn at its designed size.
unset QT_SCALE_FACTOR QT_SCREEN_SCALE_FACTORS QT_AUTO_SCREEN_SCALE_FACTOR QT_ENABLE_HIGHDPI_SCALING \
    QT_FONT_DPI QT_SCALE_FACTOR_ROUNDING_POLICY QT_USE_PHYSICAL_DPI

# Orca's log, opened line by line so that each utterance can be waited for; Orca runs under the
# Python its own first line names.
orca_python=$(sed -n '1s/^#! *//p' "$(command -v orca)")
$orca_python - "$work/said" "$work/settings" >/dev/null 2>&1 <<'EOF' &
import builtins, runpy, shutil, sys
log, settings = sys.argv[1], sys.argv[2]
plain_open = builtins.open
def line_by_line(file, mode="r", buffering=-1, *rest, **named):
    return plain_open(file, mode, 1 if file == log else buffering, *rest, **named)
builtins.open = line_by_line
sys.argv = ["orca", "--replace", "--user-prefs", settings, "--debug-file", log]
runpy.run_path(shutil.which("orca"), run_name="__main__")
EOF
orca=$!

# said N SENTENCE [SECONDS]: waits until Orca has said SENTENCE N times in all; Orca says each
# within a second, and 6 seconds fail fast.
said() {
    for _ in $(seq $((${3:-6} * 10))); do
        local times
        times=$(grep -F "SPEECH OUTPUT: '" "$work/said" 2>/dev/null | grep -cF -- "$2" || true)
        # Orca 48 drops an event of a kind it handled from the same program less than 0.1 s
        # before: the next action comes a moment later, as a pupil's would.
        [ "${times:-0}" -ge "$1" ] && { sleep 0.3; return 0; }
        kill -0 "$orca" 2>/dev/null || fail "Orca ended"
        sleep 0.1
    done
    fail "Orca did not say: $2"
}
said 1 "Screen reader on." 20

"$program" >/dev/null 2>&1 &
morvatek=$!
window=$(timeout 20 xdotool search --sync --class Morvatek | head -n 1) || fail "no window"
# Places in the window, in pixels: the design's twips at 96 DPI, 15 to the pixel.
click() { xdotool mousemove --window "$window" "$1" "$2" click 1; }
digit() { click 200 $(("$1" == 1 ? 110 : 90)); }

click 84 100
said 1 "Избрана бройна система: 8-ична."
entered=0
for d in 1 0 1 1; do
    digit "$d"
    entered=$((entered + 1))
    said 1 "Цифра $d, въведени $entered."
done
click 384 52
said 1 "Резултат: 13"
click 384 52
said 2 "Резултат: 13"
echo "ok: Orca says the base, each digit and the result, the same one again too"
