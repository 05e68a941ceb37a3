#!/usr/bin/env bash
# Builds everything with AddressSanitizer and UndefinedBehaviorSanitizer in
# build-asan and runs the whole test suite there.
set -euo pipefail
cd "$(dirname "$0")/.."

build=build-asan
source scripts/cmake-launcher.sh
# Line tables (-g1) are enough for the reports' stack traces.
cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Debug -DCMAKE_CXX_FLAGS_DEBUG="-g1" \
  -DCMAKE_UNITY_BUILD=ON -DCMAKE_UNITY_BUILD_BATCH_SIZE=16 \
  -DTARNEL_SANITIZE=ON -DTARNEL_BUILD_BENCHMARKS=OFF "${launcher[@]}" >/dev/null
cmake --build "$build" --parallel "$(nproc)"
cd "$build"
# Leak checks stay on; a leak, like every other report, fails the test.
export ASAN_OPTIONS=${ASAN_OPTIONS:-detect_leaks=1:halt_on_error=1:abort_on_error=1}
export UBSAN_OPTIONS=${UBSAN_OPTIONS:-print_stacktrace=1:halt_on_error=1}
QT_QPA_PLATFORM=offscreen ctest --output-on-failure --no-tests=error --parallel "$(nproc)" --timeout 600
