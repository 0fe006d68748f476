#!/usr/bin/env bash
# The test command's own bookkeeping, on steps that stand in for the real parts: a step that
# fails (a build that does not compile) counts as a failure and the command ends non-zero; a
# passing one does not.
set -uo pipefail
# shellcheck source=../../scripts/test.sh
unset MORVATEK_SUMMARY # its rows are not the caller's
source "$(dirname "$0")/../../scripts/test.sh"
fail() { echo "FAIL: $*"; exit 1; }

said=$(part "a build that does not compile" false && summarize) && fail "a failing step ended with status 0"
grep -qx '0 passed, 1 failed, 0 skipped' <<<"$said" || fail "a failing step was not counted: $said"
said=$(part "a build" true && summarize) || fail "a passing step ended non-zero: $said"
grep -qx '0 passed, 0 failed, 0 skipped' <<<"$said" || fail "a passing step was miscounted: $said"
echo "ok: a failing step is counted and ends the command non-zero"
