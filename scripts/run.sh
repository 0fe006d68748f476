#!/usr/bin/env bash
# Builds Morvatek and opens its window (under Xvfb when there is no display, for a quick look).
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
cmake --preset linux >/dev/null
cmake --build --preset linux --target morvatek
if [ -z "${DISPLAY:-}${WAYLAND_DISPLAY:-}" ]; then
    source scripts/xvfb.sh
    start_xvfb 1024x768x24
    export XDG_RUNTIME_DIR=${XDG_RUNTIME_DIR:-$(mktemp -d)}
    echo "No display here: the window opens on a virtual screen ($DISPLAY)."
    status=0
    QT_QPA_PLATFORM=xcb build/src/qt/morvatek || status=$?
    exit $status
fi
exec build/src/qt/morvatek
