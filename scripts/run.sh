#!/usr/bin/env bash
# Builds Morvatek and opens its window (under Xvfb when there is no display, for a quick look).
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
cmake -S . -B build -G Ninja >/dev/null
cmake --build build --target morvatek
if [ -z "${DISPLAY:-}${WAYLAND_DISPLAY:-}" ]; then
    echo "No display here: the window opens on a virtual screen (xvfb-run)."
    exec xvfb-run -a build/src/qt/morvatek
fi
exec build/src/qt/morvatek
