#!/usr/bin/env bash
# Builds the Linux program in Release and packs it, stripped, into
# build-release/morvatek_1.0.0.0_amd64.deb.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
cmake -S . -B build-release -G Ninja -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build build-release --target morvatek
# The package's times are the commit's, as in a release, not the time of the build.
if [ -z "${SOURCE_DATE_EPOCH:-}" ] && git rev-parse --git-dir >/dev/null 2>&1; then
    SOURCE_DATE_EPOCH=$(git log -1 --format=%ct)
    export SOURCE_DATE_EPOCH
fi
(cd build-release && cpack >/dev/null)
ls build-release/*.deb
