#!/usr/bin/env bash
# Runs a Windows program under wine without a display, in a wine prefix of its
# own (made at its first run, without the .NET and HTML engines wine would
# offer to install), and ends that prefix's wine server afterwards.
#   usage: bash scripts/wine-run.sh <prefix folder> <program> [argument...]
# MINGW_ARCH says which programs: i686 (the default) runs a 32-bit program
# under the 32-bit wine, x86_64 a 64-bit one under Debian's wine64. Keep a
# prefix to one of them. The program runs in the current folder and its exit
# status is the script's; one that runs longer than WINE_RUN_TIMEOUT seconds
# (120) is stopped. Where the 32-bit wine cannot run (scripts/wine32-skip.sh),
# a 32-bit run says why and ends with status 77, which CTest reports as skipped.
# Needs wine (scripts/wine-deps.sh).
set -euo pipefail

if [ $# -lt 2 ]; then
  echo "usage: $0 <prefix folder> <program> [argument...]" >&2
  exit 2
fi
here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
case "${MINGW_ARCH:-i686}" in
  x86_64)
    loader=/usr/lib/wine/wine64
    server=/usr/lib/wine/wineserver64
    export WINEARCH=win64
    if [ ! -x "$loader" ]; then
      echo "$loader is missing: bash scripts/wine-deps.sh installs it" >&2
      exit 1
    fi
    ;;
  i686)
    bash "$here/wine32-skip.sh" "$2 under the 32-bit wine" || exit $?
    loader=wine
    server=wineserver
    # A prefix of its own kind even where wine64 is installed beside it.
    export WINEARCH=win32
    ;;
  *)
    echo "MINGW_ARCH is ${MINGW_ARCH}: i686 or x86_64" >&2
    exit 2
    ;;
esac
mkdir -p "$1"
WINEPREFIX=$(cd "$1" && pwd)
export WINEPREFIX WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
unset DISPLAY WAYLAND_DISPLAY
shift
status=0
timeout "${WINE_RUN_TIMEOUT:-120}" "$loader" "$@" || status=$?
if [ $status -eq 0 ]; then
  "$server" -w
else
  "$server" -k || true
fi
exit $status
