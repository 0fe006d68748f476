#!/usr/bin/env bash
# The test command's own bookkeeping, on steps that stand in for the real parts: a step that
# fails (a build that does not compile) counts as a failure and the command ends non-zero; a
# passing one does not. The other Debian's leg with stand-ins for its scripts, in a tree of the
# test's own: a root that cannot be made is a skipped row with its reason; the failures of a red
# run in the root are counted here, and so is a package whose program ends at once; the leg
# installs its own Debian's package. Set-up on a mirror midway through a sync, with a stand-in
# apt-get: it pauses and updates again, and stops with apt's message when every update fails.
set -uo pipefail
top=$(cd "$(dirname "$0")/../.." && pwd)
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
cp "$top/scripts/tree-files.sh" "$work/tree/scripts/"
stand_in() { printf '#!/usr/bin/env bash\n%s\n' "$2" >"$1" && chmod +x "$1"; }
# The other Debian, whichever this machine runs.
other=$( ((own == 12)) && echo 13 || echo 12)
other_release=$( ((other == 12)) && echo bookworm || echo trixie)
stand_in "$work/tree/scripts/install-deps.sh" 'exit 0'
stand_in "$work/tree/scripts/build-debian-package.sh" 'mkdir -p "$2" && echo "$1" >"$2/morvatek_1~$1_amd64.deb"'
stand_in "$work/tree/scripts/debian-root.sh" "case \$1 in
make) [ -z \"\${NO_ROOT:-}\" ] || { echo 'skipped: no Debian $other_release root here, a stand-in'; exit 77; }
      echo '$work/root' ;;
run) [[ \$* != *test.sh* ]] || { echo 'Debian $other: Linux|10|2|0|5' >'$work/root/root/summary'; exit 1; }
     shift 2 && PATH='$work/bin':\$PATH \"\$@\" ;;
esac"
stand_in "$work/bin/apt-get" 'exit 0'
stand_in "$work/bin/morvatek" 'exit 0' # a program that ends at once
cd "$work/tree" || exit 1
# The release check kept both Debians' packages of this very commit.
printf '/build-debian/\n' >.gitignore
git add -A && git -c user.name=test -c user.email=test@example.org commit -qm tree
for release in bookworm trixie; do
    scripts/build-debian-package.sh "$release" "build-debian/$release" && git rev-parse HEAD >"build-debian/$release/commit"
done
said=$(NO_ROOT=yes other_debian "$other" && summarize) || fail "a Debian without a root failed the run: $said"
grep -qx '0 passed, 0 failed, 1 skipped' <<<"$said" && grep -q "^skipped in Debian $other: no Debian $other_release root here" <<<"$said" ||
    fail "a Debian without a root was not skipped with its reason: $said"
said=$(other_debian "$other" && summarize) && fail "a red Debian $other ended with status 0: $said"
grep -qx '10 passed, 3 failed, 0 skipped' <<<"$said" ||
    fail "the root's failures or a program that ends at once went uncounted: $said"
[ "$(cat "$work/root/root/morvatek.deb")" = "$other_release" ] ||
    fail "the Debian $other leg installed the package built for $(cat "$work/root/root/morvatek.deb"), not its own"
echo "ok: the other Debian's leg: a root that cannot be made is skipped, every failure in it counted, its own package installed"

# update fails unless asked to fail on any index (as a mirror mid-sync serves), and fails the
# first APT_FAILS times in any case.
stand_in "$work/bin/apt-get" 'echo "$1" >>"$APT_LOG"
[ "$1" != update ] || { [[ " $* " == *" --error-on=any "* ]] && [ "$(grep -c update "$APT_LOG")" -gt "$APT_FAILS" ]; } ||
    { echo "E: Failed to fetch a stand-in index: File has unexpected size. Mirror sync in progress?"; exit 100; }'
stand_in "$work/bin/sudo" 'exec "$@"'
set_up() { : >"$work/apt.log" && PATH=$work/bin:$PATH APT_LOG=$work/apt.log APT_FAILS=$1 MORVATEK_APT_PAUSE=0 \
    "$top/scripts/install-deps.sh" morvatek-stand-in-package 2>&1; }
said=$(set_up 1) || fail "set-up stopped on a mirror whose second update succeeds: $said"
[ "$(paste -sd ' ' "$work/apt.log")" = "update update install" ] && grep -q 'update again in' <<<"$said" ||
    fail "set-up did not pause and update again before installing ($(paste -sd ' ' "$work/apt.log")): $said"
said=$(set_up 99) && fail "set-up went on though every update failed: $said"
grep -q '^E: Failed to fetch a stand-in index' <<<"$said" && ! grep -q install "$work/apt.log" ||
    fail "set-up did not stop with apt's message when every update failed: $said"
echo "ok: set-up on a mirror midway through a sync updates again after a pause, and stops with apt's message"
