# A private X server for a script or test, sourced: `start_xvfb [WIDTHxHEIGHTxDEPTH]` starts Xvfb
# on a display the server picks itself (-displayfd), waits until it takes clients, exports
# DISPLAY and XVFB_PID, and stops the server when the script exits.
start_xvfb() {
    local size=${1:-1024x768x24}
    local ready
    ready=$(mktemp -u)
    mkfifo "$ready"
    Xvfb -displayfd 3 -screen 0 "$size" -nolisten tcp 3>"$ready" >/dev/null 2>&1 &
    XVFB_PID=$!
    trap 'kill "$XVFB_PID" 2>/dev/null || true' EXIT
    # The server writes its display number once it accepts clients; if it dies first, the pipe
    # closes and the read fails.
    local number=""
    read -r -t 30 number <"$ready" || true
    rm -f "$ready"
    if [ -z "$number" ]; then
        echo "Xvfb did not start" >&2
        return 1
    fi
    export DISPLAY=:$number XVFB_PID
}
