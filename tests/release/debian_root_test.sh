#!/usr/bin/env bash
# A Debian root of scripts/debian-root.sh, here a small one that holds only `sleep`, never puts
# the machine at risk: while a command runs in it nothing is mounted where the machine sees it;
# removing it, during a run or after one that was killed, leaves the machine's /dev as it was. A
# folder it did not make is neither made a root of nor removed. The test ends only the processes
# it started, found by their ids.
set -uo pipefail
script=$(realpath "$(dirname "$0")/../../scripts/debian-root.sh")
[ "$(id -u)" -eq 0 ] && unshare --mount true 2>/dev/null ||
    { echo "skipped: needs root and a private mount namespace"; exit 77; }
export MORVATEK_ROOTS
MORVATEK_ROOTS=$(mktemp -d)
root=$MORVATEK_ROOTS/small/root
runner="" command=""
trap 'kill -KILL $runner $command 2>/dev/null; rm -rf "$MORVATEK_ROOTS"' EXIT
fail() { echo "FAIL: $*"; exit 1; }

mkdir -p "$root"/{proc,sys,dev,tmp,etc,usr/bin}
echo test >"$MORVATEK_ROOTS/small/made-by-morvatek"
cp /usr/bin/sleep /usr/bin/env "$root/usr/bin/"
ldd /usr/bin/sleep /usr/bin/env | grep -o '/[^ :]*' | sort -u | xargs -I{} cp --parents {} "$root"
install -m 755 /dev/null "$root/usr/bin/apt-get" # what marks a made root
devices=$(ls -l /dev)

# Started in the root, then interrupted: nothing of its stays mounted or running. The command is
# the runner's child once the namespace runs it: unshare forks it and it becomes `sleep`.
"$script" run small sleep 4321 &
runner=$!
for _ in $(seq 200); do
    command=$(ps -o pid=,comm= --ppid "$runner" | awk '$2 == "sleep" { print $1 }')
    [ -z "$command" ] || break
    sleep 0.1
done
[ -n "$command" ] || fail "the command did not start in the root within 20 s"
! findmnt -rn -o TARGET | grep -qF "$root" || fail "the root's mounts are seen by the machine"
{ kill -KILL "$runner" && wait "$runner"; } 2>/dev/null
for _ in $(seq 50); do kill -0 "$command" 2>/dev/null || break; sleep 0.1; done
! kill -0 "$command" 2>/dev/null || fail "the command outlived its interrupted run by 5 s"
"$script" remove small || fail "the root was not removed"
[ "$(ls -l /dev)" = "$devices" ] && [ -c /dev/null ] || fail "removing the root changed /dev"
echo "ok: an interrupted run leaves nothing mounted, and removing its root leaves /dev intact"

# A folder of someone else's where a root would go; mmdebstrap stands in, and would make one.
mkdir -p "$MORVATEK_ROOTS/theirs" "$MORVATEK_ROOTS/bin"
echo "their notes" >"$MORVATEK_ROOTS/theirs/notes"
printf '#!/bin/sh\nmkdir -p "$6/usr/bin" && touch "$6/usr/bin/apt-get"\n' >"$MORVATEK_ROOTS/bin/mmdebstrap"
chmod +x "$MORVATEK_ROOTS/bin/mmdebstrap"
! PATH=$MORVATEK_ROOTS/bin:$PATH "$script" make theirs >/dev/null 2>&1 || fail "a root was made in a folder not made here"
! "$script" remove theirs 2>/dev/null || fail "a folder not made here was removed"
[ "$(ls -A "$MORVATEK_ROOTS/theirs")" = notes ] || fail "a folder not made here was changed"
echo "ok: a folder not made here is neither made a root of nor removed"

# Where no arm64 program starts (here: binfmt_misc unmounted, in a namespace of the test's own),
# an arm64 root is skipped with the reason, and nothing is made.
[ "$(uname -m)" != aarch64 ] || exit 0
said=$(PATH=$MORVATEK_ROOTS/bin:$PATH unshare --mount --propagation private bash -c \
    'umount /proc/sys/fs/binfmt_misc 2>/dev/null; "$1" make trixie-arm64' - "$script" 2>&1)
[ $? -eq 77 ] && [[ $said == "skipped: "*"runs no arm64 programs"* ]] && [ ! -e "$MORVATEK_ROOTS/trixie-arm64/root" ] ||
    fail "an arm64 root was not skipped where no arm64 program starts: $said"
echo "ok: where no arm64 program starts, an arm64 root is skipped with the reason"
