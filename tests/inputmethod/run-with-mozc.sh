#!/usr/bin/env bash
# Runs a program in a desktop session of its own with Japanese input through
# ibus and mozc: an X server, a D-Bus session and an ibus daemon, with the
# configuration and runtime folders in a temporary folder. mozc's server
# refuses to run as root, so under root the session belongs to an ordinary
# user (created when missing).
#
#   run-with-mozc.sh PROGRAM [ARGUMENTS...]
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
user=horonami-input
work=$(mktemp -d /tmp/horonami-input.XXXXXX)
# mozc's server outlives the session; it and anything else of this session
# is known by the session's temporary folder in its environment.
end_session() {
    local process
    for process in /proc/[0-9]*; do
        if tr '\0' '\n' <"$process/environ" 2>/dev/null | grep -qxF "TMPDIR=$work"; then
            kill "${process#/proc/}" 2>/dev/null || true
        fi
    done
    rm -rf "$work"
}
trap end_session EXIT
chmod 755 "$work"
mkdir -m 700 "$work/runtime"
# The session's user may not reach the build folder (a checkout under
# /root): it runs copies of the program and the session scripts.
mkdir -p "$work/bin/inputmethod" "$work/bin/support"
cp "$1" "$work/bin/program"
cp "$here/mozc-session.sh" "$work/bin/inputmethod/"
cp "$here/../support/xvfb.sh" "$work/bin/support/"
shift

run_as=()
if [ "$(id -u)" -eq 0 ]; then
    id -u "$user" >/dev/null 2>&1 \
        || useradd --system --no-create-home --home-dir /nonexistent --shell /usr/sbin/nologin "$user"
    chown -R "$user" "$work"
    run_as=(runuser -u "$user" --)
fi

"${run_as[@]}" env -i PATH="$PATH" LANG=C.UTF-8 HOME="$work" TMPDIR="$work" \
    XDG_CONFIG_HOME="$work/config" XDG_RUNTIME_DIR="$work/runtime" XDG_CACHE_HOME="$work/cache" \
    dbus-run-session -- "$work/bin/inputmethod/mozc-session.sh" "$work/bin/program" "$@"
