#!/usr/bin/env bash
# Tells whether this machine starts 32-bit x86 programs: assembles and links a
# program that only exits with status 0 and starts it. Some kernels cannot
# start such programs at all, whatever is installed; the 32-bit wine loader is
# one of them, so the 32-bit wine runs are possible only where this passes.
#   usage: bash scripts/probe-32bit.sh      status 0: they start; 1: they do
#                                           not (the reason on standard output)
# Needs as and ld (binutils).
set -uo pipefail

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
if ! command -v as > /dev/null || ! command -v ld > /dev/null; then
  echo "cannot tell whether 32-bit programs start here: as and ld (binutils) are missing"
  exit 1
fi
printf '.globl _start\n_start:\n  movl $1, %%eax\n  xorl %%ebx, %%ebx\n  int $0x80\n' > "$work/exit0.s"
if ! as --32 -o "$work/exit0.o" "$work/exit0.s" 2> "$work/log" ||
  ! ld -m elf_i386 -o "$work/exit0" "$work/exit0.o" 2>> "$work/log"; then
  echo "cannot tell whether 32-bit programs start here: the 32-bit probe did not build: $(tr '\n' ' ' < "$work/log")"
  exit 1
fi
"$work/exit0" > /dev/null 2> "$work/log"
status=$?
if [ $status -ne 0 ]; then
  reason=$(tail -n 1 "$work/log" | sed 's/.*: //')
  echo "this machine cannot start 32-bit x86 programs (a 32-bit program that only exits ended with status $status${reason:+: $reason})"
  exit 1
fi
exit 0
