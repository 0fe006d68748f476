#!/usr/bin/env bash
# Runs an arm64 test program under qemu-aarch64, with the C library of Debian's arm64 cross
# toolchain or of the root MORVATEK_ARM64_SYSROOT names. Ends with 77, CTest's "skipped", and
# says why, where no emulator is installed.
# Debian 12 names it qemu-aarch64-static; Debian 13's qemu-aarch64 is static itself.
emulator=$(command -v qemu-aarch64-static || command -v qemu-aarch64) ||
    { echo "skipped: no qemu-aarch64 is installed (scripts/install-deps.sh arm64)"; exit 77; }
exec "$emulator" -L "${MORVATEK_ARM64_SYSROOT:-/usr/aarch64-linux-gnu}" "$@"
