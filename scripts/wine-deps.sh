#!/usr/bin/env bash
# Installs what runs the Windows builds: Debian's 64-bit wine and the 64-bit
# mingw-w64 compiler always, and the 32-bit wine (wine, wine32:i386; about
# 700 MB) only where this machine can start 32-bit programs at all
# (scripts/probe-32bit.sh), since elsewhere it could never run.
# Safe to run again and by several callers: it adds the i386 architecture only
# when the 32-bit wine is wanted, installs only what is missing, and waits for
# another apt run to finish instead of failing on its lock.
set -euo pipefail
here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
PACKAGES=(wine64 gcc-mingw-w64-x86-64 binutils-mingw-w64-x86-64)
SUDO=""
[ "$(id -u)" -eq 0 ] || SUDO="sudo"
APT=($SUDO env DEBIAN_FRONTEND=noninteractive apt-get -q -o DPkg::Lock::Timeout=600)

if reason=$(bash "$here/probe-32bit.sh"); then
  dpkg --print-foreign-architectures | grep -qx i386 || $SUDO dpkg --add-architecture i386
  PACKAGES+=(wine wine32:i386)
else
  echo "wine-deps: $reason; the 32-bit wine is not installed, its tests will be skipped"
fi
missing=()
for p in "${PACKAGES[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if ((${#missing[@]})); then
  "${APT[@]}" update
  "${APT[@]}" install -y --no-install-recommends "${missing[@]}"
fi
