#!/usr/bin/env bash
# Builds everything, starts the simulated panel calling in, and runs tarnel
# against it. With --seconds N it stops by itself after N seconds.
set -euo pipefail
cd "$(dirname "$0")/.."

seconds=15
[ "${1:-}" = "--seconds" ] && seconds=${2:-15}

scripts/install-deps.sh
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build --parallel "$(nproc)" --target tarnel tarnel-sim

port=${TARNEL_PORT:-4700}
build/bin/tarnel --listen-port "$port" --monitor &
tarnel_pid=$!
trap 'kill $tarnel_pid $sim_pid 2>/dev/null || true' EXIT
sleep 0.5
build/bin/tarnel-sim --connect "127.0.0.1:$port" >/dev/null &
sim_pid=$!
sleep "$seconds"
