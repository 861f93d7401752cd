#!/usr/bin/env bash
# The plug-in as a setup program uses it: makensis builds setup.nsi with
# BrenlowNSIS.dll, and refuses the script when it calls a function the DLL
# does not have; with "run", the silent setup program then runs under wine and
# what it wrote must equal setup-expected.txt.
#   usage: bash installer_test.sh <folder of BrenlowNSIS.dll> <work folder> [run]
# Needs makensis (Debian's nsis); "run" also the 32-bit wine (scripts/wine-deps.sh)
# and i686-w64-mingw32-gcc, and reports itself skipped (status 77) where this
# machine cannot start 32-bit programs.
set -euo pipefail

if [ $# -lt 2 ] || { [ $# -eq 3 ] && [ "$3" != run ]; }; then
  echo "usage: $0 <folder of BrenlowNSIS.dll> <work folder> [run]" >&2
  exit 2
fi
plugins=$(cd "$1" && pwd)
here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
rm -rf "$2"
mkdir -p "$2"
work=$(cd "$2" && pwd)
setup=$work/brenlow-check.exe

makensis -V2 -DPLUGINS="$plugins" -DOUTFILE="$setup" "$here/setup.nsi" > "$work/makensis.log" 2>&1 || {
  cat "$work/makensis.log" >&2
  echo "makensis refused the script" >&2
  exit 1
}
if makensis -V2 -DMISSPELT -DPLUGINS="$plugins" -DOUTFILE="$work/misspelt.exe" "$here/setup.nsi" \
    > "$work/misspelt.log" 2>&1; then
  echo "makensis took a call of BrenlowNSIS::CompareVersion, which the plug-in does not have" >&2
  exit 1
fi
if ! grep -q "BrenlowNSIS::CompareVersion\b" "$work/misspelt.log"; then
  cat "$work/misspelt.log" >&2
  echo "makensis failed on the misspelt script, but not for the misspelt call" >&2
  exit 1
fi
echo "makensis: the script builds, the misspelt call is refused"
[ $# -eq 3 ] || exit 0
# The setup program is a 32-bit one: skipped (status 77) where it cannot run.
bash "$here/../../scripts/wine32-skip.sh" "the 32-bit setup program run under wine" || exit $?

# The program the setup starts, at the place of the script's calls; my.exe is
# what an unquoted "my app\marker.exe" would start if it were cut at its blank.
i686-w64-mingw32-gcc -O2 -Wall -Wextra -Werror -o "$work/marker.exe" "$here/marker.c"
mkdir -p "$work/my app"
cp "$work/marker.exe" "$work/my app/marker.exe"
cp "$work/marker.exe" "$work/my.exe"

status=0
(cd "$work" && bash "$here/../../scripts/wine-run.sh" "$work/wineprefix" "$setup" /S) > "$work/wine.log" 2>&1 ||
  status=$?
if [ $status -ne 0 ]; then
  cat "$work/wine.log" >&2
  echo "the setup program ended with status $status" >&2
  exit 1
fi
exedir="Z:${work//\//\\}"
if ! tr -d '\r' < "$work/results.txt" | diff -u <(sed "s|@EXEDIR@|${exedir//\\/\\\\}|" "$here/setup-expected.txt") -; then
  echo "the setup program's results differ from setup-expected.txt" >&2
  exit 1
fi
echo "wine: the setup program's results match setup-expected.txt"
