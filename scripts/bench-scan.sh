#!/usr/bin/env bash
# Scanner figures, each the median of three runs: throughput of `tindrel scan` (of the file, and of
# the file piped in, as a followed input) and `scan --json` on realistic logs of 1, 10 and MEGABYTES
# megabytes next to `grep -c eyJ` and `wc -l` on the same
# files (same run, so the ratios hold on a busy machine), peak memory, `inspect --each-line --json`
# inputs a second over 100 000 distinct token lines, the CPU time of a process start, and the
# 10 MB / 1 MB time ratios of the scan benchmarks (linear scanning keeps them near 10). The scan may
# hold at most 4 bytes per input byte (plain and JSON output, and on hostile text); more is flagged
# and fails.
#   scripts/bench-scan.sh [MEGABYTES]   (default 100)
set -euo pipefail
cd "$(dirname "$0")/.."
megabytes=${1:-100}

cmake --preset release >/dev/null
cmake --build --preset release -j2 >/dev/null

log=$(mktemp --suffix=.log)
timing=$(mktemp)
trap 'rm -f "$log" "$timing"' EXIT

status=0
max_memory_ratio=4
token_lines=100000

# timed INPUT COMMAND…: runs the command three times on INPUT and sets wall, user and system to
# those of the run of median wall time (on a shared machine one run may take half as long again as
# the next) and peak to the largest peak resident memory of the three.
timed() {
  local input=$1 runs=""
  shift
  for _ in 1 2 3; do
    /usr/bin/time -o "$timing" -f '%e %U %S %M' "$@" <"$input" >/dev/null 2>&1 || true
    runs+="$(tail -n 1 "$timing")"$'\n'
  done
  read -r wall user system _ <<<"$(sort -n -k1,1 <<<"${runs%$'\n'}" | sed -n 2p)"
  peak=$(awk '$4 > p { p = $4 } END { print p }' <<<"$runs")
}

# measure NAME COMMAND…: wall and CPU seconds, MB/s by each, peak resident memory.
measure() {
  local name=$1
  shift
  timed /dev/null "$@"
  awk -v n="$name" -v mb="$megabytes" -v w="$wall" -v u="$user" -v s="$system" -v p="$peak" 'BEGIN {
    cpu = u + s; if (w < 0.001) w = 0.001; if (cpu < 0.001) cpu = 0.001
    printf "%-18s %7.2f s wall %8.1f MiB/s   %7.2f s CPU %8.1f MiB/s   peak %6.0f MB (%.1fx input)\n",
           n, w, mb / w, cpu, mb / cpu, p / 1024, p / 1024 / mb }'
  last_peak=$peak
}

# limit_memory NAME: fails the run when the last measured command held too much per input byte.
limit_memory() {
  if awk -v p="$last_peak" -v mb="$megabytes" -v r="$max_memory_ratio" 'BEGIN { exit !(p / 1024 / mb > r) }'; then
    echo "$1: peak memory above ${max_memory_ratio}x the input  TOO HIGH"
    status=1
  fi
}

# A process holds some megabytes whatever its input, so memory is held to the ratio on the largest
# log only.
largest=$megabytes
for size in 1 10 "$largest"; do
  megabytes=$size
  build/bin/tindrel-scan-log "$size" >"$log"
  echo "== ${size} MB realistic log"
  measure "tindrel scan" build/bin/tindrel scan "$log"
  [[ $size != "$largest" ]] || limit_memory "tindrel scan"
  measure "tindrel scan pipe" sh -c 'cat "$1" | build/bin/tindrel scan' sh "$log"
  measure "tindrel scan json" build/bin/tindrel scan --json "$log"
  [[ $size != "$largest" ]] || limit_memory "tindrel scan json"
  measure "tindrel scan 1c" taskset -c 0 build/bin/tindrel scan "$log"
  measure "grep -c eyJ" grep -c eyJ "$log"
  measure "wc -l" wc -l "$log"
done

echo "== inspect --each-line --json, ${token_lines} distinct token lines"
build/bin/tindrel-scan-log --tokens "$token_lines" >"$log"
timed "$log" build/bin/tindrel inspect --each-line --json
awk -v n="$token_lines" -v w="$wall" -v c="$(awk -v u="$user" -v s="$system" 'BEGIN { print u + s }')" 'BEGIN {
  if (w < 0.001) w = 0.001; if (c < 0.001) c = 0.001
  printf "%-18s %7.2f s wall %8.0f inputs/s   %7.2f s CPU %8.0f inputs/s\n", "each line json", w, n / w, c, n / c }'

echo "== process start: tindrel inspect of a short text, 100 times"
/usr/bin/time -o "$timing" -f '%U %S' sh -c 'for i in $(seq 100); do build/bin/tindrel inspect 1700000000 >/dev/null; done' || true
read -r user system <"$timing"
awk -v u="$user" -v s="$system" 'BEGIN { printf "%-18s %7.1f ms CPU a start\n", "tindrel inspect", (u + s) * 10 }'

echo "== hostile text: 16 MB of one unit, and one 40 MB line"
hostile() {
  local name=$1 size=$2
  shift 2
  "$@" | head -c "${size}M" >"$log" || true
  megabytes=$size
  measure "$name" build/bin/tindrel scan "$log"
  limit_memory "$name"
}
hostile "[1][1]…" 16 sh -c "yes '[1]' | tr -d '\n'"
hostile "[1] lines" 16 yes '[1]'
hostile "a=b&a=b&…" 16 sh -c "yes 'a=b&' | tr -d '\n'"
hostile "1234567890 …" 16 sh -c "yes 1234567890 | tr '\n' ' '"
hostile "distinct times" 16 sh -c "seq 1500000000 1509999999 | tr '\n' ' '"
hostile "one 40 MB line" 40 sh -c "yes eyJhbGciOiJIUzI1NiJ9 | tr -d '\n'"

echo "== time(10 MB) / time(1 MB), CPU time of the scanning thread"
# The median of five runs, the runs of all sizes interleaved at random: on a shared machine one run
# of a few milliseconds can be off by half, and a slow spell should slow both sizes of a ratio.
build/bin/tindrel-bench --benchmark_filter='BM_Scan' --benchmark_format=csv --benchmark_repetitions=5 \
  --benchmark_enable_random_interleaving=true --benchmark_report_aggregates_only=true 2>/dev/null |
  awk -F, '/^"BM_Scan.*_median"/ { split($1, part, "/"); name = part[1]; gsub(/"/, "", name)
                                    size = part[2]; gsub(/"|_median/, "", size)
                                    cpu[name, size] = $4; names[name] = 1 }
           END { status = 0
                 for (n in names) { r = cpu[n, 10] / cpu[n, 1]; flag = r <= 12 ? "" : "  TOO HIGH"; if (r > 12) status = 1
                                    printf "%-28s %8.1f ms %9.1f ms  ratio %5.1f%s\n", n, cpu[n, 1], cpu[n, 10], r, flag }
                 exit status }' || status=1
exit "$status"
