# Sourced by the test scripts: start_xvfb starts an X server on a free
# display, exports DISPLAY and stops the server when the script exits.
start_xvfb() {
    local log=$1 number fd
    # The server writes its display number to the descriptor once it is ready.
    exec {fd}<> <(:)
    Xvfb -displayfd "$fd" -screen 0 1280x1024x24 -nolisten tcp >"$log" 2>&1 &
    xvfb_pid=$!
    trap 'kill "$xvfb_pid" 2>/dev/null || true' EXIT
    read -r -t 30 -u "$fd" number
    exec {fd}<&-
    export DISPLAY=":$number"
}
