# The other Debian of 12 and 13 and the arm64 checks, sourced by scripts/test.sh: the roots they
# need, made beside this machine's own parts; the test command run again in a root of the other
# Debian; that Debian's own package installed there; Debian 13's arm64 package in an emulated
# arm64 root of it.

codename() { ((${1#debian-} == 12)) && echo bookworm || echo trixie; }

# The other Debian's run, in a root of that release, with a copy of this tree (its own build
# folders are kept there between runs). Its rows join this table. It builds its release once and
# without the Debian packages: this machine's release check builds those in clean roots of both
# releases, and builds the release twice.
other_debian() {
    local version=$1 release start=$SECONDS root status=0
    release=$(codename "$version")
    scripts/install-deps.sh mmdebstrap &&
        root=$(scripts/debian-root.sh make "$release") || status=$?
    if [ "$status" -eq 77 ]; then
        skip_debian "$version" "$root"
        return
    elif [ "$status" -ne 0 ]; then
        summary+=("Debian $version: its root|0|1|0|$((SECONDS - start))")
        return
    fi
    copy_tree "$root/root/morvatek"
    rm -f "$root/root/summary" "$root/root/summary.skipped"
    scripts/debian-root.sh run "$release" env MORVATEK_SUMMARY=/root/summary MORVATEK_RELEASE_DEBIANS= \
        MORVATEK_RELEASE_ONCE=yes /root/morvatek/scripts/test.sh "debian-$version"
    local row
    while IFS= read -r row; do
        summary+=("$row")
    done < <(cat "$root/root/summary" 2>/dev/null)
    while IFS= read -r row; do
        skipped_because+=("Debian $version: $row")
    done < <(cat "$root/root/summary.skipped" 2>/dev/null)
    [ -s "$root/root/summary" ] || summary+=("Debian $version: the test command|0|1|0|$((SECONDS - start))")
    part "Debian $version: its own package, from a clean root, installed and started" \
        installs_own_package "$release" "$root"
}

skip_debian() {
    echo "$2"
    skipped_because+=("Debian $1: ${2#skipped: }")
    summary+=("Debian $1|0|0|1|0")
}

# The tree as it is, uncommitted changes too, over the copy's sources; its build folders stay.
copy_tree() {
    mkdir -p "$1"
    find "$1" -mindepth 1 -maxdepth 1 ! -name 'build*' -exec rm -rf {} +
    { scripts/tree-files.sh; printf '.git\0'; } |
        tar --null -T - -cf - | tar -xf - -C "$1"
}

# own_packages RELEASE: the folder of that Debian's packages of this tree: the release check's,
# where that was of this very tree, or else built now. Says "skipped: ..." and returns 77 where
# none can be built here.
own_packages() {
    local packages=build-debian/$1 said status=0
    if [ "$(cat "$packages/commit" 2>/dev/null)" != "$(git rev-parse HEAD 2>/dev/null)" ] ||
        [ -n "$(git status --porcelain)" ]; then
        rm -rf "$packages"
        said=$(scripts/build-debian-package.sh "$1" "$packages") || status=$?
        [ "$status" -eq 0 ] || { echo "$said"; return "$status"; }
    fi
    echo "$packages"
}

# That Debian's own package of this tree installs on it and keeps running.
installs_own_package() {
    local packages status=0
    packages=$(own_packages "$1") || status=$?
    if [ "$status" -eq 77 ]; then
        echo "$packages"
        skipped_because+=("its own package: ${packages#skipped: }")
        part_skipped=1
        return 0
    fi
    [ "$status" -eq 0 ] || return 1
    cp "$packages"/morvatek_*_amd64.deb "$2/root/morvatek.deb"
    scripts/debian-root.sh run "$1" bash -c '
        DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends \
            /root/morvatek.deb >/dev/null || exit 1
        status=0 runtime=$(mktemp -d)
        QT_QPA_PLATFORM=offscreen XDG_RUNTIME_DIR=$runtime timeout 2 morvatek || status=$?
        rm -rf "$runtime"
        DEBIAN_FRONTEND=noninteractive apt-get purge -y -qq morvatek >/dev/null
        [ "$status" -eq 124 ] || { echo "FAIL: the installed program ended with status $status"; exit 1; }
        echo "ok: the installed program started and kept running"' || return 1
    part_passed=1
}

# Debian 13's arm64 package in an emulated arm64 root of it: its autopkgtest, the road from the
# signed apt repository, and the core's tests of Debian 13's own arm64 build, run with that
# root's C library. Its root is made beside everything else, so this comes last.
arm64_checks() {
    local packages build=build-arm64 status=0 log
    [ "$own" = 13 ] || build=$(scripts/debian-root.sh folder trixie)/root/morvatek/build-arm64
    packages=$(own_packages trixie) || status=$?
    if [ "$status" -ne 0 ]; then
        echo "$packages"
        [ "$status" -eq 77 ] || return 1
        skipped_because+=("Debian 13's arm64 package: ${packages#skipped: }")
        part_skipped=1
        return 0
    fi
    log=$(mktemp)
    tests/release/arm64_test.sh "$packages" "$build" 2>&1 | tee "$log"
    status=${PIPESTATUS[0]}
    count_rows "$log" "$status"
    rm -f "$log"
}

# The roots the parts of DEBIAN... use, in two makers beside this machine's own parts, which need
# the processors more: the other Debian's root to test in, with what its run installs; and the
# release check's clean roots, then the emulated arm64 root. A part that needs a root waits for
# its maker, and makes the root itself if the maker could not.
make_test_roots() {
    local debian release root
    for debian in "$@"; do
        [ "${debian#debian-}" != "$own" ] || continue
        release=$(codename "$debian")
        root=$(scripts/debian-root.sh make "$release") && copy_tree "$root/root/morvatek" &&
            scripts/debian-root.sh run "$release" /root/morvatek/scripts/install-deps.sh linux windows web release arm64
    done
}
make_check_roots() {
    local release
    for release in ${MORVATEK_RELEASE_DEBIANS-bookworm trixie}; do
        scripts/debian-root.sh make "$release-build" && scripts/debian-root.sh make "$release-check"
    done
    [ "$1" != trixie-arm64 ] || scripts/debian-root.sh make trixie-arm64
}
