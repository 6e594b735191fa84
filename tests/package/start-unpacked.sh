#!/usr/bin/env bash
# The executable unpacked from the package starts on an X server and, on a
# machine without Becky, reaches its first window: the question whether
# Becky is installed. Being installed, it keeps its files in the per-user
# folder, never beside the executable.
#
#   start-unpacked.sh PACKAGE_FOLDER
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
package=$(ls "$1"/horonami_*.deb)
root=$(mktemp -d)
. "$here/../support/xvfb.sh"
start_xvfb "$root/xvfb.log"
trap 'kill "${program_pid:-}" "$xvfb_pid" 2>/dev/null || true; rm -rf "$root"' EXIT

dpkg-deb -x "$package" "$root/unpacked"
mkdir "$root/home"
HOME="$root/home" XDG_DATA_HOME="$root/home/data" WINEPREFIX="$root/no-wine" QT_QPA_PLATFORM=xcb \
    "$root/unpacked/usr/bin/horonami" >"$root/program.log" 2>&1 &
program_pid=$!

title='Beckyインストールされてますか？'
for _ in $(seq 150); do
    if xdotool search --name "$title" >/dev/null 2>&1; then
        listed=$(ls -A "$root/unpacked/usr/bin")
        [ "$listed" = horonami ] || { echo "written beside the executable: $listed"; exit 1; }
        [ -d "$root/home/data/Horonami" ] || { echo "no per-user folder"; exit 1; }
        exit 0
    fi
    kill -0 "$program_pid" 2>/dev/null || { echo "the program ended:"; cat "$root/program.log"; exit 1; }
    sleep 0.2
done
echo "no window titled $title"
cat "$root/program.log"
exit 1
