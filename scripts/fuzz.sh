#!/usr/bin/env bash
# Builds the libFuzzer targets of fuzz/ with clang in build/fuzz and runs each one for SECONDS (default 60),
# JOBS at a time (default 1), starting from its committed seeds in fuzz/corpus/NAME. Inputs that find new
# paths go to build/fuzz/corpus/NAME, a failing input to build/fuzz/crashes/NAME/, the output to
# build/fuzz/logs/NAME.log. Fails when any target crashes, trips a sanitizer, takes over 2 s on one input
# or allocates over 2 GB.
#   scripts/fuzz.sh [-j JOBS] [SECONDS] [TARGET...]      e.g. scripts/fuzz.sh -j 2 600 image format
set -euo pipefail
cd "$(dirname "$0")/.."

jobs=1
if [ "${1:-}" = "-j" ]; then
  jobs=$2
  shift 2
fi
seconds=${1:-60}
[ $# -gt 0 ] && shift
targets=("$@")
if [ ${#targets[@]} -eq 0 ]; then
  mapfile -t targets < <(sed -n 's/^zorvy_fuzz_target(\([a-z0-9_]*\) .*/\1/p' fuzz/CMakeLists.txt)
fi

CC=clang CXX=clang++ cmake -S . -B build/fuzz -G Ninja -DZORVY_FUZZ=ON -DZORVY_TESTS=OFF -DZORVY_BENCH=OFF \
  -DCMAKE_BUILD_TYPE=Debug -DCMAKE_CXX_FLAGS_DEBUG="-O2 -g1" -DCMAKE_C_FLAGS_DEBUG="-O2 -g1" -DZORVY_UNITY=ON >/dev/null
cmake --build build/fuzz --target "${targets[@]/#/fuzz_}"

run_target() {
  local name=$1 seconds=$2
  mkdir -p "build/fuzz/corpus/$name" "build/fuzz/crashes/$name" build/fuzz/logs
  local log="build/fuzz/logs/$name.log"
  if "build/fuzz/fuzz/fuzz_$name" "build/fuzz/corpus/$name" "fuzz/corpus/$name" \
      -max_total_time="$seconds" -timeout=2 -rss_limit_mb=2048 -malloc_limit_mb=2048 \
      -artifact_prefix="build/fuzz/crashes/$name/" -print_final_stats=1 >"$log" 2>&1; then
    echo "$name: clean, $(sed -n 's/^stat::number_of_executed_units: *//p' "$log") runs"
  else
    echo "$name: FAILED (build/fuzz/crashes/$name/, log below)"
    grep -v '^#[0-9]' "$log" | tail -40
    return 1
  fi
}
export -f run_target

if printf '%s\n' "${targets[@]}" | xargs -P "$jobs" -I{} bash -c 'run_target "$1" "$2"' _ {} "$seconds"; then
  echo "Fuzzing: ${#targets[@]} targets clean"
else
  echo "Fuzzing: a target failed"
  exit 1
fi
