#!/usr/bin/env bash
# Runs a Windows program in the tests' Wine session (wine_session.sh) and exits with its status,
# with the loader of the prefix's architecture (wine_env.sh). A 32-bit program on a machine that
# runs no 32-bit programs is skipped: exit 77, CTest's "skipped", with the reason.
# Wine may leave helper processes running after the program (services, the desktop); they
# inherit the program's output, so it goes to a file first and never to the caller's pipes,
# which would otherwise stay open after the program has ended.
set -uo pipefail
session=${MORVATEK_WINE_SESSION:?"start the Wine session first (tests/win32/wine_session.sh)"}
arch=$(cat "$session/arch" 2>/dev/null || echo win64)
# shellcheck source=wine_env.sh
source "$(dirname "$0")/wine_env.sh"
skip_unless_32bit_runs
export DISPLAY=:$(tr -d '\n' <"$session/display")
output=$(mktemp)
"$wine" "$@" >"$output" 2>&1 </dev/null
status=$?
cat "$output"
rm -f "$output"
exit $status
