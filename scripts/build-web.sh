#!/usr/bin/env bash
# Builds the page for the browser: the core compiled to WebAssembly with Emscripten, inside one
# self-contained file, build-web/morvatek.html. It works opened from disk or from any static web
# server, offline. Beside it, build-web/site/ is the hosted edition for a school's web server:
# the same page as index.html, installable as an app and working offline after one visit.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh web
cmake --preset web >/dev/null
cmake --build --preset web --target web_pages
ls -l build-web/morvatek.html build-web/site
