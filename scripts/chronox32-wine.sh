#!/usr/bin/env bash
# Runs chronox32.dll, not only links it: builds a small Windows test program
# with mingw-w64 that binds the DLL by ordinal, as the application does, and
# runs its cases under wine (a console program: no display needed).
#   usage: bash scripts/chronox32-wine.sh <output directory>
# MINGW_ARCH chooses the build: i686 (the default, the shipped DLL; run under
# the 32-bit wine, skipped with status 77 where that cannot run) or x86_64
# (run under Debian's wine64, which runs everywhere).
# Builds the DLL there first (scripts/chronox32-dll.sh) unless it is there.
# Needs what chronox32-dll.sh needs, and wine (scripts/wine-deps.sh).
set -euo pipefail

if [ $# -ne 1 ]; then
  echo "usage: $0 <output directory>" >&2
  exit 2
fi
mkdir -p "$1"
out=$(cd "$1" && pwd)
here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
src=$here/../src/timerlib
tests=$here/../tests/timerlib/windows
arch=${MINGW_ARCH:-i686}

[ "$arch" != i686 ] || bash "$here/wine32-skip.sh" "the 32-bit chronox32.dll run under wine" || exit $?
[ -f "$out/chronox32.dll" ] || bash "$here/chronox32-dll.sh" "$out"

# The ordinal table for the test program, from the one list.
grep -E '^[0-9]' "$src/exports.txt" | while read -r ordinal name bytes; do
  echo "HRT_ORDINAL(${ordinal}, ${name}, ${bytes})"
done > "$out/exports.inc"

"$arch-w64-mingw32-gcc" -std=gnu11 -O2 -Wall -Wextra -Werror -I"$src" -I"$out" \
  -o "$out/chronox32_run.exe" "$tests"/*.c -luser32 -lwinmm

cd "$out"
bash "$here/wine-run.sh" "$out/wineprefix" chronox32_run.exe
