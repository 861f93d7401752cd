#!/usr/bin/env bash
# Builds BrenlowNSIS.dll, the installer plug-in, for Windows with mingw-w64,
# and checks that it exports exactly the two functions the setup script calls,
# by their undecorated names, and nothing else. MINGW_ARCH chooses the build:
# i686 (the default; the 32-bit DLL that is shipped) or x86_64.
#   usage: bash scripts/brenlownsis-dll.sh <output directory>
# Needs the Debian packages gcc-mingw-w64-i686 and binutils-mingw-w64-i686
# (or -x86-64).
set -euo pipefail

if [ $# -ne 1 ]; then
  echo "usage: $0 <output directory>" >&2
  exit 2
fi
out=$1
here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
src=$here/../src/nsisplugin

bash "$here/mingw-dll.sh" "$out/BrenlowNSIS.dll" "$src" "$src/BrenlowNSIS.def"
printf '1 CompareVersions\n2 LaunchAppAndWait\n' > "$out/exports.expected"
bash "$here/dll-exports.sh" "$out/BrenlowNSIS.dll" > "$out/exports.actual"
if ! diff -u "$out/exports.expected" "$out/exports.actual"; then
  echo "BrenlowNSIS.dll (${MINGW_ARCH:-i686}): exports differ from CompareVersions and LaunchAppAndWait" >&2
  exit 1
fi
echo "BrenlowNSIS.dll (${MINGW_ARCH:-i686}): exports CompareVersions and LaunchAppAndWait"
