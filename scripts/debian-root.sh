#!/usr/bin/env bash
# A minimal Debian root of another release, for building and testing there as on a machine that
# runs it. It is made once from the mirror apt already uses, kept in a folder of Morvatek's own
# and refreshed when its package lists are a day old. It gets the machine's own certificate
# authorities, its npm settings and the variables that name them.
# Nothing of the machine is ever bound into the root where the machine could see it: every mount
# (the root's /proc, /dev, /sys, /tmp) lives in a private mount and process namespace that ends
# with the command, however the command ends. Removing the root, even while a command runs in it,
# removes only the root's own files.
# usage: scripts/debian-root.sh make RELEASE          makes or refreshes it; prints its folder
#        scripts/debian-root.sh run RELEASE COMMAND...  runs COMMAND in it as root
#        scripts/debian-root.sh remove RELEASE         removes a root it made
# RELEASE is a Debian codename (trixie). MORVATEK_ROOTS stands in for the roots' folder.
# Exits 77 with "skipped: ..." where no root can be made or entered here.
set -euo pipefail
action=$1
release=$2
shift 2
roots=${MORVATEK_ROOTS:-${XDG_CACHE_HOME:-$HOME/.cache}/morvatek/roots}
home=$roots/$release
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
        chroot "$root" update-ca-certificates >/dev/null 2>&1
    fi
    local npmrc
    [ ! -f "$HOME/.npmrc" ] || cp "$HOME/.npmrc" "$root/root/.npmrc"
    npmrc=$(npm config get globalconfig 2>/dev/null || true)
    [ -z "$npmrc" ] || [ ! -f "$npmrc" ] || cp "$npmrc" "$root/etc/npmrc"
    cp /etc/resolv.conf "$root/etc/resolv.conf" 2>/dev/null || true
}

make_root() {
    [ "$(id -u)" -eq 0 ] || skip "making one needs root"
    command -v mmdebstrap >/dev/null || skip "mmdebstrap is missing"
    unshare --mount true 2>/dev/null || skip "this machine allows no private mount namespace"
    if [ -d "$home" ] && [ ! -f "$marker" ]; then
        echo "$home exists and was not made here; it is left alone" >&2
        exit 1
    fi
    if [ ! -x "$root/usr/bin/apt-get" ]; then
        local own mirror security
        own=$(. /etc/os-release && echo "$VERSION_CODENAME")
        mirror=$(mirror_of "$own")
        security=$(mirror_of "$own-security")
        [ -n "$mirror" ] || skip "apt names no Debian mirror for $own"
        mkdir -p "$home"
        echo "scripts/debian-root.sh" >"$marker"
        rm -rf "$root.partial"
        echo "Making a Debian $release root from $mirror in $root" >&2
        # mmdebstrap mounts /dev and /proc into the root it makes: here they stay in a namespace
        # of its own.
        unshare --mount --propagation private --pid --fork --kill-child \
            mmdebstrap --quiet --mode=root --variant=minbase --include=ca-certificates,git,procps \
            "$release" "$root.partial" "deb $mirror $release main" \
            "deb $mirror $release-updates main" \
            ${security:+"deb $security $release-security main"} >&2 ||
            skip "mmdebstrap could not make one from $mirror"
        mv "$root.partial" "$root"
        touch "$home/updated"
    elif [ -n "$(find "$home/updated" -mmin +1440 2>/dev/null)" ] || [ ! -f "$home/updated" ]; then
        echo "Refreshing the Debian $release root's packages" >&2
        { enter apt-get update -qq && enter env DEBIAN_FRONTEND=noninteractive apt-get -y -qq upgrade; } >&2
        touch "$home/updated"
    fi
    copy_settings
    echo "$root"
}

# The variables that name certificate authorities and proxies, as the machine has them.
passed_variables() {
    env | grep -E '^([A-Z_]*(CERT|CA_BUNDLE|CAINFO|CA_CERTS)[A-Z_]*|(https?|no|all)_proxy|(HTTPS?|NO|ALL)_PROXY)=' || true
}

# enter COMMAND...: runs COMMAND in the root; `then=exec enter ...` ends this script with it, so
# that whoever stops the script stops the namespace, and everything in it, too.
enter() {
    local variables=()
    mapfile -t variables < <(passed_variables)
    ${then:-} unshare --mount --propagation private --pid --fork --kill-child --uts \
        bash -euc '
        root=$1; shift
        mount -t proc proc "$root/proc"
        mount -t sysfs -o ro sysfs "$root/sys"
        mount -t tmpfs -o mode=755 dev "$root/dev"
        for node in null zero full random urandom tty; do
            touch "$root/dev/$node"
            mount --bind "/dev/$node" "$root/dev/$node"
        done
        mkdir "$root/dev/pts" "$root/dev/shm"
        mount -t devpts -o newinstance,ptmxmode=0666 devpts "$root/dev/pts"
        ln -s pts/ptmx "$root/dev/ptmx"
        ln -s /proc/self/fd "$root/dev/fd"
        mount -t tmpfs -o mode=1777 shm "$root/dev/shm"
        mount -t tmpfs -o mode=1777 tmp "$root/tmp"
        exec chroot "$root" "$@"' enter "$root" \
        env -i HOME=/root PATH=/usr/local/sbin:/usr/local/bin:/usr/sbin:/usr/bin:/sbin:/bin \
        LANG=C.UTF-8 TERM="${TERM:-dumb}" ${CI:+CI=$CI} "${variables[@]}" "$@"
}

case $action in
make) make_root ;;
run)
    [ -x "$root/usr/bin/apt-get" ] || skip "it has not been made (scripts/debian-root.sh make $release)"
    then=exec enter "$@"
    ;;
remove)
    [ -d "$home" ] || exit 0
    [ -f "$marker" ] || { echo "$home was not made here; it is left alone" >&2; exit 1; }
    rm -rf "$home"
    ;;
*)
    echo "usage: $0 make|run|remove RELEASE [COMMAND...]" >&2
    exit 2
    ;;
esac
