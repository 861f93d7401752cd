#!/usr/bin/env bash
# Builds a Windows DLL with mingw-w64 from the C files of one source folder,
# all but the POSIX platform files (*_posix.c), exporting what the .def file
# names. Further arguments go to the compiler after the files (include
# folders, defines, libraries).
#   usage: bash scripts/mingw-dll.sh <dll> <source folder> <def file> [argument...]
# MINGW_ARCH chooses the target: i686 (the default) for 32-bit Windows, x86_64
# for 64-bit. Needs the Debian package gcc-mingw-w64-i686 (or -x86-64).
set -euo pipefail

if [ $# -lt 3 ]; then
  echo "usage: $0 <dll> <source folder> <def file> [argument...]" >&2
  exit 2
fi
dll=$1
src=$2
def=$3
shift 3
cc=${MINGW_ARCH:-i686}-w64-mingw32-gcc

sources=()
for f in "$src"/*.c; do
  case "$f" in *_posix.c) continue ;; esac
  sources+=("$f")
done
mkdir -p "$(dirname "$dll")"
"$cc" -std=gnu11 -O2 -Wall -Wextra -Werror -shared -static-libgcc \
  -o "$dll" "${sources[@]}" "$def" -Wl,--no-undefined "$@"
