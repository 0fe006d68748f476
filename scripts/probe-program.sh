# Starts a program of a few bytes, for runs-32bit.sh and runs-arm64.sh, which source this: the
# kernel's answer tells whether the machine runs programs of that architecture.
# start_probe BYTES: writes BYTES (printf escapes) as a program and starts it; prints what it
# said and returns its status.
start_probe() {
    local work status
    work=$(mktemp -d) || return 126
    printf "$1" >"$work/probe" && chmod +x "$work/probe"
    "$work/probe" 2>&1
    status=$?
    rm -rf "$work"
    return $status
}
