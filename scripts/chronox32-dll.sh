#!/usr/bin/env bash
# Builds chronox32.dll for 32-bit Windows with mingw-w64 (i686) from the
# library's sources, and checks its export table against exports.txt: every
# decorated name _<name>@<bytes> at its ordinal, and nothing else exported.
#   usage: bash scripts/chronox32-dll.sh <output directory>
# Needs the Debian packages gcc-mingw-w64-i686 and binutils-mingw-w64-i686.
set -euo pipefail

if [ $# -ne 1 ]; then
  echo "usage: $0 <output directory>" >&2
  exit 2
fi
out=$1
here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
src=$here/../src/timerlib
list=$src/exports.txt

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

# The .def file and the expected table, both from the one list.
{
  echo "LIBRARY chronox32.dll"
  echo "EXPORTS"
  grep -E '^[0-9]' "$list" | while read -r ordinal name bytes; do
    echo "    _${name}@${bytes} = ${name}@${bytes} @${ordinal}"
  done
} > "$def"
grep -E '^[0-9]' "$list" | while read -r ordinal name bytes; do
  echo "$ordinal _${name}@${bytes}"
done | sort -n > "$expected"

# A wrong argument byte count in the list fails here: the decorated name the
# compiler made from the prototype is then not found.
bash "$here/mingw-dll.sh" "$out/chronox32.dll" "$src" "$def" -I"$src" -DCHRONOX32_BUILD -lgdi32 -luser32 -lwinmm

bash "$here/dll-exports.sh" "$out/chronox32.dll" > "$actual"
if ! diff -u "$expected" "$actual"; then
  echo "chronox32.dll: named exports differ from $list" >&2
  exit 1
fi
echo "chronox32.dll: $(wc -l < "$expected") exports match $list"
