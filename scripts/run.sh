#!/usr/bin/env bash
# Installs what is missing, builds an optimised Velmar and starts it.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/deps.sh
cmake -S . -B build/release -G Ninja -DCMAKE_BUILD_TYPE=Release -DVELMAR_TESTS=OFF -DVELMAR_BENCH=OFF
cmake --build build/release --target velmar rackemu
exec build/release/bin/velmar "$@"
