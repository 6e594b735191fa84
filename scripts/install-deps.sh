#!/usr/bin/env bash
# Installs the Debian packages Horonami needs to build, run and test, and
# any further packages named as arguments, skipping those already installed.
set -euo pipefail
packages=(
  build-essential cmake pkg-config
  qt6-base-dev qt6-translations-l10n libgl-dev
  libicu-dev libfontconfig-dev
  libgtest-dev libgmock-dev libbenchmark-dev
  fonts-ipafont-gothic fonts-ipafont-mincho
  unicode-data unicode-cldr-core fonts-noto-color-emoji python3-fonttools
  xvfb xauth
  libx11-dev
  desktop-file-utils appstream librsvg2-bin dpkg-dev file lintian
  ibus ibus-mozc xdotool dbus-daemon
  "$@"
)
missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
if ((${#missing[@]})); then
  sudo=""
  [ "$(id -u)" -eq 0 ] || sudo="sudo"
  export DEBIAN_FRONTEND=noninteractive
  $sudo apt-get update -qq
  $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi
