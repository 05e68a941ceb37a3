#!/usr/bin/env bash
# Builds the benchmarks in Release and runs them; extra arguments go to the
# receive path benchmark, e.g. --benchmark_filter=ReceivePath. Then the keypad
# window's frame latency (p50/p99) and tarnel's start-up time and memory.
set -euo pipefail
cd "$(dirname "$0")/.."

build=build-bench
cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release \
  -DTARNEL_BUILD_TESTS=OFF -DTARNEL_BUILD_BENCHMARKS=ON >/dev/null
cmake --build "$build" --parallel "$(nproc)" --target receive_path_bench keypad_latency_bench tarnel startup_bare_dialog
"$build/bin/receive_path_bench" "$@"
"$build/bin/keypad_latency_bench"
scripts/startup-bench.sh "$build"
