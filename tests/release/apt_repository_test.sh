#!/usr/bin/env bash
# A school's machine and Morvatek's apt repository, in a clean root of the package's Debian
# release (a copy of scripts/debian-root.sh's RELEASE-check, or of the root named, that ends with
# the test), the
# repository served over HTTP on 127.0.0.1 from inside it: signed by a key apt was not given, it
# is refused and nothing is installed; with the sources file and the archive's key,
# `apt-get install morvatek` installs a program that starts; a newer build published later is
# what `apt-get upgrade` takes. The keys are throwaway ones made here. Every suite carries both
# architectures, and apt takes the root's own. The program counts as started when it still runs
# after SECONDS (2; longer where it is emulated).
# usage: apt_repository_test.sh PACKAGE_FOLDER [ARCH [ROOT [SECONDS]]]
#        (as scripts/build-debian-package.sh writes it; amd64 in RELEASE-check unless named)
set -euo pipefail
scripts=$(cd "$(dirname "$0")/../../scripts" && pwd)
packages=$(realpath "$1")
release=$(sed -n 's/^Distribution: //p' "$packages"/morvatek_*_amd64.changes)
arch=${2:-amd64}
root=${3:-$release-check}
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
export GNUPGHOME=$work/gnupg SOURCE_DATE_EPOCH
mkdir -m 700 "$GNUPGHOME"
for signer in archive other; do
    gpg --batch --quiet --passphrase '' --quick-gen-key "Morvatek test $signer" ed25519 sign never \
        2>"$work/gpg.log" || { cat "$work/gpg.log"; exit 1; }
    gpg --batch --armor --export-secret-keys "Morvatek test $signer" >"$work/$signer.key"
done
# The newer build: the same package as version 1.0.0.1.
cp -r "$packages" "$work/newer"
rm "$work"/newer/morvatek_*_"$arch".deb
dpkg-deb -R "$packages"/morvatek_*_"$arch".deb "$work/unpacked"
sed -i 's/^Version: 1\.0\.0\.0-/Version: 1.0.0.1-/' "$work/unpacked/DEBIAN/control"
dpkg-deb --root-owner-group -b "$work/unpacked" "$work/newer/" >/dev/null
# Each published a minute after the one before, all in the past: apt refuses a future date.
SOURCE_DATE_EPOCH=$(($(date +%s) - 600))
publish() {
    MORVATEK_APT_KEY=${1:+$work/$1.key} "$scripts/apt-repository.sh" "$work/site/$2" "$3"
    SOURCE_DATE_EPOCH=$((SOURCE_DATE_EPOCH + 60))
}
publish other foreign "$packages"
publish archive first "$packages"
# The newer one signed as from a token: by the GnuPG home that holds the key.
MORVATEK_APT_GNUPGHOME=$GNUPGHOME MORVATEK_APT_KEY_ID=$(gpg --with-colons --list-keys "Morvatek test archive" |
    awk -F: '$1 == "fpr" { print $10; exit }') publish "" newer "$work/newer"
cp "$work/site/first/morvatek-archive-keyring.asc" "$work/site/first/$release/morvatek.sources" "$work/"
for architecture in amd64 arm64; do
    grep -qx 'Package: morvatek' "$work/site/first/dists/$release/main/binary-$architecture/Packages" ||
        { echo "FAIL: the $release suite carries no $architecture package"; exit 1; }
done
echo "ok: the $release suite carries the amd64 and the arm64 package"

"$scripts/debian-root.sh" run --scratch --bind "$work:/srv" "$root" bash -euc '
    release=$1 arch=$2 seconds=$3
    cd /srv/site
    python3 -u -m http.server --bind 127.0.0.1 0 >/tmp/server.log 2>&1 &
    for _ in $(seq 100); do grep -q "port [0-9]" /tmp/server.log && break; sleep 0.1; done
    port=$(grep -o "port [0-9]*" /tmp/server.log | cut -d" " -f2)
    [ -n "$port" ] || { echo "FAIL: the HTTP server did not start: $(cat /tmp/server.log)"; exit 1; }
    serve() { ln -sfn "$1" /srv/site/apt; }
    cp /srv/morvatek-archive-keyring.asc /etc/apt/keyrings/
    sed "s|^URIs: .*|URIs: http://127.0.0.1:$port/apt|" /srv/morvatek.sources >/etc/apt/sources.list.d/morvatek.sources
    export DEBIAN_FRONTEND=noninteractive
    quietly() { "$@" >/tmp/apt.log 2>&1 || { cat /tmp/apt.log; return 1; }; }

    serve foreign
    ! apt-get update --error-on=any >/tmp/apt.log 2>&1 && ! apt-get install -y -q morvatek >/tmp/apt.log 2>&1 &&
        ! dpkg-query -W -f="\${Status}" morvatek 2>/dev/null | grep -q "ok installed" ||
        { echo "FAIL: a repository signed by another key was not refused"; exit 1; }
    echo "ok: a repository signed by another key is refused, and nothing is installed"

    serve first
    quietly apt-get update --error-on=any && quietly apt-get install -y -q morvatek ||
        { echo "FAIL: apt-get install morvatek"; exit 1; }
    status=0
    [ "$(dpkg-query -W -f="\${Architecture}" morvatek)" = "$arch" ] ||
        { echo "FAIL: apt installed the $(dpkg-query -W -f="\${Architecture}" morvatek) package"; exit 1; }
    QT_QPA_PLATFORM=offscreen XDG_RUNTIME_DIR=$(mktemp -d) timeout "$seconds" morvatek || status=$?
    [ "$status" -eq 124 ] || { echo "FAIL: the installed program ended with status $status"; exit 1; }
    echo "ok: apt-get install morvatek on Debian $release $arch, and the program starts"

    serve newer
    quietly apt-get update --error-on=any && quietly apt-get upgrade -y -q
    version=$(dpkg-query -W -f="\${Version}" morvatek)
    [[ $version == 1.0.0.1-* ]] || { echo "FAIL: apt-get upgrade left $version"; exit 1; }
    echo "ok: apt-get upgrade takes the newer build, $version"' road "$release" "$arch" "${4:-2}"
