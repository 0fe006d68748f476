#!/usr/bin/env bash
# Builds the Debian package and checks its name and version, that it holds the stripped program,
# the desktop entry, the icon at every size, the software-centre entry, the manual page, the
# copyright file and changelog, and what it depends on; then Debian's and AppStream's own checks.
set -euo pipefail
build_dir=$1
app_id=$2
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

cpack --config "$build_dir/CPackConfig.cmake" -B "$work" >"$work/cpack.log" 2>&1 || {
    cat "$work/cpack.log"
    exit 1
}
status=0
check() { if eval "$2"; then echo "ok: $1"; else echo "FAIL: $1"; status=1; fi; }

# The changelog's top entry names the version and the date; everything else follows it.
changelog=$(dirname "$0")/../../resources/changelog
version=$(dpkg-parsechangelog -l "$changelog" -S Version)
date=$(date -u -d "$(dpkg-parsechangelog -l "$changelog" -S Date)" +%F)
package=$(ls "$work"/*.deb)
check "file name $(basename "$package")" '[ "$(basename "$package")" = "morvatek_${version}_amd64.deb" ]'
check "version $version" '[ "$(dpkg-deb -f "$package" Version)" = "$version" ]'

dpkg-deb -c "$package" | awk '{print $NF}' >"$work/files"
paths=(./usr/bin/morvatek ./usr/share/applications/$app_id.desktop
       ./usr/share/metainfo/$app_id.metainfo.xml ./usr/share/man/man1/morvatek.1.gz
       ./usr/share/doc/morvatek/copyright ./usr/share/doc/morvatek/changelog.gz)
for size in 16 24 32 48 64 128 256; do
    paths+=("./usr/share/icons/hicolor/${size}x${size}/apps/$app_id.png")
done
for path in "${paths[@]}"; do
    check "$path" 'grep -qxF "$path" "$work/files"'
done

dpkg-deb -x "$package" "$work/root"
check "the program is stripped" 'file "$work/root/usr/bin/morvatek" | grep -q ", stripped"'
check "no debug sections" '! objdump -h "$work/root/usr/bin/morvatek" | grep -q "\.debug_"'
metainfo=$work/root/usr/share/metainfo/$app_id.metainfo.xml
check "metainfo: release $version of $date" 'grep -qF "<release version=\"$version\" date=\"$date\"/>" "$metainfo"'
check "metainfo: the screenshot of $version" 'grep -qF "/morvatek-$version.png</image>" "$metainfo"'
check "manual page of $version and $date" \
    'zcat "$work/root/usr/share/man/man1/morvatek.1.gz" | grep -qxF ".TH MORVATEK 1 $date \"Morvatek $version\" \"Morvatek\""'
check "the changelog as it stands" 'zcat "$work/root/usr/share/doc/morvatek/changelog.gz" | cmp -s - "$changelog"'
copyright=$work/root/usr/share/doc/morvatek/copyright
check "machine-readable copyright" \
    'head -1 "$copyright" | grep -qx "Format: https://www.debian.org/doc/packaging-manuals/copyright-format/1.0/" &&
     grep -q "^Files: \*$" "$copyright" && grep -q "^Copyright: " "$copyright" && grep -q "^License: " "$copyright"'
for size in 16 48 256; do
    check "icon $size px is $size by $size" \
        'file "$work/root/usr/share/icons/hicolor/${size}x${size}/apps/$app_id.png" | grep -q "$size x $size"'
done

depends=$(dpkg-deb -f "$package" Depends)
echo "Depends: $depends"
for dependency in libqt6widgets6 fonts-liberation qt6-translations-l10n; do
    check "depends on $dependency" '[[ "$depends" == *"$dependency"* ]]'
done

# Either tool reports a fault of any weight (error or warning) as a failure.
if command -v appstreamcli >/dev/null; then
    check "appstreamcli validate" \
        'appstreamcli validate --no-net "$work/root/usr/share/metainfo/$app_id.metainfo.xml" >"$work/appstream" 2>&1 ||
         { cat "$work/appstream"; false; }'
fi
if command -v lintian >/dev/null; then
    check "lintian" \
        'lintian --fail-on error,warning --tag-display-limit 0 "$package" >"$work/lintian" 2>&1 ||
         { cat "$work/lintian"; false; }'
fi
exit $status
