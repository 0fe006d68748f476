#!/usr/bin/env bash
# Builds the page and prints: its start-up against a static page with the same elements, to the
# first paint and to the window taking the pupil's actions, in headless Chromium and Firefox ESR,
# and its size; and in Chromium a click on "Изчисли" with thirty digits in base 4 against the
# static page setting the same transcript once per click.
# usage: bench/run-web.sh [runs]   (default 21 runs of each page)
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh web
# The web build's own tests, the browser drivers included.
cmake --preset web >/dev/null
cmake --build --preset web >/dev/null
node bench/web/startup.mjs "${1:-21}" build-web
echo
MORVATEK_BROWSER=firefox node bench/web/startup.mjs "${1:-21}" build-web | grep -v '^morvatek.html:'
echo
node bench/web/click.mjs "${1:-21}" build-web
