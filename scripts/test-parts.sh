# The parts of the test command on one Debian, sourced by scripts/test.sh: each build is a preset
# of CMakePresets.json, configured, built and tested by its workflow, as `cmake --workflow
# --preset NAME` does by hand; then the release check.

# The folder a preset builds in.
build_folder() { [ "$1" = linux ] && echo build || echo "build-$1"; }

# preset NAME: the preset's workflow; its tests count as the part's.
preset() {
    local build log status
    build=$(build_folder "$1")
    rm -f "$build/ctest-results.xml"
    log=$(mktemp)
    cmake --workflow --preset "$1" 2>&1 | tee "$log"
    status=${PIPESTATUS[0]}
    count_tests "$log" "$status" "$build/ctest-results.xml"
    rm -f "$log"
}

# Two releases, each with both Debians' packages for amd64 and arm64 built in clean roots, then
# Debian's checks of the packages; a hang fails here rather than eating CI's time. The first
# release's packages are kept for the other Debian's leg and the arm64 checks. Where no clean
# root can be made here (not root, no mount namespace), the Debian packages are left out and
# skipped with the reason. MORVATEK_RELEASE_ONCE=yes builds one release, as the other Debian's
# leg does: this machine's release check is the one that builds it twice.
release() {
    local log status debians=${MORVATEK_RELEASE_DEBIANS-bookworm trixie} why
    if [ -n "$debians" ] && ! why=$(scripts/debian-root.sh make "${debians%% *}-build") &&
        [[ $why == skipped:* ]]; then
        echo "$why"
        skipped_because+=("the release's Debian packages: ${why#skipped: }")
        part_skipped=1 debians=""
    fi
    log=$(mktemp)
    MORVATEK_RELEASE_DEBIANS=$debians MORVATEK_KEEP_PACKAGES=$PWD/build-debian \
        timeout 2400 tests/release/reproducible_test.sh 2>&1 | tee "$log"
    status=${PIPESTATUS[0]}
    count_rows "$log" "$status"
    rm -f "$log"
}

own_parts() {
    scripts/install-deps.sh linux windows web release arm64 || exit 1
    local debian="Debian $own: "
    part "${debian}Linux" preset linux
    part "${debian}Linux, sanitizers" preset sanitize
    part "${debian}Linux arm64, the core's tests under qemu-aarch64" preset arm64
    part "${debian}Windows, 32-bit, under Wine" preset windows-32
    part "${debian}Windows, 64-bit, under Wine" preset windows-64
    part "${debian}Web, under Node.js, in Chromium, Firefox ESR and WebKit" preset web
    local built="built twice the same; Debian packages checked"
    [ -z "${MORVATEK_RELEASE_ONCE:-}" ] || built="built once"
    part "${debian}Release: $built" release
}
