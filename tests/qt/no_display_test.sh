#!/usr/bin/env bash
# Without any display the program must say so in one line and exit with status 1, not crash.
set -u
program=$1
fail() { echo "FAIL: $*"; exit 1; }

check() {
    local what=$1; shift
    local out err status
    out=$(mktemp) err=$(mktemp)
    env -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM "$@" "$program" >"$out" 2>"$err"
    status=$?
    [ "$status" -eq 1 ] || fail "$what: exit status $status, expected 1"
    [ ! -s "$out" ] || fail "$what: printed on standard output: $(cat "$out")"
    [ "$(wc -l <"$err")" -eq 1 ] || fail "$what: expected one line, got: $(cat "$err")"
    grep -q 'xvfb-run' "$err" || fail "$what: the line does not say how to run without a screen"
    echo "ok: $what: $(cat "$err")"
    rm -f "$out" "$err"
}

check "no DISPLAY" -u DISPLAY
check "unreachable DISPLAY" DISPLAY=:97
