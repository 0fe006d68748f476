#!/usr/bin/env bash
# Start-up in environments where the window cannot be shown, and in ones where it can though
# there is no X display: one Bulgarian line that names the platform and the reason, status 1,
# no crash; and no command-line argument, not even Qt's own, changes anything.
set -u
program=$1
fail() { echo "FAIL: $*"; exit 1; }
out=$(mktemp) err=$(mktemp) runtime=$(mktemp -d)
trap 'rm -rf "$out" "$err" "$runtime"' EXIT

run() {
    env -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM -u XDG_SESSION_TYPE -u DISPLAY \
        XDG_RUNTIME_DIR="$runtime" "$@" >"$out" 2>"$err"
}

# refuses WHAT EXPECTED-TEXT... ENV...: exit 1 and one line holding every expected text.
refuses() {
    local what=$1 expected=$2; shift 2
    local status
    run "$@" "$program"
    status=$?
    [ "$status" -eq 1 ] || fail "$what: exit status $status, expected 1"
    [ ! -s "$out" ] || fail "$what: printed on standard output: $(cat "$out")"
    [ "$(wc -l <"$err")" -eq 1 ] || fail "$what: expected one line, got: $(cat "$err")"
    local text
    IFS='|' read -ra texts <<<"$expected"
    for text in "${texts[@]}"; do
        grep -qF -- "$text" "$err" || fail "$what: no \"$text\" in: $(cat "$err")"
    done
    echo "ok: $what: $(cat "$err")"
}

# starts WHAT ENV... -- ARGS...: still running after two seconds.
starts() {
    local what=$1; shift
    local envs=() status
    while [ "$1" != "--" ]; do envs+=("$1"); shift; done
    shift
    run "${envs[@]}" timeout 2 "$program" "$@"
    status=$?
    [ "$status" -eq 124 ] || fail "$what: ended with status $status: $(cat "$err")"
    echo "ok: $what: still running after 2 s"
}

# A display number no X server on this machine has.
absent=97
while [ -e "/tmp/.X11-unix/X$absent" ] || [ -e "/tmp/.X$absent-lock" ]; do
    absent=$((absent + 1))
done

refuses "no display at all" "DISPLAY|xvfb-run"
refuses "unreachable X display" "„xcb“|could not connect to display :$absent" DISPLAY=:$absent
refuses "unknown platform" "„bogus“|Could not find the Qt platform plugin \"bogus\"" \
    QT_QPA_PLATFORM=bogus DISPLAY=:$absent
refuses "Wayland without a compositor" "„wayland“|Could not" \
    QT_QPA_PLATFORM=wayland WAYLAND_DISPLAY=morvatek-no-such-compositor
grep -qF ":$absent" "$err" && fail "the Wayland failure blames the X display"

starts "offscreen without DISPLAY" QT_QPA_PLATFORM=offscreen --
starts "VNC without DISPLAY" "QT_QPA_PLATFORM=vnc:port=$((20000 + RANDOM % 20000))" --
starts "Qt's -platform option is ignored" QT_QPA_PLATFORM=offscreen -- -platform bogus
exit 0
