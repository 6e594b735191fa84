#!/usr/bin/env bash
# Inside run-with-mozc.sh's D-Bus session: starts the X server and the ibus
# daemon with mozc switched on at launch, then runs the program with Qt's
# ibus input context.
set -euo pipefail
mkdir -p "$XDG_CONFIG_HOME/mozc" "$XDG_RUNTIME_DIR" "$XDG_CACHE_HOME"
chmod 700 "$XDG_RUNTIME_DIR"
# mozc lists only the engines its configuration names, so the file names
# the Japanese engine besides switching input on at launch.
cat > "$XDG_CONFIG_HOME/mozc/ibus_config.textproto" <<'CONFIG'
engines {
  name : "mozc-jp"
  longname : "Mozc"
  layout : "default"
  layout_variant : ""
  layout_option : ""
  rank : 80
}
active_on_launch: True
CONFIG

. "$(dirname "$0")/../support/xvfb.sh"
start_xvfb "$TMPDIR/xvfb.log"

ibus-daemon --replace --panel=disable >"$TMPDIR/ibus.log" 2>&1 &
ibus_pid=$!
trap 'kill "$ibus_pid" "$xvfb_pid" 2>/dev/null || true' EXIT
for _ in $(seq 100); do
    ibus list-engine >/dev/null 2>&1 && break
    sleep 0.1
done
# The program finds the daemon by this address rather than by a file named
# after the machine id, which a bare CI machine may lack.
IBUS_ADDRESS=$(ibus address)
export IBUS_ADDRESS

export QT_IM_MODULE=ibus QT_QPA_PLATFORM=xcb
"$@"
