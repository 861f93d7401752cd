#!/usr/bin/env bash
# Prints the export table of a Windows DLL as mingw-w64's objdump -p shows it
# (that of MINGW_ARCH: i686, the default, or x86_64): one line
# "<ordinal> <name>" for every export, in ordinal order.
# Fails when the DLL has no export table or exports an address without a name.
#   usage: bash scripts/dll-exports.sh <dll>
set -euo pipefail

if [ $# -ne 1 ]; then
  echo "usage: $0 <dll>" >&2
  exit 2
fi
dll=$1
objdump=${MINGW_ARCH:-i686}-w64-mingw32-objdump

table=$("$objdump" -p "$dll")
base=$(sed -n 's/^Ordinal Base[[:space:]]*\([0-9]*\).*/\1/p' <<< "$table" | head -n1)
addresses=$(sed -n 's/^[[:space:]]*Export Address Table[[:space:]]*\([0-9a-fA-F]\{8\}\)$/\1/p' <<< "$table" | head -n1)
if [ -z "$base" ] || [ -z "$addresses" ]; then
  echo "$dll: no export table found" >&2
  exit 1
fi
# "[Ordinal/Name Pointer] Table" lines are "[index] name" with ordinal = index + ordinal base.
named=$(awk -v base="$base" '
  /^\[Ordinal\/Name Pointer\] Table/ { on = 1; next }
  on && /^[[:space:]]*$/ { exit }
  on { gsub(/[][]/, " "); print $1 + base, $2 }
' <<< "$table" | sort -n)
count=0
[ -z "$named" ] || count=$(wc -l <<< "$named")
if [ $((16#$addresses)) -ne "$count" ]; then
  echo "$dll: $((16#$addresses)) exported addresses, $count of them named" >&2
  exit 1
fi
[ -z "$named" ] || echo "$named"
