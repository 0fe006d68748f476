#!/usr/bin/env bash
# Builds Morvatek's Debian source package, and from it the binary packages for amd64 and, cross-
# built as Debian cross-builds, for arm64 (a Raspberry Pi's Debian), for one Debian release in a
# clean root of that release that holds only the Build-Depends (scripts/debian-root.sh),
# as Debian's build daemons build: in a copy of the root that ends with the build, at a build
# path of its own. It builds the tree as git sees it (uncommitted changes too), every time in it
# the commit's (SOURCE_DATE_EPOCH). The version names the release, 1.0.0.0-1~deb12u1 for Debian 12
# (bookworm) and 1.0.0.0-1~deb13u1 for Debian 13 (trixie): apt orders the Debian 12 one first,
# so a machine upgraded from 12 to 13 moves to the Debian 13 package.
# Writes into OUT_FOLDER morvatek_1.0.0.0.orig.tar.xz and, for the release, the .dsc,
# .debian.tar.xz, and for each architecture the package and its debugging symbols
# (morvatek-dbgsym), _ARCH.buildinfo and _ARCH.changes.
# MORVATEK_VARY_BUILDS=yes builds as another user, with another umask, locale, time zone, home,
# host name, kernel version, search path, address layout and number of jobs, as reprotest
# varies them: the package must come out the same.
# Exits 77 with "skipped: ..." where no root can be made here.
# usage: scripts/build-debian-package.sh RELEASE OUT_FOLDER
set -euo pipefail
cd "$(dirname "$0")/.."
release=$1
out=$(realpath -m "$2")
fail() { echo "build-debian-package.sh: $*" >&2; exit 1; }
case $release in
bookworm) number=12 ;;
trixie) number=13 ;;
*) fail "no Debian release named $release here (bookworm, trixie)" ;;
esac
SOURCE_DATE_EPOCH=${SOURCE_DATE_EPOCH:-$(git log -1 --format=%ct)}
export SOURCE_DATE_EPOCH
upstream=$(dpkg-parsechangelog -l resources/changelog -S Version)
packaged=$(dpkg-parsechangelog -l debian/changelog -S Version)
[ "${packaged%-*}" = "$upstream" ] ||
    fail "debian/changelog packages $packaged, resources/changelog releases $upstream"
version=$packaged~deb${number}u1
made=$(scripts/debian-root.sh make "$release-build") || { status=$?; echo "$made"; exit $status; }

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
# The upstream tarball: the tree's files, sorted, with the commit's time and no owners.
orig=morvatek_$upstream.orig.tar.xz
scripts/tree-files.sh |
    tar --null -T - --sort=name --mtime="@$SOURCE_DATE_EPOCH" --owner=0 --group=0 --numeric-owner \
        --mode=u=rwX,go=rX --format=gnu --transform="s,^,morvatek-$upstream/," -cf - |
    xz -6 -T1 >"$work/$orig"
tar -xf "$work/$orig" -C "$work"
source=$work/morvatek-$upstream
# The release's own entry on top of the changelog, as a backport has it.
{
    printf 'morvatek (%s) %s; urgency=medium\n\n  * Built for Debian %s.\n\n -- %s  %s\n\n' \
        "$version" "$release" "$number" "$(dpkg-parsechangelog -l debian/changelog -S Maintainer)" \
        "$(date -u -R -d "@$SOURCE_DATE_EPOCH")"
    cat debian/changelog
} >"$source/debian/changelog"

# In the root: as root, or as reprotest would vary it. First the source package and amd64's, then
# arm64's alone, from the same source.
both='dpkg-buildpackage -us -uc -j"$0" && dpkg-buildpackage -us -uc -a arm64 -B -j"$0"'
build='cd "$1" && sh -ec "$2" "$(nproc)"'
if [ -n "${MORVATEK_VARY_BUILDS:-}" ]; then
    # Debian 13's build root has no useradd (passwd is not part of it): the user is written in.
    build='echo builder:x:2000:2000::/home/builder:/bin/sh >>/etc/passwd &&
        echo builder:x:2000: >>/etc/group && mkdir /home/builder &&
        chown -R builder: /home/builder "${1%/*}" && hostname another-host &&
        umask 0002 && cd "$1" && exec setarch x86_64 --uname-2.6 --addr-no-randomize \
        runuser -u builder -- env TZ=Etc/GMT-14 LC_ALL=C HOME=/home/builder \
        PATH=/usr/local/games:$PATH MORVATEK_VARIED=yes sh -ec "$2" $(($(nproc) + 1))'
fi
inside=/build/${work##*/}
echo "Building Morvatek $version in a clean Debian $number root" >&2
if ! scripts/debian-root.sh run --scratch --bind "$work:$inside" "$release-build" \
    env SOURCE_DATE_EPOCH="$SOURCE_DATE_EPOCH" bash -ec "$build" build "$inside/${source##*/}" "$both" \
    >"$work/build.log" 2>&1; then
    tail -n 40 "$work/build.log" >&2
    fail "Morvatek $version did not build in the Debian $number root"
fi
mkdir -p "$out"
cp "$work/$orig" "$work/morvatek_$version.dsc" "$work/morvatek_$version.debian.tar.xz" \
    "$work"/morvatek{,-dbgsym}_"${version}"_{amd64,arm64}.deb "$work"/morvatek_"${version}"_{amd64,arm64}.buildinfo \
    "$work"/morvatek_"${version}"_{amd64,arm64}.changes "$out/"
