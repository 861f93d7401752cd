#!/usr/bin/env bash
# Builds chronox32.dll for Windows with mingw-w64 from the library's sources,
# and checks its export table against exports.txt: every function at its
# ordinal, and nothing else exported. The 32-bit DLL (MINGW_ARCH i686, the
# default; the one shipped) exports the decorated names _<name>@<bytes>; the
# 64-bit one (MINGW_ARCH=x86_64), whose calling convention decorates nothing,
# the plain names.
#   usage: bash scripts/chronox32-dll.sh <output directory>
# Needs the Debian packages gcc-mingw-w64-i686 and binutils-mingw-w64-i686
# (or -x86-64).
set -euo pipefail

if [ $# -ne 1 ]; then
  echo "usage: $0 <output directory>" >&2
  exit 2
fi
out=$1
here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
src=$here/../src/timerlib
list=$src/exports.txt
arch=${MINGW_ARCH:-i686}

mkdir -p "$out"

# The list itself: 70 entries, ordinals 1..70 in order, decorated names in
# ascending byte order (the order the ordinals were given in).
if ! grep -E '^[0-9]' "$list" | LC_ALL=C awk '
    { n++; d = "_" $2 "@" $3
      if ($1 != n) { print "exports.txt: line " n " has ordinal " $1 > "/dev/stderr"; bad = 1 }
      if (n > 1 && !(d > prev)) { print "exports.txt: " d " is out of order" > "/dev/stderr"; bad = 1 }
      prev = d }
    END { if (n != 70) { print "exports.txt: " n " exports, expected 70" > "/dev/stderr"; bad = 1 }
          exit bad }'; then
  exit 1
fi
def=$out/chronox32.def
expected=$out/exports.expected
actual=$out/exports.actual

# The exported name of each entry: "<ordinal> <C name> <bytes>" in, "<ordinal> <exported name>" out.
exported() {
  if [ "$arch" = x86_64 ]; then
    awk '{ print $1, $2 }'
  else
    awk '{ print $1, "_" $2 "@" $3 }'
  fi
}

# The .def file and the expected table, both from the one list.
{
  echo "LIBRARY chronox32.dll"
  echo "EXPORTS"
  grep -E '^[0-9]' "$list" | while read -r ordinal name bytes; do
    if [ "$arch" = x86_64 ]; then
      echo "    ${name} @${ordinal}"
    else
      echo "    _${name}@${bytes} = ${name}@${bytes} @${ordinal}"
    fi
  done
} > "$def"
grep -E '^[0-9]' "$list" | exported | sort -n > "$expected"

# A wrong argument byte count in the list fails here (32-bit): the decorated
# name the compiler made from the prototype is then not found.
bash "$here/mingw-dll.sh" "$out/chronox32.dll" "$src" "$def" -I"$src" -DCHRONOX32_BUILD -lgdi32 -luser32 -lwinmm

bash "$here/dll-exports.sh" "$out/chronox32.dll" > "$actual"
if ! diff -u "$expected" "$actual"; then
  echo "chronox32.dll ($arch): named exports differ from $list" >&2
  exit 1
fi
echo "chronox32.dll ($arch): $(wc -l < "$expected") exports match $list"
