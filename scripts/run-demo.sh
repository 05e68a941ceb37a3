#!/usr/bin/env bash
# Builds tarnel and the simulator, starts the simulated panel calling in, and
# runs tarnel's keypad window against it. Where there is no display it runs
# under Xvfb, saves a screenshot to demo-screenshot.png and stops by itself.
#   scripts/run-demo.sh [--seconds N]   (N: how long to run headless, default 8)
set -euo pipefail
cd "$(dirname "$0")/.."

seconds=8
[ "${1:-}" = "--seconds" ] && seconds=${2:-8}

scripts/install-deps.sh
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build --parallel "$(nproc)" --target tarnel tarnel-sim

port=${TARNEL_PORT:-4700}
pids=()
cleanup() { for p in "${pids[@]}"; do kill "$p" 2>/dev/null || true; done; }
trap cleanup EXIT

headless=0
if [ -z "${DISPLAY:-}" ]; then
  headless=1
  export DISPLAY=:97
  Xvfb "$DISPLAY" -screen 0 1280x800x24 >/dev/null 2>&1 &
  pids+=($!)
  sleep 1
fi

build/bin/tarnel --listen-port "$port" &
tarnel_pid=$!
pids+=($tarnel_pid)
sleep 1

# The panel calls in, then a little happens on it so the window has something to show.
mkfifo_dir=$(mktemp -d)
mkfifo "$mkfifo_dir/sim-in"
build/bin/tarnel-sim --connect "127.0.0.1:$port" < "$mkfifo_dir/sim-in" &
pids+=($!)
exec 3>"$mkfifo_dir/sim-in"
sleep 1
printf 'zone open 3\nzone open 12\nzone tamper 7\ntrouble battery on\noutput on 2\n' >&3

if [ "$headless" = 1 ]; then
  sleep "$seconds"
  import -window root demo-screenshot.png
  echo "screenshot: demo-screenshot.png"
else
  wait "$tarnel_pid" || true
fi
exec 3>&-
rm -rf "$mkfifo_dir"
