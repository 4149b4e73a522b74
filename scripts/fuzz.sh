#!/usr/bin/env bash
# Fuzzes the core's readers of the files that come from players' hands: builds the libFuzzer
# targets of fuzz/ with clang, AddressSanitizer and UndefinedBehaviorSanitizer in build-fuzz/,
# and runs each for the given seconds (default 60). Any finding (a crash, a sanitizer report, a
# leak, a hang, a failed oracle) fails the run, with the target's output and the input that
# reproduces it: `build-fuzz/fuzz/pelmora_fuzz_<target> <input>`.
#
#   scripts/fuzz.sh [seconds]            fuzz every target
#   scripts/fuzz.sh --plants [seconds]   check that the targets find faults: each patch of
#                                        fuzz/plants/ plants one in a scratch copy of the sources,
#                                        and its target must find it within the seconds (default 120)
#   scripts/fuzz.sh --minimise           rewrite fuzz/corpus/ as the smallest set of inputs that
#                                        covers what it and build-fuzz/corpus/ cover
#
# Each run starts from the small corpus kept in fuzz/corpus/ and from seeds made of the asset
# generator's own files (so the normal build's game folder, build/game, is generated first); what
# the targets find worth keeping grows in build-fuzz/corpus/ and is used again by the next run.
set -euo pipefail
cd "$(dirname "$0")/.."
mode=fuzz
case "${1:-}" in
  --plants) mode=plants; shift ;;
  --minimise) mode=minimise; shift ;;
esac
seconds=${1:-60}
if [ "$mode" = plants ]; then seconds=${1:-120}; fi
scripts/deps.sh
jobs="$(nproc)"

# A small quarantine, no allocation stacks and no filling of new memory: the allocator then
# reuses memory instead of faulting in fresh pages for every input, several times faster, while
# every access out of bounds is still caught. Run a reproducer without them for the full report.
export ASAN_OPTIONS="${ASAN_OPTIONS:-quarantine_size_mb=1:malloc_context_size=0:max_malloc_fill_size=0}"

# target, largest input, extra options
targets=(
  "settings 4096 -dict=fuzz/settings.dict"
  "pxb 1024"
  "snow 2048 -dict=fuzz/settings.dict"
  "codec 1536"
)

# Runs a build step, showing its output only when it fails.
quietly() {
  local out
  if ! out=$("$@" 2>&1); then
    echo "$out"
    echo "fuzz: the build failed: $*"
    exit 1
  fi
}

# configure <source folder> <build folder>: the fuzz build of those sources, seeded from build/game.
configure() {
  quietly cmake -S "$1" -B "$2" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_CXX_COMPILER=clang++ \
    -DPELMORA_CORE_ONLY=ON -DPELMORA_FUZZ=ON -DPELMORA_FUZZ_GAME_DIR="$PWD/build/game"
}

# fuzz <build folder> <entry> <seconds> <corpus to grow> <log>: one target's run; its status.
fuzz() {
  local target max_len options
  read -r target max_len options <<<"$2"
  mkdir -p "$4" "$1/findings/$target" "$(dirname "$5")"
  # shellcheck disable=SC2086 # the options are words
  "$1/fuzz/pelmora_fuzz_$target" -max_total_time="$3" -max_len="$max_len" -timeout=10 \
    -rss_limit_mb=2048 -print_final_stats=1 -artifact_prefix="$1/findings/$target/" ${options:-} \
    "$4" "fuzz/corpus/$target" "$1/seeds/$target" >"$5" 2>&1
}

# What a run says it did: "<executions> executions in <s> s (<n> exec/s)".
executions() {
  local runs rate
  runs=$(sed -n 's/^stat::number_of_executed_units: *//p' "$1")
  rate=$(sed -n 's/^stat::average_exec_per_sec: *//p' "$1")
  echo "${runs:-?} executions in $2 s (${rate:-?} exec/s)"
}

if [ ! -f build/CMakeCache.txt ]; then
  quietly cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo -DPELMORA_WERROR=ON
fi
quietly cmake --build build --parallel "$jobs" --target pelmora_assets_generated
configure . build-fuzz
quietly cmake --build build-fuzz --parallel "$jobs"

if [ "$mode" = minimise ]; then
  for entry in "${targets[@]}"; do
    read -r target max_len _ <<<"$entry"
    fresh=build-fuzz/minimised/$target
    rm -rf "$fresh" && mkdir -p "$fresh" "build-fuzz/corpus/$target"
    quietly "build-fuzz/fuzz/pelmora_fuzz_$target" -merge=1 -max_len="$max_len" "$fresh" \
      "fuzz/corpus/$target" "build-fuzz/corpus/$target"
    rm -rf "fuzz/corpus/$target" && mv "$fresh" "fuzz/corpus/$target"
    echo "fuzz $target: $(find "fuzz/corpus/$target" -type f | wc -l) inputs, $(du -sk --apparent-size "fuzz/corpus/$target" | cut -f1) KB"
  done
  exit 0
fi

if [ "$mode" = plants ]; then
  # One scratch copy of the sources, each plant applied, built, fuzzed and taken out again.
  tree=build-fuzz/plants/src
  rm -rf build-fuzz/plants && mkdir -p "$tree"
  cp -a CMakeLists.txt src fuzz packaging "$tree/"
  configure "$tree" build-fuzz/plants/build
  found=0
  missed=0
  for entry in "${targets[@]}"; do
    read -r target _ <<<"$entry"
    plant=fuzz/plants/$target.patch
    if ! patch -d "$tree" -p1 --batch --forward --quiet <"$plant"; then
      echo "fuzz --plants: $plant no longer applies to the sources: bring it up to date"
      exit 1
    fi
    quietly cmake --build build-fuzz/plants/build --parallel "$jobs" --target "pelmora_fuzz_$target" pelmora_fuzz_seeded
    log=build-fuzz/plants/logs/$target.log
    started=$SECONDS
    if fuzz build-fuzz/plants/build "$entry" "$seconds" "build-fuzz/plants/corpus/$target" "$log"; then
      missed=$((missed + 1))
      echo "plant $target: NOT FOUND in $(executions "$log" "$seconds") ($(head -n 1 "$plant"))"
    else
      found=$((found + 1))
      echo "plant $target: found after $((SECONDS - started)) s: $(grep -m 1 -E 'ORACLE FAILURE|ERROR:|runtime error' "$log" | cut -c 1-160)"
    fi
    patch -d "$tree" -p1 --batch --reverse --quiet <"$plant"
  done
  echo "fuzz --plants: $found found, $missed missed"
  [ "$missed" -eq 0 ]
  exit
fi

passed=0
failed=0
for entry in "${targets[@]}"; do
  read -r target _ <<<"$entry"
  log=build-fuzz/logs/$target.log
  if fuzz build-fuzz "$entry" "$seconds" "build-fuzz/corpus/$target" "$log"; then
    echo "fuzz $target: $(executions "$log" "$seconds"), nothing found"
    passed=$((passed + 1))
  else
    failed=$((failed + 1))
    echo "fuzz $target: FOUND A FAULT; its output ($log):"
    tail -n 80 "$log"
    reproducer=$(sed -n 's/.*Test unit written to \(.*\)$/\1/p' "$log" | tail -n 1)
    echo "reproduce with: build-fuzz/fuzz/pelmora_fuzz_$target ${reproducer:-<input in build-fuzz/findings/$target/>}"
  fi
done
echo "fuzz: $passed passed, $failed failed"
[ "$failed" -eq 0 ]
