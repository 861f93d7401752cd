#!/usr/bin/env bash
# Installs Debian's wine with its 32-bit part, which runs the 32-bit Windows programs the tests build.
# Safe to run again and by several callers: it adds the i386 architecture and installs only what is
# missing, and waits for another apt run to finish instead of failing on its lock.
set -euo pipefail
PACKAGES=(wine wine32:i386)
SUDO=""
[ "$(id -u)" -eq 0 ] || SUDO="sudo"
APT=($SUDO env DEBIAN_FRONTEND=noninteractive apt-get -q -o DPkg::Lock::Timeout=600)

dpkg --print-foreign-architectures | grep -qx i386 || $SUDO dpkg --add-architecture i386
missing=()
for p in "${PACKAGES[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if ((${#missing[@]})); then
  "${APT[@]}" update
  "${APT[@]}" install -y --no-install-recommends "${missing[@]}"
fi
