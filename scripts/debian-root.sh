#!/usr/bin/env bash
# Minimal Debian roots, for building, checking and testing on a release as on a machine that
# runs it. Each is made once from the mirror apt already uses, kept in a folder of Morvatek's own
# and refreshed when its package lists are a day old. It gets the machine's own certificate
# authorities, its npm settings and the variables that name them.
# Four kinds, by name (scripts/debian-root-kinds.sh):
#   RELEASE         (trixie) a root to run the test command in; it keeps what they install
#   RELEASE-build   only build-essential and the Build-Depends of debian/control, as Debian's
#                   build daemons have it, and for arm64 with Debian's cross compilers, as
#                   Debian cross-builds; made anew when the Build-Depends change
#   RELEASE-check   only Debian's package checks: lintian, autopkgtest
#   RELEASE-arm64   an arm64 root, run through an emulator (scripts/arm64-emulation.sh), with
#                   what the package, its autopkgtest and apt's road need to run
# Nothing of the machine is ever bound into a root where the machine could see it: every mount
# (the root's /proc, /dev, /sys, /tmp, a folder given with --bind) lives in a private mount and
# process namespace that ends with the command, however the command ends. Removing a root, even
# while a command runs in it, removes only the root's own files.
# usage: scripts/debian-root.sh make NAME       makes or refreshes it; prints its folder
#        scripts/debian-root.sh run [--scratch] [--bind FOLDER:PATH]... NAME COMMAND...
#                                              runs COMMAND in it as root; --scratch in a copy
#                                              that ends with the command (the root stays as
#                                              made), --bind with FOLDER seen at PATH
#        scripts/debian-root.sh remove NAME     removes a root it made
#        scripts/debian-root.sh folder NAME     prints its folder, made or not
# MORVATEK_ROOTS stands in for the roots' folder.
# Exits 77 with "skipped: ..." where no root can be made or entered here.
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
action=${1:-}
shift || true
scratch=""
binds=""
while [ "$action" = run ] && [[ ${1:-} == --* ]]; do
    case $1 in
    --scratch) scratch=yes && shift ;;
    --bind) binds+="$2"$'\n' && shift 2 ;;
    *) echo "debian-root.sh: unknown option $1" >&2 && exit 2 ;;
    esac
done
name=${1:-}
shift || true
release=${name%%-*}
kind=${name#"$release"}
roots=${MORVATEK_ROOTS:-${XDG_CACHE_HOME:-$HOME/.cache}/morvatek/roots}
home=$roots/$name
root=$home/root
marker=$home/made-by-morvatek

skip() {
    echo "skipped: no Debian $release root here, $*"
    exit 77
}

# The archive and security mirrors apt uses for this machine's own release.
mirror_of() {
    apt-get indextargets --format '$(REPO_URI) $(RELEASE)' 'Identifier: Packages' 2>/dev/null |
        awk -v suite="$1" '$2 == suite { sub(/\/$/, "", $1); print $1; exit }'
}

# The machine's own additions to the certificate authorities, and npm's settings.
copy_settings() {
    mkdir -p "$root/usr/local/share/ca-certificates" "$root/root"
    if [ -n "$(ls /usr/local/share/ca-certificates 2>/dev/null)" ] &&
        ! diff -rq /usr/local/share/ca-certificates "$root/usr/local/share/ca-certificates" >/dev/null 2>&1; then
        cp -r /usr/local/share/ca-certificates/. "$root/usr/local/share/ca-certificates/"
        chroot "$root" update-ca-certificates >/dev/null
    fi
    local npmrc
    [ ! -f "$HOME/.npmrc" ] || cp "$HOME/.npmrc" "$root/root/.npmrc"
    npmrc=$(npm config get globalconfig 2>/dev/null || true)
    [ -z "$npmrc" ] || [ ! -f "$npmrc" ] || cp "$npmrc" "$root/etc/npmrc"
    cp /etc/resolv.conf "$root/etc/resolv.conf" 2>/dev/null || true
}

# apt-get update, tried again after a pause while a mirror is being synced.
update_packages() {
    local attempt
    for attempt in 1 2 3; do
        enter apt-get update -qq --error-on=any && return 0
        [ "$attempt" -eq 3 ] || sleep $((attempt * 20))
    done
    return 1
}

make_root() {
    [ "$(id -u)" -eq 0 ] || skip "making one needs root"
    command -v mmdebstrap >/dev/null || skip "mmdebstrap is missing"
    unshare --mount true 2>/dev/null || skip "this machine allows no private mount namespace"
    if [ -d "$home" ] && [ ! -f "$marker" ]; then
        echo "$home exists and was not made here; it is left alone" >&2
        exit 1
    fi
    # One maker at a time, and none while a command runs in the root.
    mkdir -p "$roots"
    exec 9>>"$roots/.$name.lock"
    flock 9
    local wanted architecture why
    wanted=$(contents)
    architecture=$(architecture)
    if [ -n "$architecture" ]; then
        why=$("$here/runs-$architecture.sh") || skip "$why"
    fi
    # Roots made before there were kinds are test roots.
    [ -f "$home/contents" ] || [ -n "$kind" ] || [ ! -d "$root" ] || echo "$wanted" >"$home/contents"
    if [ -d "$root" ] && [ "$(cat "$home/contents" 2>/dev/null)" != "$wanted" ]; then
        echo "The Debian $name root was made for other contents: making it anew" >&2
        rm -rf "$root"
    fi
    if [ ! -x "$root/usr/bin/apt-get" ]; then
        local own mirror security variant include
        own=$(. /etc/os-release && echo "$VERSION_CODENAME")
        mirror=$(mirror_of "$own")
        security=$(mirror_of "$own-security")
        [ -n "$mirror" ] || skip "apt names no Debian mirror for $own"
        mkdir -p "$home"
        echo "scripts/debian-root.sh" >"$marker"
        rm -rf "$root.partial"
        read -r variant include <<<"$wanted"
        echo "Making a Debian $name root from $mirror in $root" >&2
        # mmdebstrap mounts /dev and /proc into the root it makes: here they stay in a namespace
        # of its own.
        unshare --mount --propagation private --pid --fork --kill-child \
            mmdebstrap --quiet --mode=root --variant="$variant" --include="$include" \
            ${architecture:+--architectures="$architecture"} --dpkgopt=force-unsafe-io \
            "$release" "$root.partial" "deb $mirror $release main" \
            "deb $mirror $release-updates main" \
            ${security:+"deb $security $release-security main"} >&2 ||
            skip "mmdebstrap could not make one from $mirror"
        mv "$root.partial" "$root"
        copy_settings
        update_packages >&2
        [ "$kind" != -build ] || install_build_depends >&2
        echo "$wanted" >"$home/contents"
        touch "$home/updated"
    elif [ -n "$(find "$home/updated" -mmin +1440 2>/dev/null)" ] || [ ! -f "$home/updated" ]; then
        echo "Refreshing the Debian $name root's packages" >&2
        { update_packages && enter env DEBIAN_FRONTEND=noninteractive apt-get -y -qq upgrade; } >&2
        touch "$home/updated"
    fi
    copy_settings
    echo "$root"
}

source "$here/debian-root-kinds.sh"
source "$here/debian-root-enter.sh"

case $action in
make) make_root ;;
folder) echo "$root" ;;
run)
    [ -x "$root/usr/bin/apt-get" ] || skip "it has not been made (scripts/debian-root.sh make $name)"
    if [ -n "$(architecture)" ]; then
        why=$("$here/runs-$(architecture).sh") || skip "$why"
    fi
    # A root is refreshed only while no command runs in it: the command holds its lock shared.
    exec 9>>"$roots/.$name.lock"
    flock -s 9
    if [ -n "$scratch" ]; then
        overlay_works || skip "this machine mounts no overlay file system"
        mkdir -p "$home/scratch"
    fi
    then=exec enter "$@"
    ;;
remove)
    [ -d "$home" ] || exit 0
    [ -f "$marker" ] || { echo "$home was not made here; it is left alone" >&2; exit 1; }
    # The marker goes last, so that a removal that fails midway can be done again.
    rm -rf "$root" "$root.partial"
    rm -rf "$home"
    ;;
*)
    echo "usage: $0 make|run|remove|folder NAME [COMMAND...]" >&2
    exit 2
    ;;
esac
