#!/usr/bin/env bash
# tarnel's start-up against a bare Qt dialog with 120 widgets, in the same
# run: from launch to the window's first paint, and the memory in use then
# (VmRSS, and its peak VmHWM). Both report these themselves (tarnel when
# TARNEL_EXIT_AFTER_SHOWN is set) and end. The two run in turn, RUNS times
# each (default 15), on the offscreen platform unless QT_QPA_PLATFORM says
# otherwise, with settings and data folders of their own; the script prints
# every run, the medians and tarnel's ratios to the bare dialog (the target
# is at most 1.2 for both).
#   scripts/startup-bench.sh [build folder]     (default build-bench, built in Release)
set -euo pipefail
cd "$(dirname "$0")/.."

build=${1:-build-bench}
runs=${RUNS:-15}
if [[ ! -f "$build/CMakeCache.txt" ]]; then
  cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release -DTARNEL_BUILD_TESTS=OFF -DTARNEL_BUILD_BENCHMARKS=ON >/dev/null
fi
cmake --build "$build" --parallel "$(nproc)" --target tarnel startup_bare_dialog >/dev/null
home=$(mktemp -d)
trap 'rm -rf "$home"' EXIT

# One run of a program: "milliseconds VmRSS-kB VmHWM-kB CPU-milliseconds".
measure() {
  local start out shown rss hwm cpu
  start=$(date +%s%6N)
  out=$(TARNEL_EXIT_AFTER_SHOWN=1 QT_QPA_PLATFORM=${QT_QPA_PLATFORM:-offscreen} XDG_CONFIG_HOME="$home/config" \
        XDG_DATA_HOME="$home/data" timeout 30 "$@" 2>/dev/null)
  shown=$(sed -n 's/^shown_at_us=//p' <<<"$out")
  rss=$(awk '/^VmRSS:/ {print $2}' <<<"$out")
  hwm=$(awk '/^VmHWM:/ {print $2}' <<<"$out")
  cpu=$(sed -n 's/^cpu_us=//p' <<<"$out")
  [[ -n "$shown" && -n "$rss" ]] || { echo "$1 reported nothing: $out" >&2; exit 1; }
  awk -v a="$start" -v b="$shown" -v r="$rss" -v h="$hwm" -v c="$cpu" 'BEGIN {printf "%.1f %d %d %.1f\n", (b - a) / 1000, r, h, c / 1000}'
}

tarnel_runs=()
bare_runs=()
for ((i = 1; i <= runs; i++)); do
  t=$(measure "$build/bin/tarnel" --listen-port 0)
  b=$(measure "$build/bin/startup_bare_dialog")
  read -r tms trss thwm tcpu <<<"$t"
  read -r bms brss bhwm bcpu <<<"$b"
  echo "run $i: tarnel $tms ms ($tcpu ms CPU), VmHWM $((thwm / 1024)) MB; bare dialog $bms ms ($bcpu ms CPU), VmHWM $((bhwm / 1024)) MB"
  tarnel_runs+=("$t")
  bare_runs+=("$b")
done

{
  printf 'tarnel %s\n' "${tarnel_runs[@]}"
  printf 'bare %s\n' "${bare_runs[@]}"
} | awk '
  function median(a, n,   i, j, t) {
    for (i = 1; i <= n; i++) for (j = i + 1; j <= n; j++) if (a[j] < a[i]) { t = a[i]; a[i] = a[j]; a[j] = t }
    return n % 2 ? a[(n + 1) / 2] : (a[n / 2] + a[n / 2 + 1]) / 2
  }
  $1 == "tarnel" { n++; tms[n] = $2; trss[n] = $3; thwm[n] = $4; tcpu[n] = $5 }
  $1 == "bare" { m++; bms[m] = $2; brss[m] = $3; bhwm[m] = $4; bcpu[m] = $5 }
  END {
    t = median(tms, n); tr = median(trss, n); th = median(thwm, n); tc = median(tcpu, n)
    b = median(bms, m); br = median(brss, m); bh = median(bhwm, m); bc = median(bcpu, m)
    printf "tarnel, median of %d: %.1f ms to the window shown (%.1f ms CPU); VmRSS %.1f MB, VmHWM %.1f MB\n", n, t, tc, tr / 1024, th / 1024
    printf "bare dialog with 120 widgets, median of %d: %.1f ms (%.1f ms CPU); VmRSS %.1f MB, VmHWM %.1f MB\n", m, b, bc, br / 1024, bh / 1024
    printf "tarnel / bare dialog: %.2fx the time to the first paint (%.2fx its CPU time), %.2fx the peak memory (target: at most 1.20x each)\n", t / b, tc / bc, th / bh
  }'
