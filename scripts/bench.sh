#!/usr/bin/env bash
# Builds the benchmarks in Release and runs them; extra arguments go to the
# benchmark program, e.g. --benchmark_filter=ReceivePath.
set -euo pipefail
cd "$(dirname "$0")/.."

build=build-bench
cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release \
  -DTARNEL_BUILD_TESTS=OFF -DTARNEL_BUILD_BENCHMARKS=ON >/dev/null
cmake --build "$build" --parallel "$(nproc)" --target receive_path_bench
"$build/bin/receive_path_bench" "$@"
