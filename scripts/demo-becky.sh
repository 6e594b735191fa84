#!/usr/bin/env bash
# Makes a small stand-in for a Wine prefix with Becky! set up, so Horonami
# can be tried without Wine or Becky: user.reg with Becky's data folder
# C:\Becky\ and two accounts, the C: drive link and the two accounts' mail
# folders. Then prints the command that starts Horonami on it.
#
#   scripts/demo-becky.sh DIR
set -euo pipefail

if [ $# -ne 1 ] || [ -z "$1" ]; then
    echo "usage: $0 DIR" >&2
    exit 2
fi
if [ -e "$1/user.reg" ] || [ -e "$1/system.reg" ]; then
    echo "$1 is a Wine prefix already; choose another folder." >&2
    exit 1
fi

mkdir -p "$1"
dir=$(cd "$1" && pwd)
now=$(date +%s)

mkdir -p "$dir/dosdevices" "$dir/drive_c/Becky/User0/OutBox" "$dir/drive_c/Becky/User1/OutBox"
ln -sfn ../drive_c "$dir/dosdevices/c:"

# Wine's format: backslashes doubled, non-ASCII as \x escapes (\x643a\x5e2f
# is 携帯), MailDirNo as raw bytes the way Becky keeps it.
cat > "$dir/user.reg" <<EOF
WINE REGISTRY Version 2
;; All keys relative to REGISTRY\\\\User\\\\S-1-5-21-0-0-0-1000

#arch=win64

[Software\\\\RIMArts\\\\Rebecca\\\\Settings] $now
"HomeDir"="C:\\\\Becky\\\\"

[Software\\\\RIMArts\\\\Rebecca\\\\Users\\\\0] $now
"Account"="provider"
"Address"="taro@provider.example.jp"
"MailDirNo"=hex:00,00,00,00

[Software\\\\RIMArts\\\\Rebecca\\\\Users\\\\1] $now
"Account"="\\x643a\\x5e2f"
"Address"="taro@docomo.ne.jp"
"MailDirNo"=hex:01,00,00,00
EOF

echo "Becky stand-in ready in $dir"
echo "Start Horonami on it with:"
echo "  WINEPREFIX=$dir ./run.sh"
