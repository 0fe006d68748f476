#!/usr/bin/env bash
# Installs into a scratch prefix and starts the installed program on the offscreen platform:
# it must find everything it needs and still be running its event loop after two seconds.
set -euo pipefail
build_dir=$1
prefix=$(mktemp -d)
trap 'rm -rf "$prefix"' EXIT

cmake --install "$build_dir" --prefix "$prefix" >/dev/null
program=$prefix/bin/morvatek
if ldd "$program" | grep -q 'not found'; then
    ldd "$program"
    exit 1
fi
status=0
QT_QPA_PLATFORM=offscreen timeout 2 "$program" || status=$?
if [ "$status" -ne 124 ]; then
    echo "FAIL: the installed program ended with status $status instead of running"
    exit 1
fi
echo "ok: $program started and kept running"
