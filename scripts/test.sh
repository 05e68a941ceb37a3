#!/usr/bin/env bash
# Installs what is needed, configures, builds and runs every test.
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/install-deps.sh
build=${BUILD_DIR:-build}
source scripts/cmake-launcher.sh
# A clean build (CI's) is what takes the time: unity mode parses the Qt and
# GoogleTest headers once per 16 files, and line tables (-g1), all a failing
# test's backtrace needs, compile and link far faster than full debug info.
cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_CXX_FLAGS_RELWITHDEBINFO="-O2 -g1 -DNDEBUG" \
  -DCMAKE_UNITY_BUILD=ON -DCMAKE_UNITY_BUILD_BATCH_SIZE=16 \
  -DTARNEL_WERROR=ON "${launcher[@]}" >/dev/null
cmake --build "$build" --parallel "$(nproc)"
cd "$build"
QT_QPA_PLATFORM=offscreen ctest --output-on-failure --no-tests=error --parallel "$(nproc)" --timeout 300
