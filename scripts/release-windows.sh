#!/usr/bin/env bash
# The release's Windows step for one built architecture: its ZIP and MSI, in OUT_FOLDER. With a
# code-signing certificate in the environment (scripts/codesign.sh) Morvatek.exe is signed before
# it goes into the ZIP and the MSI, and the MSI is signed too; without one they are unsigned.
# Either way the packages are made by cmake/windows_packages.sh, as the build makes them.
# usage: scripts/release-windows.sh BUILD_FOLDER OUT_FOLDER
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
build=$(realpath "$1")
out=$(realpath -m "$2")
# What the build wrote for this: one "name=value" a line.
setting() { sed -n "s/^$1=//p" "$build/windows-packages.env"; }
work=$build/release-work
rm -rf "$work"
mkdir -p "$work" "$out"

exe=$build/src/win32/Morvatek.exe
if "$here/codesign.sh" configured; then
    "$here/codesign.sh" sign "$exe" "$work/Morvatek.exe"
    exe=$work/Morvatek.exe
fi
msi_name=$(setting msi_name)
"$here/../cmake/windows_packages.sh" "$exe" "$out/$(setting zip_name)" "$work/$msi_name" \
    "$(setting wxs)" "$(setting icon)" "$(setting arch)" "$(setting description)" \
    "$(setting version)" "$work/packages" "$(setting epoch)"
if "$here/codesign.sh" configured; then
    "$here/codesign.sh" sign "$work/$msi_name" "$out/$msi_name"
else
    mv "$work/$msi_name" "$out/$msi_name"
fi
