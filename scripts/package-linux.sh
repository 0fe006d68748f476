#!/usr/bin/env bash
# Builds the Linux program in Release and packs it, stripped, into
# build-release/morvatek_1.0.0.0_amd64.deb.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
cmake -S . -B build-release -G Ninja -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build build-release --target morvatek
(cd build-release && cpack >/dev/null)
ls build-release/*.deb
