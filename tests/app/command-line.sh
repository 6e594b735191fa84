#!/usr/bin/env bash
# The program answers --help and --version and refuses an unknown option
# before it reaches the window system: no display is needed.
#
#   command-line.sh PROGRAM
set -u
program=$1
unset DISPLAY WAYLAND_DISPLAY QT_QPA_PLATFORM
out=$(mktemp) err=$(mktemp)
trap 'rm -f "$out" "$err"' EXIT
failed=0

# expect STATUS ARGUMENT...: runs the program, which must end with STATUS.
expect() {
    local wanted=$1
    shift
    "$program" "$@" >"$out" 2>"$err"
    local status=$?
    if [ "$status" -ne "$wanted" ]; then
        echo "horonami $*: status $status, not $wanted"
        cat "$out" "$err"
        failed=1
    fi
}

expect 0 --version
grep -qx 'Horonami [0-9]*\.[0-9]*\.[0-9]*' "$out" || { echo "--version printed: $(cat "$out")"; failed=1; }
expect 0 --help
grep -q -- '--version' "$out" || { echo "--help printed: $(cat "$out")"; failed=1; }
expect 2 --bogus
grep -q bogus "$err" && [ ! -s "$out" ] || { echo "--bogus printed: $(cat "$out" "$err")"; failed=1; }
exit $failed
