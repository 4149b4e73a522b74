#!/usr/bin/env bash
# Installs what is missing, builds the game and starts it from its folder.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/deps.sh
cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build --parallel "$(nproc)" --target pelmora
exec build/game/pelmora "$@"
