#!/usr/bin/env bash
# Builds the Debian package of the tree as it is, uncommitted changes too, on this machine, for a
# developer's quick look: build-release/morvatek_1.0.0.0-1_amd64.deb. A release builds each
# Debian's package in a clean root of it instead (scripts/build-debian-package.sh).
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh linux debhelper
rm -rf build-release
mkdir -p build-release/morvatek
scripts/tree-files.sh | tar --null -T - -cf - | tar -xf - -C build-release/morvatek
# The package's times are the commit's, as in a release, not the time of the build.
SOURCE_DATE_EPOCH=${SOURCE_DATE_EPOCH:-$(git log -1 --format=%ct)}
export SOURCE_DATE_EPOCH
(cd build-release/morvatek && dpkg-buildpackage -b -us -uc >../build.log 2>&1) ||
    { tail -n 40 build-release/build.log; exit 1; }
ls build-release/*.deb
