#!/usr/bin/env bash
# Builds the pure core and its tests for 64-bit Windows with MinGW-w64 and runs every test
# executable under Wine, in build-windows/. GoogleTest is built for Windows once, from Debian's
# sources in /usr/src/googletest, and linked statically; Wine gets a private prefix there too
# (its first start takes a while, later ones do not). Prints one result line and how many tests
# are marked POSIX-only (they say why when they skip).
set -euo pipefail
cd "$(dirname "$0")/.."
out=build-windows
toolchain="$PWD/cmake/mingw-w64-x86_64.cmake"
jobs="$(nproc)"

if [ ! -f "$out/gtest/lib/libgtest.a" ]; then
  cmake -S /usr/src/googletest -B "$out/googletest" -DCMAKE_TOOLCHAIN_FILE="$toolchain" \
    -DCMAKE_BUILD_TYPE=Release -DCMAKE_INSTALL_PREFIX="$PWD/$out/gtest" >/dev/null
  cmake --build "$out/googletest" --parallel "$jobs" >/dev/null
  cmake --install "$out/googletest" >/dev/null
fi
cmake -S . -B "$out/core" -DCMAKE_TOOLCHAIN_FILE="$toolchain" -DPELMORA_WINDOWS_PREFIX="$PWD/$out/gtest" \
  -DCMAKE_BUILD_TYPE=Release -DPELMORA_WERROR=ON -DPELMORA_CORE_ONLY=ON >/dev/null
cmake --build "$out/core" --parallel "$jobs"

export WINEPREFIX="$PWD/$out/wine" WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
mkdir -p "$WINEPREFIX"
[ -f "$WINEPREFIX/system.reg" ] || wineboot --init >/dev/null 2>&1

passed=0 failed=0 skipped=0 broken=()
for exe in "$out"/core/tests/pelmora_*_tests.exe; do
  log="${exe%.exe}.log"
  ok=1 && wine "$exe" >"$log" 2>&1 || ok=0
  # Killing processes at random moments can break Wine's own link to its server ("wine client
  # error"); such a run says nothing about the game, and it is run once more.
  if [ "$ok" = 0 ] && grep -q "wine client error" "$log"; then
    echo "Wine lost its server in $(basename "$exe"); running it once more"
    ok=1 && wine "$exe" >"$log" 2>&1 || ok=0
  fi
  [ "$ok" = 1 ] || { broken+=("$exe"); cat "$log"; }
  passed=$((passed + $(sed -n 's/^\[  PASSED  \] \([0-9]*\) tests\?\..*/\1/p' "$log" | head -1 | grep . || echo 0)))
  failed=$((failed + $(sed -n 's/^\[  FAILED  \] \([0-9]*\) tests\?, listed below.*/\1/p' "$log" | grep . || echo 0)))
  skipped=$((skipped + $(sed -n 's/^\[  SKIPPED \] \([0-9]*\) tests\?, listed below.*/\1/p' "$log" | grep . || echo 0)))
done
wineserver -k 2>/dev/null || true

echo "Windows (MinGW-w64, Wine): $skipped tests are marked POSIX-only and skip there"
echo "Windows: $passed passed, $failed failed, $skipped skipped"
[ "${#broken[@]}" -eq 0 ] && [ "$failed" -eq 0 ]
