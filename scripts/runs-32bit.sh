#!/usr/bin/env bash
# Asks this machine whether it runs 32-bit x86 programs: assembles a program of three
# instructions for i386 and starts it. Many kernels run none (virtual machines without IA32
# emulation, kernels booted with ia32_emulation=0), and there a 32-bit Wine cannot start at all.
# Exits 0 when it runs them; otherwise prints why not in one line and exits 1.
# MORVATEK_32BIT=no answers no without asking, as such a machine would.
# usage: scripts/runs-32bit.sh
set -uo pipefail
no() { echo "this machine runs no 32-bit x86 programs: $*"; exit 1; }

[ "${MORVATEK_32BIT:-}" != no ] || no "MORVATEK_32BIT=no"
command -v as >/dev/null && command -v ld >/dev/null || no "cannot tell, binutils (as, ld) are missing"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
# exit(32) through the 32-bit system call gate: only a 32-bit program that really ran says 32.
printf '.globl _start\n_start:\n movl $1, %%eax\n movl $32, %%ebx\n int $0x80\n' >"$work/probe.s"
as --32 -o "$work/probe.o" "$work/probe.s" 2>/dev/null &&
    ld -m elf_i386 -o "$work/probe" "$work/probe.o" 2>/dev/null ||
    no "binutils cannot make an i386 program here"
why=$("$work/probe" 2>&1)
status=$?
[ $status -eq 32 ] || no "the kernel refused an i386 program (status $status${why:+: ${why##*: }})"
