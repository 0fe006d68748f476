#!/usr/bin/env bash
# Builds the page and prints its start-up in headless Chromium against a static page with the
# same elements, and its size.
# usage: bench/run-web.sh [runs]   (default 21 runs of each page)
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/build-web.sh >/dev/null
node bench/web/startup.mjs "${1:-21}" build-web
