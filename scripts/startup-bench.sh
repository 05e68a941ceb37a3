#!/usr/bin/env bash
# tarnel's start-up: from launch to the keypad window's first paint, and the
# memory in use then (VmRSS, and its peak VmHWM). tarnel reports both itself
# when TARNEL_EXIT_AFTER_SHOWN is set, then ends. Runs RUNS times (default 10)
# on the offscreen platform unless QT_QPA_PLATFORM says otherwise, with a
# settings folder of its own, and prints every run and the medians.
#   scripts/startup-bench.sh [path/to/tarnel]     (default build-bench/bin/tarnel)
set -euo pipefail
cd "$(dirname "$0")/.."

tarnel=${1:-build-bench/bin/tarnel}
runs=${RUNS:-10}
[[ -x "$tarnel" ]] || { echo "no tarnel at $tarnel" >&2; exit 2; }
config=$(mktemp -d)
trap 'rm -rf "$config"' EXIT

results=()
for ((i = 1; i <= runs; i++)); do
  start=$(date +%s%6N)
  out=$(TARNEL_EXIT_AFTER_SHOWN=1 QT_QPA_PLATFORM=${QT_QPA_PLATFORM:-offscreen} XDG_CONFIG_HOME="$config" \
        timeout 30 "$tarnel" --listen-port 0 2>/dev/null)
  shown=$(sed -n 's/^shown_at_us=//p' <<<"$out")
  rss=$(awk '/^VmRSS:/ {print $2}' <<<"$out")
  hwm=$(awk '/^VmHWM:/ {print $2}' <<<"$out")
  [[ -n "$shown" && -n "$rss" ]] || { echo "run $i: tarnel reported nothing: $out" >&2; exit 1; }
  ms=$(awk -v a="$start" -v b="$shown" 'BEGIN {printf "%.1f", (b - a) / 1000}')
  echo "run $i: window shown after $ms ms, VmRSS $((rss / 1024)) MB, VmHWM $((hwm / 1024)) MB"
  results+=("$ms $rss $hwm")
done

printf '%s\n' "${results[@]}" | awk '
  { ms[NR] = $1; rss[NR] = $2; hwm[NR] = $3 }
  function median(a, n,   i, j, t) {
    for (i = 1; i <= n; i++) for (j = i + 1; j <= n; j++) if (a[j] < a[i]) { t = a[i]; a[i] = a[j]; a[j] = t }
    return n % 2 ? a[(n + 1) / 2] : (a[n / 2] + a[n / 2 + 1]) / 2
  }
  END {
    n = NR
    printf "tarnel start-up, median of %d: %.1f ms to the window shown; VmRSS %.1f MB, VmHWM %.1f MB\n",
           n, median(ms, n), median(rss, n) / 1024, median(hwm, n) / 1024
  }'
