#!/usr/bin/env bash
# Lets this machine start arm64 programs, for the checks of the arm64 packages in emulated
# Debian roots, and afterwards leaves binfmt_misc as it found it. `start` changes nothing where
# arm64 programs start already (scripts/runs-arm64.sh); otherwise it mounts binfmt_misc where it
# is not mounted and registers Debian's static qemu-aarch64 as `morvatek-aarch64`, with the F
# flag, so that the emulator is opened once, now, and also runs inside the roots. It notes what
# it did (MORVATEK_ARM64_NOTE stands in for its file), and `stop` undoes exactly that.
# Prints why not in one line and exits 1 where it cannot.
# usage: scripts/arm64-emulation.sh start|stop
set -uo pipefail
here=$(dirname "$0")
control=/proc/sys/fs/binfmt_misc
name=morvatek-aarch64
note=${MORVATEK_ARM64_NOTE:-/run/morvatek/arm64-emulation}
# An aarch64 ELF program's header, and which of its bits count.
magic='\x7fELF\x02\x01\x01\x00\x00\x00\x00\x00\x00\x00\x00\x00\x02\x00\xb7\x00'
mask='\xff\xff\xff\xff\xff\xff\xff\x00\xff\xff\xff\xff\xff\xff\xff\xff\xfe\xff\xff\xff'
no() { echo "this machine runs no arm64 programs: $*"; exit 1; }

start() {
    "$here/runs-arm64.sh" >/dev/null && return 0
    [ "$(id -u)" -eq 0 ] || no "registering an emulator for them needs root"
    local emulator why
    # Debian 12 names it qemu-aarch64-static; Debian 13's qemu-aarch64 is static itself.
    emulator=$(command -v qemu-aarch64-static || command -v qemu-aarch64) || no "no qemu-aarch64 is installed"
    mkdir -p "${note%/*}" && : >"$note"
    if [ ! -f "$control/status" ]; then
        mount -t binfmt_misc binfmt_misc "$control" 2>/dev/null || no "binfmt_misc cannot be mounted here"
        echo mounted >>"$note"
    fi
    if [ ! -e "$control/$name" ]; then
        printf ':%s:M::%s:%s:%s:F' "$name" "$magic" "$mask" "$emulator" >"$control/register" 2>/dev/null ||
            { stop; no "binfmt_misc takes no registration here"; }
        echo registered >>"$note"
    fi
    why=$("$here/runs-arm64.sh") || { stop; no "${why#*: }, with qemu-aarch64-static registered"; }
}

stop() {
    [ -f "$note" ] || return 0
    ! grep -qx registered "$note" || echo -1 >"$control/$name"
    ! grep -qx mounted "$note" || umount "$control"
    rm -f "$note"
}

case ${1:-} in
start | stop) "$1" ;;
*) echo "usage: $0 start|stop" >&2 && exit 2 ;;
esac
