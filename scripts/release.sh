#!/usr/bin/env bash
# Builds every release artefact from the committed tree into dist/ (or the folder named):
#   morvatek_VERSION-1~deb12u1_{amd64,arm64}.deb    Linux: Debian 12 (bookworm), PC and arm64
#   morvatek_VERSION-1~deb13u1_{amd64,arm64}.deb    Linux: Debian 13 (trixie), PC and arm64
#   morvatek_VERSION.orig.tar.xz, morvatek_VERSION-1~debNNu1.dsc and .debian.tar.xz
#                                                   the source packages they were built from
#   morvatek-VERSION-apt.tar.gz                     the apt repository, for the website's apt/
#   Morvatek-VERSION-win64.zip, Morvatek-VERSION.msi           64-bit Windows
#   Morvatek-VERSION-win32.zip, Morvatek-VERSION-win32.msi     32-bit Windows
#   morvatek.html                                   the page, one file
#   morvatek-VERSION-site.tar.gz                    the installable web app for a school's server
#   SHA256SUMS
# The same commit gives the same bytes in any folder, at any time, with any umask, locale or time
# zone: every time inside is the commit's (SOURCE_DATE_EPOCH). With a code-signing certificate
# in the environment (see scripts/codesign.sh) the Windows programs and MSIs are signed, and with
# the archive's OpenPGP key (see scripts/apt-repository.sh) the apt repository is.
# Each Debian package is built in a clean root of its release (scripts/debian-root.sh); where none
# can be made the release stops and says why, unless MORVATEK_RELEASE_DEBIANS names the releases
# to build ("bookworm trixie" unless set; empty for none).
# The dist folder is new, empty, or holds exactly an earlier release (its SHA256SUMS and the
# files listed there, unchanged), which is replaced; anything else is refused and left as it is.
# usage: scripts/release.sh [DIST_FOLDER]
set -euo pipefail
cd "$(dirname "$0")/.."
source_dir=$PWD
if [ -n "$(git status --porcelain)" ]; then
    echo "release.sh: the tree has uncommitted changes; a release is built from a commit:" >&2
    git status --short >&2
    exit 1
fi
dist=$(realpath -m "${1:-dist}")

# The names an earlier release in the dist folder lists, one a line.
listed_files() { sed -E 's/^[0-9a-f]{64} [ *]//' "$dist/SHA256SUMS"; }

# Refuses a dist folder that is neither new, nor empty, nor exactly an earlier release.
check_dist() {
    local refuse="release.sh: refusing to write the release into $dist, which"
    local hint="choose a new or empty folder; nothing was changed"
    [ -e "$dist" ] || return 0
    [ -d "$dist" ] && [ ! -L "$dist" ] || { echo "$refuse is not a folder; $hint" >&2; exit 1; }
    [ -n "$(ls -A "$dist")" ] || return 0
    if [ ! -f "$dist/SHA256SUMS" ] || grep -qvE '^[0-9a-f]{64} [ *][^/]+$' "$dist/SHA256SUMS"; then
        echo "$refuse holds $(ls -A "$dist" | grep -vx SHA256SUMS | head -n 1) and no earlier" \
            "release (no SHA256SUMS listing its files); $hint" >&2
        exit 1
    fi
    local name
    while IFS= read -r name; do
        if [ "$name" != SHA256SUMS ] && ! listed_files | grep -qxF -- "$name" ||
            [ ! -f "$dist/$name" ] || [ -L "$dist/$name" ]; then
            echo "$refuse holds $name, which is not part of the earlier release there; $hint" >&2
            exit 1
        fi
    done < <(ls -A "$dist")
    (cd "$dist" && sha256sum --quiet --strict -c SHA256SUMS >/dev/null 2>&1) ||
        { echo "$refuse holds an earlier release whose files were changed; $hint" >&2; exit 1; }
}
check_dist
scripts/install-deps.sh linux windows web release
builds=${MORVATEK_RELEASE_BUILDS:-$source_dir/build-dist}
SOURCE_DATE_EPOCH=$(git log -1 --format=%ct)
export SOURCE_DATE_EPOCH TZ=UTC LC_ALL=C.UTF-8
umask 022

signing="unsigned: no code-signing certificate given (see scripts/codesign.sh)"
if scripts/codesign.sh configured; then
    scripts/codesign.sh check
    signing="signed"
fi
debians=${MORVATEK_RELEASE_DEBIANS-bookworm trixie}
if [ -n "$debians" ] && [ -z "${MORVATEK_APT_KEY:-}${MORVATEK_APT_GNUPGHOME:-}" ]; then
    signing+="; apt repository unsigned: no archive key given (see scripts/apt-repository.sh)"
fi

# Everything is made aside and only a whole release goes to the dist folder.
staging=$(mktemp -d)
trap 'rm -rf "$staging"' EXIT
packages=()
# archive FOLDER FILE: FOLDER's files in a .tar.gz with sorted entries, the commit's time and no
# owners.
archive() {
    tar --sort=name --mtime="@$SOURCE_DATE_EPOCH" --owner=0 --group=0 --numeric-owner \
        --mode=u=rwX,go=rX --format=gnu -C "$1" -cf - . | gzip -9 -n >"$2"
}

version=$(dpkg-parsechangelog -l resources/changelog -S Version)
for debian in $debians; do
    echo "== Linux, Debian $debian"
    rm -rf "$builds/debian-$debian"
    status=0
    said=$(scripts/build-debian-package.sh "$debian" "$builds/debian-$debian") || status=$?
    if [ "$status" -eq 77 ]; then
        echo "release.sh: cannot build the package for Debian $debian: ${said#skipped: }." \
            "MORVATEK_RELEASE_DEBIANS names the releases to build." >&2
        exit 1
    fi
    [ "$status" -eq 0 ] || exit "$status"
    cp "$builds/debian-$debian"/morvatek_*{.orig.tar.xz,.dsc,.debian.tar.xz,_amd64.deb,_arm64.deb} "$staging/"
    packages+=("$builds/debian-$debian")
done
if [ -n "$debians" ]; then
    echo "== apt repository"
    scripts/apt-repository.sh "$staging/apt" "${packages[@]}"
    archive "$staging/apt" "$staging/morvatek-$version-apt.tar.gz"
    rm -rf "$staging/apt"
fi

for bits in 64 32; do
    echo "== Windows, $bits-bit"
    cmake --preset "release-windows-$bits" -B "$builds/windows-$bits" >/dev/null
    cmake --build "$builds/windows-$bits" --target Morvatek
    scripts/release-windows.sh "$builds/windows-$bits" "$staging"
done

echo "== Web"
scripts/release-web.sh "$builds/web"
cp "$builds/web/morvatek.html" "$staging/"
archive "$builds/web/site" "$staging/morvatek-$version-site.tar.gz"

(cd "$staging" && sha256sum -- * >SHA256SUMS)
# Only the earlier release's own files go, and only once the new one is complete.
check_dist
if [ -d "$dist" ]; then
    listed_files | while IFS= read -r name; do rm -f -- "$dist/$name"; done
    rm -f -- "$dist/SHA256SUMS"
    mv -- "$staging"/* "$dist/"
    rmdir "$staging"
else
    mkdir -p "$(dirname "$dist")"
    mv "$staging" "$dist"
    chmod 755 "$dist"
fi
trap - EXIT
echo "Morvatek $version, $(git log -1 --format=%h), $signing:"
(cd "$dist" && ls -l)
echo "in $dist"
