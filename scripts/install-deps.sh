#!/usr/bin/env bash
# Installs every Debian package the build, the trainer, the game library and the tests need.
# Safe to run again: apt-get skips what is already there.
set -euo pipefail

PACKAGES=(
  build-essential cmake pkg-config git
  qt6-base-dev qt6-base-dev-tools qt6-tools-dev qt6-tools-dev-tools
  qt6-webengine-dev qt6-webengine-dev-tools qt6-multimedia-dev
  libqt6sql6-sqlite libqt6svg6-dev qt6-l10n-tools
  libgl-dev libxkbcommon-dev
  libsqlite3-dev sqlite3
  libsdl2-dev libsdl2-image-dev libsdl2-mixer-dev
  libfreetype-dev libfontconfig-dev
  fonts-wqy-zenhei fonts-noto-cjk
  libgtest-dev libgmock-dev googletest libbenchmark-dev
  xvfb xauth x11-utils imagemagick sox xdotool
  python3-aiosmtpd
)

missing=()
for p in "${PACKAGES[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0

SUDO=""
[ "$(id -u)" -ne 0 ] && SUDO="sudo"
export DEBIAN_FRONTEND=noninteractive
$SUDO apt-get update -qq
$SUDO apt-get install -y -qq --no-install-recommends "${missing[@]}"
