#!/usr/bin/env bash
# Installs what is missing, builds an optimised Velmar and starts it.
#   --emulated-rack  try it without hardware: an emulated rack (a receiver, a transmitter, an
#                    exciter and a tone remote) and the program in a folder of its own, build/release/emulated-rack,
#                    whose velmar.ini points at the rack; the program's own settings stay as they are.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/deps.sh
cmake -S . -B build/release -G Ninja -DCMAKE_BUILD_TYPE=Release -DVELMAR_TESTS=OFF -DVELMAR_BENCH=OFF
cmake --build build/release --target velmar rackemu
if [ "${1:-}" = "--emulated-rack" ]; then
  shift
  exec python3 tools/pytools/emulated_rack.py build/release/bin build/release/emulated-rack "$@"
fi
exec build/release/bin/velmar "$@"
