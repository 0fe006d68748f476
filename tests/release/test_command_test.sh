#!/usr/bin/env bash
# The test command's own bookkeeping, on steps that stand in for the real parts: a step that
# fails (a build that does not compile) counts as a failure and the command ends non-zero; a
# passing one does not. The other Debian's leg with stand-ins for its scripts, in a tree of the
# test's own: a root that cannot be made is a skipped row with its reason; the failures of a red
# run in the root are counted here, and so is a package whose program ends at once.
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

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
mkdir -p "$work/tree/scripts" "$work/bin" "$work/root/root"
git init -q "$work/tree"
cp "$(dirname "$0")/../../scripts/tree-files.sh" "$work/tree/scripts/"
stand_in() { printf '#!/usr/bin/env bash\n%s\n' "$2" >"$1" && chmod +x "$1"; }
stand_in "$work/tree/scripts/install-deps.sh" 'exit 0'
stand_in "$work/tree/scripts/build-debian-package.sh" 'mkdir -p "$2" && touch "$2/morvatek_1_amd64.deb"'
stand_in "$work/tree/scripts/debian-root.sh" "case \$1 in
make) [ -z \"\${NO_ROOT:-}\" ] || { echo 'skipped: no Debian trixie root here, a stand-in'; exit 77; }
      echo '$work/root' ;;
run) [[ \$* != *test.sh* ]] || { echo 'Debian 13: Linux|10|2|0|5' >'$work/root/root/summary'; exit 1; }
     shift 2 && PATH='$work/bin':\$PATH \"\$@\" ;;
esac"
stand_in "$work/bin/apt-get" 'exit 0'
stand_in "$work/bin/morvatek" 'exit 0' # a program that ends at once
cd "$work/tree" || exit 1
said=$(NO_ROOT=yes other_debian 13 && summarize) || fail "a Debian without a root failed the run: $said"
grep -qx '0 passed, 0 failed, 1 skipped' <<<"$said" && grep -q '^skipped in Debian 13: no Debian trixie root here' <<<"$said" ||
    fail "a Debian without a root was not skipped with its reason: $said"
said=$(other_debian 13 && summarize) && fail "a red Debian 13 ended with status 0: $said"
grep -qx '10 passed, 3 failed, 0 skipped' <<<"$said" ||
    fail "the root's failures or a program that ends at once went uncounted: $said"
echo "ok: the other Debian's leg: a root that cannot be made is skipped, every failure in it counted"
