#!/usr/bin/env bash
# Installs what building and testing Velmar needs on Debian 12, skipping what is already there.
set -euo pipefail
PACKAGES=(
  build-essential cmake ninja-build ccache pkg-config
  qt6-base-dev qt6-serialport-dev libqt6sql6-sqlite libsqlite3-dev libgl-dev
  googletest libgtest-dev
  python3 xvfb xauth xdotool poppler-utils clang-format
  gcc-mingw-w64-i686 binutils-mingw-w64-i686 nsis
)
missing=()
for p in "${PACKAGES[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if ((${#missing[@]})); then
  SUDO=""
  [ "$(id -u)" -eq 0 ] || SUDO="sudo"
  $SUDO apt-get update -q
  DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y -q --no-install-recommends "${missing[@]}"
fi
