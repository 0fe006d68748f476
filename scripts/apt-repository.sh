#!/usr/bin/env bash
# Makes Morvatek's apt repository with reprepro: one suite per Debian release (bookworm, trixie),
# each holding that release's packages for amd64 and arm64 (apt takes the machine's own) and the
# source package they were built from, plus the
# deb822 sources file a school drops into /etc/apt/sources.list.d/ for each suite. Its files are
# static, for the website's apt/ path, and the same bytes for the same packages: every time in
# them is SOURCE_DATE_EPOCH. Given the archive's OpenPGP key it signs each suite (InRelease and
# Release.gpg) and writes the public key, morvatek-archive-keyring.asc; a signature carries its
# signing time. The key comes from the environment and is never stored in the repository:
#   MORVATEK_APT_KEY             a file holding the secret key (armoured or not)
#   MORVATEK_APT_PASSWORD_FILE   a file holding its passphrase, if it has one
# or, for a key on a smart card or token that GnuPG reaches (its scdaemon, or a PKCS#11 token
# through gnupg-pkcs11-scd configured there):
#   MORVATEK_APT_GNUPGHOME       the GnuPG home that knows the key
#   MORVATEK_APT_KEY_ID          the key's fingerprint
#   MORVATEK_APT_PASSWORD_FILE   the card's PIN, if it asks for one
# usage: scripts/apt-repository.sh OUT_FOLDER PACKAGE_FOLDER...
#        (each PACKAGE_FOLDER as scripts/build-debian-package.sh writes it, one per release)
set -euo pipefail
fail() { echo "apt-repository.sh: $*" >&2; exit 1; }
out=$(realpath -m "$1")
shift
site=${MORVATEK_APT_URL:-https://www.morvatek.example/apt}
export SOURCE_DATE_EPOCH=${SOURCE_DATE_EPOCH:?gives every time in the repository}
[ ! -e "$out" ] || fail "$out is there already; the repository goes into a new folder"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
mkdir -p "$work/conf" "$out"

signed=""
key_id=""
if [ -n "${MORVATEK_APT_KEY:-}${MORVATEK_APT_GNUPGHOME:-}" ]; then
    signed=yes
    if [ -n "${MORVATEK_APT_GNUPGHOME:-}" ]; then
        export GNUPGHOME=$MORVATEK_APT_GNUPGHOME
        key_id=${MORVATEK_APT_KEY_ID:?names the key in MORVATEK_APT_GNUPGHOME}
    else
        export GNUPGHOME=$work/gnupg
        mkdir -m 700 "$GNUPGHOME"
        gpg --batch --quiet --pinentry-mode loopback \
            ${MORVATEK_APT_PASSWORD_FILE:+--passphrase-file "$MORVATEK_APT_PASSWORD_FILE"} \
            --import "$MORVATEK_APT_KEY" 2>"$work/gpg.log" || { cat "$work/gpg.log" >&2; fail "cannot read the key $MORVATEK_APT_KEY"; }
        key_id=$(gpg --batch --with-colons --list-secret-keys | awk -F: '$1 == "fpr" { print $10; exit }')
        [ -n "$key_id" ] || fail "$MORVATEK_APT_KEY holds no secret key"
    fi
fi

suites=()
architectures="amd64 arm64"
for folder in "$@"; do
    for architecture in $architectures; do
        [ -n "$(ls "$folder"/morvatek_*_"$architecture".deb 2>/dev/null)" ] ||
            fail "$folder holds no $architecture package: each suite carries $architectures"
    done
    changes=$(ls "$folder"/morvatek_*_amd64.changes)
    suite=$(sed -n 's/^Distribution: //p' "$changes")
    suites+=("$suite")
    cat >>"$work/conf/distributions" <<EOF
Origin: Morvatek
Label: Morvatek
Codename: $suite
Architectures: $architectures source
Components: main
Description: Morvatek for Debian $suite
DebIndices: Packages Release . .gz .xz
DscIndices: Sources Release . .gz .xz

EOF
done
# reprepro dates each suite now; here it is SOURCE_DATE_EPOCH.
repository() {
    faketime -f "@$(date -u -d "@$SOURCE_DATE_EPOCH" '+%F %T')" \
        reprepro --silent --basedir "$work" --outdir "$out" "$@"
}
for folder in "$@"; do
    suite=$(sed -n 's/^Distribution: //p' "$folder"/morvatek_*_amd64.changes)
    repository includedsc "$suite" "$folder"/morvatek_*.dsc
    for architecture in $architectures; do
        repository includedeb "$suite" "$(ls "$folder"/morvatek_*_"$architecture".deb)"
    done
done
repository export

for suite in "${suites[@]}"; do
    mkdir "$out/$suite"
    cat >"$out/$suite/morvatek.sources" <<EOF
Types: deb
URIs: $site
Suites: $suite
Components: main
Signed-By: /etc/apt/keyrings/morvatek-archive-keyring.asc
EOF
    [ -n "$signed" ] || continue
    sign=(gpg --batch --yes --quiet --pinentry-mode loopback --local-user "$key_id" --digest-algo SHA512
          ${MORVATEK_APT_PASSWORD_FILE:+--passphrase-file "$MORVATEK_APT_PASSWORD_FILE"})
    "${sign[@]}" --clearsign -o "$out/dists/$suite/InRelease" "$out/dists/$suite/Release" ||
        fail "could not sign the $suite suite"
    "${sign[@]}" --armor --detach-sign -o "$out/dists/$suite/Release.gpg" "$out/dists/$suite/Release"
done
if [ -n "$signed" ]; then
    gpg --batch --armor --export "$key_id" >"$out/morvatek-archive-keyring.asc"
fi
find "$out" -exec touch -h -d "@$SOURCE_DATE_EPOCH" {} +
