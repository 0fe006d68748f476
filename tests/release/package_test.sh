#!/usr/bin/env bash
# Builds the Debian package and checks that it holds the program, the desktop entry and the icon.
set -euo pipefail
build_dir=$1
app_id=$2
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

cpack --config "$build_dir/CPackConfig.cmake" -B "$work" >"$work/cpack.log" 2>&1 || {
    cat "$work/cpack.log"
    exit 1
}
package=$(ls "$work"/*.deb)
dpkg-deb -c "$package" | awk '{print $NF}' >"$work/files"
status=0
for path in ./usr/bin/morvatek ./usr/share/applications/$app_id.desktop \
    ./usr/share/icons/hicolor/32x32/apps/$app_id.png; do
    if grep -qxF "$path" "$work/files"; then echo "ok: $path"; else echo "FAIL: $path not packaged"; status=1; fi
done
depends=$(dpkg-deb -f "$package" Depends)
echo "Depends: $depends"
case "$depends" in *libqt6widgets6*) ;; *) echo "FAIL: no dependency on Qt Widgets"; status=1 ;; esac
exit $status
