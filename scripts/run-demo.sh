#!/usr/bin/env bash
# Builds tarnel and the simulator and runs them as a site is reached: the
# simulated panel's IP module listens on 4701 and calls an authorised PC back
# on 4700, where tarnel listens. The demo has a sites list and settings of
# its own in build/demo (the user's own are not touched), with the site
# "Demo panel" in it: Communication → Sites… → Demo panel → Connect, then
# Mode → Program Mode → Install code and 9999.
#
# With a display, the panel's commands (zone open 3, param 60 1, status, ...)
# are typed in this terminal; closing tarnel ends the demo. Without one, it
# runs under Xvfb, connects to the demo panel at start, saves a screenshot
# to demo-screenshot.png and stops by itself.
#   scripts/run-demo.sh [--seconds N]   (N: how long to run headless, default 8)
set -euo pipefail
cd "$(dirname "$0")/.."

seconds=8
[ "${1:-}" = "--seconds" ] && seconds=${2:-8}

scripts/install-deps.sh
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build --parallel "$(nproc)" --target tarnel tarnelctl tarnel-sim

port=${TARNEL_PORT:-4700}   # where tarnel listens and the module calls back
module_port=4701            # where the module listens: the "Demo panel" site's port
demo=$PWD/build/demo
mkdir -p "$demo"
export XDG_DATA_HOME=$demo/data XDG_CONFIG_HOME=$demo/config
build/bin/tarnelctl sites import scripts/demo-sites.csv >/dev/null

pids=()
work=$(mktemp -d)
cleanup() {
  # Last started first: the programs go before the display they use.
  for ((i = ${#pids[@]} - 1; i >= 0; i--)); do kill "${pids[i]}" 2>/dev/null || true; done
  rm -rf "$work"
}
trap cleanup EXIT

headless=0
if [ -z "${DISPLAY:-}" ]; then
  headless=1
  export DISPLAY=:97
  Xvfb "$DISPLAY" -screen 0 1280x800x24 >/dev/null 2>&1 &
  pids+=($!)
  sleep 1
fi

# The panel, steered through a pipe; its answers (lines beginning "sim:") show here.
mkfifo "$work/sim-in"
build/bin/tarnel-sim --listen "$module_port" --call-back "$port" <"$work/sim-in" \
  > >(grep --line-buffered '^sim:' || true) &
pids+=($!)
exec 3>"$work/sim-in"
printf 'zone open 3\nzone open 12\nzone tamper 7\ntrouble battery on\noutput on 2\n' >&3

if [ "$headless" = 1 ]; then
  build/bin/tarnel --listen-port "$port" --site "Demo panel" &
  pids+=($!)
  sleep "$seconds"
  import -window root demo-screenshot.png
  echo "screenshot: demo-screenshot.png"
else
  build/bin/tarnel --listen-port "$port" &
  tarnel_pid=$!
  pids+=($tarnel_pid)
  echo "tarnel: Communication → Sites… → Demo panel → Connect; then Mode → Program Mode → Install code, 9999."
  echo "Type the panel's commands here (zone open 3, param 60 1, status, ...); close tarnel to end the demo."
  while kill -0 "$tarnel_pid" 2>/dev/null; do
    status=0
    IFS= read -r -t 1 line || status=$?
    if [ "$status" = 0 ]; then
      printf '%s\n' "$line" >&3
    elif [ "$status" -le 128 ]; then  # no more input (not a terminal): just wait for tarnel
      wait "$tarnel_pid" || true
    fi
  done
fi
exec 3>&-
