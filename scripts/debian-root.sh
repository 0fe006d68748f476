#!/usr/bin/env bash
# Minimal Debian roots, for building, checking and testing on a release as on a machine that
# runs it. Each is made once from the mirror apt already uses, kept in a folder of Morvatek's own
# and refreshed when its package lists are a day old. It gets the machine's own certificate
# authorities, its npm settings and the variables that name them.
# Three kinds, by name:
#   RELEASE         (trixie) a root to run the test command in; it keeps what they install
#   RELEASE-build   only build-essential and the Build-Depends of debian/control, as Debian's
#                   build daemons have it; made anew when the Build-Depends change
#   RELEASE-check   only Debian's package checks: lintian, autopkgtest
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

# What a root of this kind holds: mmdebstrap's variant, the packages it adds, and for a build
# root the Build-Depends. A root made for other contents is made anew.
contents() {
    case $kind in
    "") echo "minbase ca-certificates,git,procps" ;;
    -build) echo "buildd ca-certificates" && sed -n '/^Build-Depends/,/^[^ ]/p' "$here/../debian/control" ;;
    -check) echo "minbase ca-certificates,lintian,autopkgtest,dpkg-dev,python3" ;;
    *) echo "debian-root.sh: $name is no kind of root made here" >&2 && exit 2 ;;
    esac
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
    local wanted
    wanted=$(contents)
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

# What debian/control asks to build Morvatek, and nothing else.
install_build_depends() {
    mkdir -p "$root/root/morvatek/debian"
    cp "$here/../debian/control" "$root/root/morvatek/debian/"
    enter env DEBIAN_FRONTEND=noninteractive apt-get build-dep -y -qq --no-install-recommends \
        /root/morvatek >/dev/null
    enter apt-get clean
    rm -rf "$root/root/morvatek"
}

# A scratch copy is an overlay over the root: asked of the machine with a small one.
overlay_works() {
    local try status=0
    try=$(mktemp -d)
    mkdir "$try/lower" "$try/upper" "$try/work" "$try/merged"
    unshare --mount mount -t overlay -o "lowerdir=$try/lower,upperdir=$try/upper,workdir=$try/work" \
        overlay "$try/merged" 2>/dev/null || status=$?
    rm -rf "$try"
    return $status
}

# The variables that name certificate authorities and proxies, as the machine has them.
passed_variables() {
    env | grep -E '^([A-Z_]*(CERT|CA_BUNDLE|CAINFO|CA_CERTS)[A-Z_]*|(https?|no|all)_proxy|(HTTPS?|NO|ALL)_PROXY)=' || true
}

# enter COMMAND...: runs COMMAND in the root; `then=exec enter ...` ends this script with it, so
# that whoever stops the script stops the namespace, and everything in it, too. The root is a
# mount point of its own there, so that a command in it may make private namespaces too.
enter() {
    local variables=()
    mapfile -t variables < <(passed_variables)
    ${then:-} unshare --mount --propagation private --pid --fork --kill-child --uts \
        bash -euc '
        root=$1 scratch=$2 binds=$3
        shift 3
        if [ -n "$scratch" ]; then
            mount -t tmpfs -o mode=755 scratch "$scratch"
            mkdir "$scratch/upper" "$scratch/work" "$scratch/root"
            mount -t overlay -o "lowerdir=$root,upperdir=$scratch/upper,workdir=$scratch/work" \
                scratch "$scratch/root"
            root=$scratch/root
        else
            mount --bind "$root" "$root"
        fi
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
        while IFS=: read -r folder path; do
            [ -n "$folder" ] || continue
            mkdir -p "$root$path"
            mount --bind "$folder" "$root$path"
        done <<<"$binds"
        exec chroot "$root" "$@"' enter "$root" "${scratch:+$home/scratch}" "$binds" \
        env -i HOME=/root PATH=/usr/local/sbin:/usr/local/bin:/usr/sbin:/usr/bin:/sbin:/bin \
        LANG=C.UTF-8 TERM="${TERM:-dumb}" ${CI:+CI=$CI} "${variables[@]}" "$@"
}

case $action in
make) make_root ;;
run)
    [ -x "$root/usr/bin/apt-get" ] || skip "it has not been made (scripts/debian-root.sh make $name)"
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
    echo "usage: $0 make|run|remove NAME [COMMAND...]" >&2
    exit 2
    ;;
esac
