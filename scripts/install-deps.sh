#!/usr/bin/env bash
# Installs with apt-get whatever the build, the tests and the program need and the machine lacks.
# Usage: scripts/install-deps.sh [extra-package ...]
set -euo pipefail

packages=(
    cmake ninja-build g++ pkg-config dpkg-dev file
    qt6-base-dev libgl-dev qt6-translations-l10n
    libgtest-dev libbenchmark-dev
    libx11-dev libxdamage-dev libfontconfig-dev
    fonts-liberation fontconfig
    xvfb xauth xdotool x11-utils
    binutils-mingw-w64-x86-64 desktop-file-utils
    "$@"
)

missing=()
for package in "${packages[@]}"; do
    if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'install ok installed'; then
        missing+=("$package")
    fi
done
[ ${#missing[@]} -eq 0 ] && exit 0

sudo=""
if [ "$(id -u)" -ne 0 ]; then
    sudo="sudo"
fi
echo "Installing: ${missing[*]}"
$sudo apt-get update -qq
DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
