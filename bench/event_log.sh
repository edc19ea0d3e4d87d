#!/usr/bin/env bash
# The event log on log files of 1, 10 and 100 MB: the median time of one insertion against the
# median time of copying the same file once with cp, and the time to preload a 10 MB log.
#   bench/event_log.sh [BUILD_DIR [RUNNER]]   default: build/windows under scripts/wine-run
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
build=$(cd "${1:-$top/build/windows}" && pwd)
runner=${2:-}
program=$build/tools/event_log_bench
if [ -f "$program.exe" ]; then program=$program.exe; runner=${runner:-$top/scripts/wine-run}; fi
work=$(mktemp -d "$top/build/bench-event-log.XXXXXX")
trap 'rm -rf "$work"' EXIT
repeats=9

log_lines() {  # $1 bytes of log lines of realistic shape, GBK text included
  { yes "$(printf '2022\xc4\xea7\xd4\xc22\xc8\xd59\xca\xb15\xb7\xd67\xc3\xeb \xcb\xf8\xc6\xc1\xc1\xcb\r')" || true; } |
    head -c "$1"
}

median_cp() {  # seconds of the median of $repeats copies of $1
  for _ in $(seq $repeats); do
    local start end
    start=$(date +%s%N)
    cp "$1" "$work/copy"
    end=$(date +%s%N)
    rm -f "$work/copy"
    echo $(((end - start) / 1000))
  done | sort -n | awk '{a[NR]=$1} END {printf "%.6f\n", a[int((NR+1)/2)]/1e6}'
}

echo "event log benchmark: $program"
printf '%-8s %14s %12s %8s\n' size insertion_s cp_s ratio
for mb in 1 10 100; do
  # Log lines of realistic shape, GBK text included.
  log_lines $((mb * 1024 * 1024)) >"$work/tixingrizhi.txt"
  insert=$($runner "$program" insert "$work" $repeats | tr -d '\r')
  copy=$(median_cp "$work/tixingrizhi.txt")
  printf '%-8s %14s %12s %8s\n' "${mb}MB" "$insert" "$copy" "$(awk "BEGIN {printf \"%.2f\", $insert / $copy}")"
done
log_lines $((10 * 1024 * 1024)) >"$work/tixingrizhi.txt"
echo "preload of a 10MB log: $($runner "$program" preload "$work" $repeats | tr -d '\r') s (median of $repeats)"
