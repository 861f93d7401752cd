#!/usr/bin/env bash
# BrenlowNSIS.dll called as the installer calls it, under wine: builds the
# Windows harness (windows/harness.c) and the marker program with mingw-w64
# for the DLL's MINGW_ARCH, and runs the harness beside the DLL.
#   usage: bash wine_harness_test.sh <folder of BrenlowNSIS.dll> <work folder>
# Needs mingw-w64 for that target and wine (scripts/wine-deps.sh).
set -euo pipefail

if [ $# -ne 2 ]; then
  echo "usage: $0 <folder of BrenlowNSIS.dll> <work folder>" >&2
  exit 2
fi
here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
plugins=$(cd "$1" && pwd)
cc=${MINGW_ARCH:-i686}-w64-mingw32-gcc
mkdir -p "$2"
work=$(cd "$2" && pwd)
rm -rf "$work/run"
mkdir -p "$work/run/my app"
run=$work/run

cp "$plugins/BrenlowNSIS.dll" "$run/"
"$cc" -std=gnu11 -O2 -Wall -Wextra -Werror -I"$here/../../src/nsisplugin" -I"$here" \
  -o "$run/harness.exe" "$here/windows/harness.c"
"$cc" -O2 -Wall -Wextra -Werror -o "$run/marker.exe" "$here/marker.c"
cp "$run/marker.exe" "$run/my app/marker.exe"
cp "$run/marker.exe" "$run/my.exe"

cd "$run"
bash "$here/../../scripts/wine-run.sh" "$work/wineprefix" harness.exe
