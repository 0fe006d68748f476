#!/usr/bin/env bash
# Asks this machine whether it starts arm64 programs as it starts its own: writes an aarch64
# program of three instructions, byte by byte, and starts it. That takes binfmt_misc with an
# emulator registered for aarch64 that runs inside Debian roots too (the F flag), as
# scripts/arm64-emulation.sh registers it. It needs nothing but bash and coreutils.
# Exits 0 when it runs them; otherwise prints why not in one line and exits 1.
# MORVATEK_ARM64=no answers no without asking, as such a machine would.
# usage: scripts/runs-arm64.sh
set -uo pipefail
no() { echo "this machine runs no arm64 programs: $*"; exit 1; }

[ "${MORVATEK_ARM64:-}" != no ] || no "MORVATEK_ARM64=no"
[ "$(uname -m)" = aarch64 ] || [ -f /proc/sys/fs/binfmt_misc/status ] ||
    no "binfmt_misc is not mounted (scripts/arm64-emulation.sh start mounts it)"
# An ELF header, one loadable segment at 0x400000 and the code at its byte 120:
# mov x0, 64; mov x8, 93; svc 0 (exit(64)), so only an arm64 program that really ran says 64.
elf='\x7fELF\x02\x01\x01\0\0\0\0\0\0\0\0\0\x02\0\xb7\0\x01\0\0\0\x78\0\x40\0\0\0\0\0'
elf+='\x40\0\0\0\0\0\0\0\0\0\0\0\0\0\0\0\0\0\0\0\x40\0\x38\0\x01\0\0\0\0\0\0\0'
elf+='\x01\0\0\0\x05\0\0\0\0\0\0\0\0\0\0\0\0\0\x40\0\0\0\0\0\0\0\x40\0\0\0\0\0'
elf+='\x84\0\0\0\0\0\0\0\x84\0\0\0\0\0\0\0\0\x10\0\0\0\0\0\0'
elf+='\x00\x08\x80\xd2\xa8\x0b\x80\xd2\x01\0\0\xd4'
source "$(dirname "$0")/probe-program.sh"
why=$(start_probe "$elf")
status=$?
[ $status -eq 64 ] || no "the kernel refused an arm64 program (status $status${why:+: ${why##*: }})"
