#!/usr/bin/env bash
# Builds the libFuzzer targets with clang and runs each for a while on a
# scratch copy of its seed corpus. Usage: scripts/fuzz.sh [seconds-per-target]
set -euo pipefail
cd "$(dirname "$0")/.."

seconds=${1:-60}
build=build-fuzz
source scripts/cmake-launcher.sh
CC=clang CXX=clang++ cmake -S . -B "$build" -G Ninja \
  -DCMAKE_BUILD_TYPE=RelWithDebInfo -DTARNEL_FUZZ=ON "${launcher[@]}" >/dev/null
cmake --build "$build" --parallel "$(nproc)"

# A sanitizer report is a finding: it stops the target, which then fails.
export ASAN_OPTIONS=${ASAN_OPTIONS:-halt_on_error=1:abort_on_error=1}
export UBSAN_OPTIONS=${UBSAN_OPTIONS:-halt_on_error=1:print_stacktrace=1}

status=0
results=()
# Every fuzz/fuzz_*.cpp is a target: one added there is fuzzed here, or fails.
for target in $(cd fuzz && ls fuzz_*.cpp | sed 's/\.cpp$//'); do
  # libFuzzer adds what it finds to the first corpus directory; keep the
  # checked-in seeds untouched.
  work="$build/fuzz-run/$target"
  rm -rf "$work"
  mkdir -p "$work/corpus" "$work/artifacts"
  cp fuzz/corpus/"$target"/* "$work/corpus/"
  log="$work/log.txt"

  rc=0
  "$build/bin/$target" "$work/corpus" -max_total_time="$seconds" -max_len=8192 \
    -artifact_prefix="$work/artifacts/" -print_final_stats=1 >"$log" 2>&1 || rc=$?

  execs=$(sed -n 's/^stat::number_of_executed_units: *//p' "$log" | tail -1)
  cov=$(grep -oE 'cov: [0-9]+' "$log" | tail -1 | cut -d' ' -f2)
  ft=$(grep -oE 'ft: [0-9]+' "$log" | tail -1 | cut -d' ' -f2)
  crashes=$(find "$work/artifacts" -type f | wc -l)
  if [ "$rc" -ne 0 ] || [ "$crashes" -ne 0 ]; then
    status=1
    results+=("$target: FAILED (exit $rc, $crashes artifact(s) in $work/artifacts, log $log)")
  else
    results+=("$target: ok, ${execs:-?} execs in ${seconds}s, cov ${cov:-?}, ft ${ft:-?}, corpus $(ls "$work/corpus" | wc -l) files")
  fi
done
printf '%s\n' "${results[@]}"
exit "$status"
