#!/usr/bin/env bash
# Installs what is missing, builds everything with warnings as errors and runs every test:
# the whole suite (widget tests offscreen, window tests under Xvfb), then the pure core's
# tests again under AddressSanitizer and UndefinedBehaviorSanitizer, and last half a minute of
# fuzzing for each reader of a file that comes from players' hands (scripts/fuzz.sh), and last the
# pure core's tests built for Windows and run under Wine (scripts/windows.sh).
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/deps.sh
jobs="$(nproc)"

cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo -DPELMORA_WERROR=ON >/dev/null
cmake --build build --parallel "$jobs"
ctest --test-dir build --output-on-failure --parallel "$jobs"

cmake -S . -B build-sanitize -DCMAKE_BUILD_TYPE=Debug -DPELMORA_WERROR=ON \
  -DPELMORA_CORE_ONLY=ON -DPELMORA_SANITIZE=ON >/dev/null
cmake --build build-sanitize --parallel "$jobs"
ctest --test-dir build-sanitize --output-on-failure --parallel "$jobs"

scripts/fuzz.sh 30

scripts/windows.sh
