#!/usr/bin/env bash
# Makes the Windows packages from one Morvatek.exe, the same way for a build and for a signed
# release: the portable ZIP holding the program alone, and the MSI (wixl, then FinishMsi.cmake).
# The same exe gives the same bytes in any folder, at any time, with any umask, locale or time
# zone: every time inside is SOURCE_DATE_EPOCH (or the release date's), the ZIP keeps no owner,
# and the MSI's package code is derived from its content, so it still changes with any change.
# usage: windows_packages.sh EXE ZIP MSI WXS ICON ARCH DESCRIPTION VERSION WORK EPOCH
set -euo pipefail
absolute() { realpath -m "$1"; }
exe=$(absolute "$1") zip=$(absolute "$2") msi=$(absolute "$3") wxs=$(absolute "$4")
icon=$(absolute "$5") arch=$6 description=$7 version=$8 work=$(absolute "$9")
epoch=${SOURCE_DATE_EPOCH:-${10}}
here=$(cd "$(dirname "$0")" && pwd)
export TZ=UTC LC_ALL=C
umask 022
moment=$(date -u -d "@$epoch" '+%Y-%m-%d %H:%M:%S')
# The clock wixl and msibuild see stands still at the release's moment.
frozen() { faketime -f "$moment" "$@"; }

rm -rf "$work"
mkdir -p "$work/zip" "$(dirname "$zip")" "$(dirname "$msi")"
cp "$exe" "$work/Morvatek.exe"
cp "$icon" "$work/morvatek.ico"
cp "$wxs" "$work/morvatek.wxs"
chmod 0644 "$work/Morvatek.exe" "$work/morvatek.ico"
touch -d "@$epoch" "$work/Morvatek.exe" "$work/morvatek.ico"

cp -p "$work/Morvatek.exe" "$work/zip/Morvatek.exe"
rm -f "$zip"
(cd "$work/zip" && zip -q -X -D "$zip.partial" Morvatek.exe)
mv "$zip.partial" "$zip"

(cd "$work" && frozen wixl --arch "$arch" -o "$msi.partial" morvatek.wxs)
frozen cmake -DMSI="$msi.partial" -DEXE="$work/Morvatek.exe" -DDESCRIPTION="$description" \
    -DVERSION="$version" -DWORK="$work" -P "$here/FinishMsi.cmake"
template=$(msiinfo suminfo "$msi.partial" | sed -n 's/^Template: //p')
summary() { frozen msibuild "$msi.partial" -s "Morvatek $version" Morvatek "$template" "$1"; }
summary "{00000000-0000-0000-0000-000000000000}"
hash=$(sha256sum "$msi.partial" | cut -c1-32 | tr a-f A-F)
summary "{${hash:0:8}-${hash:8:4}-5${hash:13:3}-8${hash:17:3}-${hash:20:12}}"
mv "$msi.partial" "$msi"
