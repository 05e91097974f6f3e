#!/usr/bin/env bash
# Runs `tindrel` on inputs far beyond everyday sizes and reports time and peak memory for each:
# a realistic log of SCAN_MB (1024) megabytes scanned, a text of INSPECT_MB (200) megabytes inspected,
# and a single line of BASE64_MB (1024) megabytes of Base64 both inspected and scanned.
# Fails when a run is killed (crash, out of memory) or ends with status 2, or when scanning the log
# needs more than four times its size in memory.
#   scripts/huge-inputs.sh            (needs about 3 GB of free space in TMPDIR)
set -euo pipefail
cd "$(dirname "$0")/.."
scan_mb=${SCAN_MB:-1024}
inspect_mb=${INSPECT_MB:-200}
base64_mb=${BASE64_MB:-1024}

cmake --preset release >/dev/null
cmake --build --preset release -j2 --target tindrel tindrel-scan-log >/dev/null

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
failed=0

# run NAME MEGABYTES MAX_RATIO INPUT COMMAND…: status, wall and CPU time, peak resident memory.
run() {
  local name=$1 megabytes=$2 max_ratio=$3 input=$4
  shift 4
  local status=0
  /usr/bin/time -o "$work/time" -f '%e %U %S %M' "$@" <"$input" >/dev/null 2>"$work/stderr" || status=$?
  read -r wall user system peak < <(tail -n 1 "$work/time")
  local verdict
  verdict=$(awk -v mb="$megabytes" -v p="$peak" -v max="$max_ratio" -v st="$status" 'BEGIN {
    ratio = p / 1024 / mb
    if (st > 2) print "KILLED"; else if (st == 2) print "ERROR"; else if (max > 0 && ratio > max) print "TOO MUCH MEMORY"; else print "ok" }')
  awk -v n="$name" -v mb="$megabytes" -v w="$wall" -v u="$user" -v s="$system" -v p="$peak" -v st="$status" -v v="$verdict" 'BEGIN {
    printf "%-26s %6d MB  status %d  %8.1f s wall %8.1f s CPU  peak %7.0f MB (%.2fx input)  %s\n",
           n, mb, st, w, u + s, p / 1024, p / 1024 / mb, v }'
  if [ "$verdict" != ok ]; then
    head -c 2000 "$work/stderr"
    failed=1
  fi
}

build/bin/tindrel-scan-log "$scan_mb" >"$work/log"
run "tindrel scan (log)" "$scan_mb" 4 "$work/log" build/bin/tindrel scan -
rm -f "$work/log"

build/bin/tindrel-scan-log "$inspect_mb" >"$work/text"
run "tindrel inspect (log)" "$inspect_mb" 0 "$work/text" build/bin/tindrel inspect -
rm -f "$work/text"

head -c $((base64_mb * 3 / 4 * 1024 * 1024)) /dev/urandom | base64 -w 0 >"$work/base64"
run "tindrel inspect (base64)" "$base64_mb" 0 "$work/base64" build/bin/tindrel inspect -
run "tindrel scan (base64)" "$base64_mb" 4 "$work/base64" build/bin/tindrel scan -

exit "$failed"
