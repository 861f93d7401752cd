#!/usr/bin/env bash
# Runs a 32-bit Windows program under wine without a display, in a wine prefix
# of its own (made at its first run, without the .NET and HTML engines wine
# would offer to install), and ends that prefix's wine server afterwards.
#   usage: bash scripts/wine-run.sh <prefix folder> <program> [argument...]
# The program runs in the current folder and its exit status is the script's;
# one that runs longer than WINE_RUN_TIMEOUT seconds (120) is stopped.
# Needs wine (scripts/wine-deps.sh).
set -euo pipefail

if [ $# -lt 2 ]; then
  echo "usage: $0 <prefix folder> <program> [argument...]" >&2
  exit 2
fi
mkdir -p "$1"
WINEPREFIX=$(cd "$1" && pwd)
export WINEPREFIX WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
unset DISPLAY WAYLAND_DISPLAY
shift
status=0
timeout "${WINE_RUN_TIMEOUT:-120}" wine "$@" || status=$?
if [ $status -eq 0 ]; then
  wineserver -w
else
  wineserver -k || true
fi
exit $status
