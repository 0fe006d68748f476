#!/usr/bin/env bash
# Installs with apt-get whatever the builds, the tests and the programs need and the machine lacks.
# usage: scripts/install-deps.sh [linux] [windows] [web] [release] [arm64] [extra-package ...]
#        (default: linux)
set -euo pipefail

linux=(
    cmake ninja-build g++ pkg-config dpkg-dev file
    qt6-base-dev qt6-base-private-dev libgl-dev qt6-translations-l10n
    libgtest-dev libbenchmark-dev
    libx11-dev libxdamage-dev libxtst-dev libfontconfig-dev
    fonts-liberation fontconfig
    xvfb xauth xdotool x11-utils
    binutils-mingw-w64-x86-64 desktop-file-utils appstream lintian man-db
    orca at-spi2-core dbus-daemon
)
windows=(
    cmake ninja-build googletest g++-mingw-w64-x86-64-posix binutils-mingw-w64-x86-64
    g++-mingw-w64-i686-posix binutils-mingw-w64-i686
    wixl msitools faketime zip dpkg-dev wine wine64 xvfb fonts-liberation
    osslsigncode openssl softhsm2 libengine-pkcs11-openssl
)
release=(
    git osslsigncode openssl faketime zip dpkg-dev mmdebstrap reprepro gpg gpg-agent appstream
)
web=(
    cmake ninja-build googletest emscripten nodejs chromium firefox-esr fonts-liberation poppler-utils
    webkit2gtk-driver xvfb
)
# The core's tests for arm64, cross-built and run under qemu-aarch64, and arm64 roots made through
# it. Debian 13's qemu-user is static itself, where Debian 12 has qemu-user-static; neither
# registers an emulator with the kernel, since no binfmt package comes with it.
arm64=(cmake ninja-build googletest g++-aarch64-linux-gnu arch-test)
if [ "$(. /etc/os-release && echo "$VERSION_ID")" = 12 ]; then
    arm64+=(qemu-user-static)
else
    arm64+=(qemu-user)
fi
# Some machines have a Node.js that brings its own npm; Debian's comes in a package of its own.
if ! command -v npm >/dev/null; then
    web+=(npm)
fi

packages=()
for argument in "$@"; do
    case $argument in
    linux) packages+=("${linux[@]}") ;;
    windows) packages+=("${windows[@]}") ;;
    web) packages+=("${web[@]}") ;;
    release) packages+=("${release[@]}") ;;
    arm64) packages+=("${arm64[@]}") ;;
    *) packages+=("$argument") ;;
    esac
done
[ $# -eq 0 ] && packages=("${linux[@]}")
here=$(dirname "$0")

missing=()
for package in "${packages[@]}"; do
    if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'install ok installed'; then
        missing+=("$package")
    fi
done

sudo=""
if [ "$(id -u)" -ne 0 ]; then
    sudo="sudo"
fi
# A mirror being synced serves indexes that do not match its Release file, for hours at times;
# apt-get update then goes on without them and says nothing in its status. It is asked to fail
# instead, and tried again after a pause (MORVATEK_APT_PAUSE seconds, growing). Where every try
# fails, set-up stops with apt's message: without the indexes, a package would be missing later.
pause=${MORVATEK_APT_PAUSE:-20}
update_indexes() {
    local attempt
    for attempt in 1 2 3 4; do
        $sudo apt-get update -qq --error-on=any && return 0
        [ "$attempt" -eq 4 ] || { echo "An index failed; apt-get update again in $((attempt * pause)) s"; sleep $((attempt * pause)); }
    done
    echo "install-deps.sh: apt-get update failed four times, as apt says above; try again later" >&2
    exit 1
}
install() {
    echo "Installing: $*"
    if [[ " $*" == *:i386* ]] && ! dpkg --print-foreign-architectures | grep -qx i386; then
        $sudo dpkg --add-architecture i386
    fi
    update_indexes
    DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "$@"
}
[ ${#missing[@]} -eq 0 ] || install "${missing[@]}"

# The 32-bit Windows program runs where the 64-bit Wine starts 32-bit programs itself (WoW64);
# elsewhere it needs the 32-bit Wine from Debian's i386 architecture. On a machine that runs no
# 32-bit programs that one cannot start, and Debian's wine command would then try it first and
# fail for every program, 64-bit ones too: there it is not installed at all. The answer is kept
# for the Wine installed now. Where apt cannot install it (a mirror midway through a sync), the
# 32-bit Windows tests are skipped with apt's reason (MORVATEK_WINE32_MISSING names the file that
# keeps it) and everything else runs.
[[ " $* " == *" windows "* ]] || exit 0
missing32=${MORVATEK_WINE32_MISSING:-${XDG_CACHE_HOME:-$HOME/.cache}/morvatek/wine32-missing}
rm -f "$missing32"
dpkg-query -W -f='${Status}' wine32:i386 2>/dev/null | grep -q 'install ok installed' && exit 0
wine_version=$(dpkg-query -W -f='${Version}' wine64)
answer=${XDG_CACHE_HOME:-$HOME/.cache}/morvatek/wow64-$wine_version
if [ -f "$answer" ] || why=$("$here/wine-wow64.sh"); then
    mkdir -p "${answer%/*}" && touch "$answer"
    echo "The 64-bit Wine starts 32-bit Windows programs itself: no 32-bit Wine is needed."
elif why32=$("$here/runs-32bit.sh"); then
    said=$(install wine32:i386 2>&1) && exit 0
    echo "$said"
    mkdir -p "${missing32%/*}"
    grep -E '^(E: | [^ ].* : Depends: )' <<<"$said" | sed 's/^ *//' | paste -sd ';' | sed 's/;/; /g' >"$missing32"
    echo "Not installing the 32-bit Wine (wine32:i386): apt could not: $(cat "$missing32")"
else
    echo "Not installing the 32-bit Wine (wine32:i386), $why32; $why."
fi
