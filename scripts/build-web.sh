#!/usr/bin/env bash
# Builds the page for the browser: the core compiled to WebAssembly with Emscripten, inside one
# self-contained file, build-web/morvatek.html. It works opened from disk or from any static web
# server, offline. Beside it, build-web/site/ is the hosted edition for a school's web server:
# the same page as index.html, installable as an app and working offline after one visit.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh web
# Debian's Emscripten finds its JavaScript parser among Debian's Node.js modules.
export NODE_PATH=/usr/share/nodejs${NODE_PATH:+:$NODE_PATH}
cmake -S . -B build-web -G Ninja -DCMAKE_BUILD_TYPE=Release \
    -DCMAKE_TOOLCHAIN_FILE=/usr/share/emscripten/cmake/Modules/Platform/Emscripten.cmake \
    -DCMAKE_CROSSCOMPILING_EMULATOR="$(command -v node)" >/dev/null
cmake --build build-web
ls -l build-web/morvatek.html build-web/site
