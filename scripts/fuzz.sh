#!/usr/bin/env bash
# Fuzzes the core's readers of the files that come from players' hands: builds the libFuzzer
# targets of fuzz/ with clang, AddressSanitizer and UndefinedBehaviorSanitizer in build-fuzz/,
# and runs each for the given seconds (default 60). Any finding (a crash, a sanitizer report, a
# leak, a hang, a failed oracle) fails the run, with the target's output and the input that
# reproduces it: `build-fuzz/fuzz/pelmora_fuzz_<target> <input>`.
#
# The seeds are the asset generator's own files, so the normal build's game folder (build/game)
# is generated first. What the targets find worth keeping stays in build-fuzz/corpus/ for the
# next run.
set -euo pipefail
cd "$(dirname "$0")/.."
seconds=${1:-60}
scripts/deps.sh
jobs="$(nproc)"

# Runs a build step, showing its output only when it fails.
quietly() {
  local out
  if ! out=$("$@" 2>&1); then
    echo "$out"
    echo "fuzz: the build failed: $*"
    exit 1
  fi
}

if [ ! -f build/CMakeCache.txt ]; then
  quietly cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo -DPELMORA_WERROR=ON
fi
quietly cmake --build build --parallel "$jobs" --target pelmora_assets_generated

quietly cmake -S . -B build-fuzz -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_CXX_COMPILER=clang++ \
  -DPELMORA_CORE_ONLY=ON -DPELMORA_FUZZ=ON -DPELMORA_FUZZ_GAME_DIR="$PWD/build/game"
quietly cmake --build build-fuzz --parallel "$jobs"

# target, largest input, extra options
targets=(
  "settings 4096 -dict=fuzz/settings.dict"
  "pxb 1024"
  "snow 2048 -dict=fuzz/settings.dict"
  "codec 1536"
)
passed=0
failed=0
for entry in "${targets[@]}"; do
  read -r target max_len options <<<"$entry"
  corpus=build-fuzz/corpus/$target
  findings=build-fuzz/findings/$target
  log=build-fuzz/logs/$target.log
  mkdir -p "$corpus" "$findings" build-fuzz/logs
  # shellcheck disable=SC2086 # the options are words
  if build-fuzz/fuzz/pelmora_fuzz_$target -max_total_time="$seconds" -max_len="$max_len" -timeout=10 \
       -rss_limit_mb=2048 -print_final_stats=1 -artifact_prefix="$findings/" ${options:-} \
       "$corpus" "build-fuzz/seeds/$target" >"$log" 2>&1; then
    runs=$(sed -n 's/^stat::number_of_executed_units: *//p' "$log")
    echo "fuzz $target: ${runs:-?} executions in ${seconds} s, nothing found"
    passed=$((passed + 1))
  else
    failed=$((failed + 1))
    echo "fuzz $target: FOUND A FAULT; its output ($log):"
    tail -n 80 "$log"
    reproducer=$(sed -n 's/.*Test unit written to \(.*\)$/\1/p' "$log" | tail -n 1)
    echo "reproduce with: build-fuzz/fuzz/pelmora_fuzz_$target ${reproducer:-<input in $findings/>}"
  fi
done
echo "fuzz: $passed passed, $failed failed"
[ "$failed" -eq 0 ]
