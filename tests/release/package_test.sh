#!/usr/bin/env bash
# One Debian release's packages of one architecture, checked as Debian checks them in a clean root
# of that release (a copy of scripts/debian-root.sh's RELEASE-check that ends with each check):
# lintian --pedantic on the .changes, the source package with amd64's, and the package, with no
# error and no warning, as Debian runs lintian on every architecture's packages; for amd64 the
# package's autopkgtest against it installed there (arm64's runs in an arm64 root,
# arm64_test.sh). Then what it holds: its name and
# version, the stripped program, the desktop entry, the icon at every size, the software-centre
# entry, the manual page, the copyright file and changelog, what it depends on, and AppStream's
# own check.
# usage: package_test.sh PACKAGE_FOLDER ARCH   (as scripts/build-debian-package.sh writes it;
#        amd64 or arm64)
set -euo pipefail
packages=$(realpath "$1")
arch=$2
scripts=$(cd "$(dirname "$0")/../../scripts" && pwd)
app_id=example.morvatek.Morvatek
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
status=0
check() { if eval "$2"; then echo "ok: $1"; else echo "FAIL: $1"; status=1; fi; }

# The changelog's top entry names the version and the date; everything else follows it.
changelog=$(dirname "$0")/../../resources/changelog
version=$(dpkg-parsechangelog -l "$changelog" -S Version)
date=$(date -u -d "$(dpkg-parsechangelog -l "$changelog" -S Date)" +%F)
changes=$(ls "$packages"/morvatek_*_"$arch".changes)
release=$(sed -n 's/^Distribution: //p' "$changes")
number=$( [ "$release" = bookworm ] && echo 12 || echo 13)
package=$(ls "$packages"/morvatek_*_"$arch".deb)
check "the Debian $number $arch package of $version: $(basename "$package")" \
    '[[ $(dpkg-deb -f "$package" Version) == "$version"-*~deb${number}u1 ]] &&
     [ "$(dpkg-deb -f "$package" Architecture)" = "$arch" ] &&
     [ "$(basename "$package")" = "morvatek_$(dpkg-deb -f "$package" Version)_$arch.deb" ]'

# Debian's own checks, where that Debian's tools run.
in_root() { "$scripts/debian-root.sh" run --scratch --bind "$packages:/packages" "$release-check" \
    bash -c "cd /packages && $1" >"$work/said" 2>&1 || { cat "$work/said"; false; }; }
check "lintian --pedantic finds no error and no warning in the Debian $number $arch packages" \
    'in_root "lintian --pedantic --fail-on error,warning --tag-display-limit 0 ${changes##*/}"'
[ "$arch" != amd64 ] || check "the autopkgtest passes against the Debian $number package installed there" \
    'in_root "autopkgtest --quiet -U ${package##*/} $(basename "$packages"/*.dsc) -- null"'

dpkg-deb -c "$package" | awk '{print $NF}' >"$work/files"
paths=(./usr/bin/morvatek ./usr/share/applications/$app_id.desktop
       ./usr/share/metainfo/$app_id.metainfo.xml ./usr/share/man/man1/morvatek.1.gz
       ./usr/share/doc/morvatek/copyright ./usr/share/doc/morvatek/changelog.gz
       ./usr/share/doc/morvatek/changelog.Debian.gz)
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
for size in 16 48 256; do
    check "icon $size px is $size by $size" \
        'file "$work/root/usr/share/icons/hicolor/${size}x${size}/apps/$app_id.png" | grep -q "$size x $size"'
done

depends=$(dpkg-deb -f "$package" Depends)
echo "Depends: $depends"
for dependency in libqt6widgets6 fonts-liberation qt6-translations-l10n qt6-qpa-plugins; do
    check "depends on $dependency" '[[ "$depends" == *"$dependency"* ]]'
done
check "appstreamcli validate" \
    'appstreamcli validate --no-net "$metainfo" >"$work/appstream" 2>&1 || { cat "$work/appstream"; false; }'
exit $status
