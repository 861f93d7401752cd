#!/usr/bin/env bash
# Whether 32-bit Windows programs can run here under wine: status 0 when they
# can; otherwise it prints why the run is skipped and ends with status 77,
# which CTest reports as skipped (tests give it as SKIP_RETURN_CODE).
#   usage: bash scripts/wine32-skip.sh "<what is skipped>" || exit $?
set -uo pipefail

here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
what=${1:-the 32-bit wine run}
if ! reason=$(bash "$here/probe-32bit.sh"); then
  echo "Skipped: $what: $reason, so the 32-bit wine cannot run (the 64-bit wine tests run everywhere)"
  exit 77
fi
if [ ! -x /usr/lib/wine/wine ] || ! command -v wine > /dev/null; then
  echo "Skipped: $what: the 32-bit wine is not installed (bash scripts/wine-deps.sh installs it on a machine that can run it)"
  exit 77
fi
exit 0
