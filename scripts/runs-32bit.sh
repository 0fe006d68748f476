#!/usr/bin/env bash
# Asks this machine whether it runs 32-bit x86 programs: writes an i386 program of three
# instructions, byte by byte, and starts it. Many kernels run none (virtual machines without IA32
# emulation, kernels booted with ia32_emulation=0), and there a 32-bit Wine cannot start at all.
# It needs nothing but bash and coreutils, so it answers alike before and after any install.
# Exits 0 when it runs them; otherwise prints why not in one line and exits 1.
# MORVATEK_32BIT=no answers no without asking, as such a machine would.
# usage: scripts/runs-32bit.sh
set -uo pipefail
no() { echo "this machine runs no 32-bit x86 programs: $*"; exit 1; }

[ "${MORVATEK_32BIT:-}" != no ] || no "MORVATEK_32BIT=no"
# An ELF header, one loadable segment at 0x08048000 and the code at its byte 84:
# mov eax, 1; mov ebx, 32; int 0x80 (exit(32) through the 32-bit system call gate), so only a
# 32-bit program that really ran says 32.
elf='\x7fELF\x01\x01\x01\0\0\0\0\0\0\0\0\0'
elf+='\x02\0\x03\0\x01\0\0\0\x54\x80\x04\x08\x34\0\0\0\0\0\0\0\0\0\0\0\x34\0\x20\0\x01\0\0\0\0\0\0\0'
elf+='\x01\0\0\0\0\0\0\0\0\x80\x04\x08\0\x80\x04\x08\x60\0\0\0\x60\0\0\0\x05\0\0\0\0\x10\0\0'
elf+='\xb8\x01\0\0\0\xbb\x20\0\0\0\xcd\x80'
source "$(dirname "$0")/probe-program.sh"
why=$(start_probe "$elf")
status=$?
[ $status -eq 32 ] || no "the kernel refused an i386 program (status $status${why:+: ${why##*: }})"
