#!/usr/bin/env bash
# A Debian root of scripts/debian-root.sh, here a small one that holds only `sleep`, never puts
# the machine at risk: while a command runs in it nothing is mounted where the machine sees it;
# removing it, during a run or after one that was killed, leaves the machine's /dev as it was.
set -uo pipefail
script=$(realpath "$(dirname "$0")/../../scripts/debian-root.sh")
[ "$(id -u)" -eq 0 ] && unshare --mount true 2>/dev/null ||
    { echo "skipped: needs root and a private mount namespace"; exit 77; }
export MORVATEK_ROOTS
MORVATEK_ROOTS=$(mktemp -d)
root=$MORVATEK_ROOTS/small/root
trap 'pkill -KILL -f "sleep 4321" 2>/dev/null; rm -rf "$MORVATEK_ROOTS"' EXIT
fail() { echo "FAIL: $*"; exit 1; }

mkdir -p "$root"/{proc,sys,dev,tmp,etc,usr/bin}
echo test >"$MORVATEK_ROOTS/small/made-by-morvatek"
cp /usr/bin/sleep /usr/bin/env "$root/usr/bin/"
ldd /usr/bin/sleep /usr/bin/env | grep -o '/[^ :]*' | sort -u | xargs -I{} cp --parents {} "$root"
install -m 755 /dev/null "$root/usr/bin/apt-get" # what marks a made root
devices=$(ls -l /dev)

# Started in the root, then interrupted: nothing of its stays mounted or running.
started() {
    "$script" run small sleep 4321 &
    runner=$!
    for _ in $(seq 50); do pgrep -f "sleep 4321" >/dev/null && return 0; sleep 0.1; done
    fail "the command did not start in the root"
}
started
! findmnt -rn -o TARGET | grep -qF "$root" || fail "the root's mounts are seen by the machine"
kill -KILL "$runner"
wait "$runner" 2>/dev/null
for _ in $(seq 50); do pgrep -f "sleep 4321" >/dev/null || break; sleep 0.1; done
! pgrep -f "sleep 4321" >/dev/null || fail "the command outlived its interrupted run"
"$script" remove small || fail "the root was not removed"
[ "$(ls -l /dev)" = "$devices" ] && [ -c /dev/null ] || fail "removing the root changed /dev"
echo "ok: an interrupted run leaves nothing mounted, and removing its root leaves /dev intact"
