# The kinds of root scripts/debian-root.sh makes, which sources this with `here`, `name`,
# `kind` and `root` set: what each holds, and what is added to it once mmdebstrap has made it.

# What a root of this kind holds: mmdebstrap's variant and the packages it adds on the first
# line, then what more it holds: a build root the Build-Depends, for amd64 and cross-built for
# arm64; an arm64 root its architecture. A root made for other contents is made anew.
contents() {
    case $kind in
    "") echo "minbase ca-certificates,git,procps" ;;
    -build)
        echo "buildd ca-certificates"
        echo "cross arm64"
        sed -n '/^Build-Depends/,/^[^ ]/p' "$here/../debian/control"
        ;;
    -check) echo "minbase ca-certificates,lintian,autopkgtest,dpkg-dev,python3" ;;
    -arm64)
        # What the package, its autopkgtest and the road from the apt repository need: Depends by
        # name, its Qt, autopkgtest itself, and dbus-x11 for the session bus, which otherwise
        # brings all of systemd.
        echo "minbase ca-certificates,autopkgtest,python3,dbus-x11,libqt6widgets6,$(runs_with)"
        echo "architecture arm64"
        ;;
    *) echo "debian-root.sh: $name is no kind of root made here" >&2 && exit 2 ;;
    esac
}

# The packages the installed program and its autopkgtest depend on by name.
runs_with() {
    sed -n '/^Depends:/,/^[^ ]/p' "$here/../debian/control" "$here/../debian/tests/control" |
        sed -nE 's/^ ([a-z0-9][a-z0-9.+-]*),?$/\1/p' | grep -vx morvatek | paste -sd,
}

# The architecture a root of this kind runs: this machine's, or an emulated one.
architecture() { contents | sed -n 's/^architecture //p'; }

# What debian/control asks to build Morvatek, for this machine and cross-built for arm64, with
# Debian's cross compilers, and nothing else.
install_build_depends() {
    mkdir -p "$root/root/morvatek/debian"
    cp "$here/../debian/control" "$root/root/morvatek/debian/"
    local install=(env DEBIAN_FRONTEND=noninteractive apt-get -y -qq --no-install-recommends)
    enter dpkg --add-architecture arm64
    update_packages
    enter "${install[@]}" build-dep /root/morvatek >/dev/null
    enter "${install[@]}" install crossbuild-essential-arm64 >/dev/null
    enter "${install[@]}" -a arm64 build-dep /root/morvatek >/dev/null
    enter apt-get clean
    rm -rf "$root/root/morvatek"
}
