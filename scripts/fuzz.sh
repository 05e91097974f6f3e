#!/usr/bin/env bash
# Builds the libFuzzer harnesses with clang in build-fuzz/ and runs each for SECONDS (default 20)
# on its seed corpus, as many at once as there are cores. A crash, a hang (-timeout) or a memory blow-up (-rss_limit_mb) fails the run.
#   scripts/fuzz.sh [SECONDS] [HARNESS…]
# FUZZ_RUNS=N also stops a harness after N executions; FUZZ_MAX_LEN caps the input size (65536).
set -euo pipefail
cd "$(dirname "$0")/.."
seconds=${1:-20}
runs=${FUZZ_RUNS:--1}
max_len=${FUZZ_MAX_LEN:-65536}
[ $# -gt 0 ] && shift

cmake --preset fuzz >/dev/null
cmake --build --preset fuzz

harnesses=("$@")
if [ ${#harnesses[@]} -eq 0 ]; then
  for binary in build-fuzz/bin/fuzz-*; do harnesses+=("${binary##*/fuzz-}"); done
fi

# One harness per core at a time; each writes its own log, read once all are done.
run_one() {
  local name=$1 corpus=build-fuzz/corpus/$1 seeds=()
  mkdir -p "$corpus"
  [ -d "fuzz/corpus/$name" ] && seeds=("fuzz/corpus/$name")
  UBSAN_OPTIONS=halt_on_error=1:print_stacktrace=1 \
    "build-fuzz/bin/fuzz-$name" -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 \
    -runs="$runs" -max_len="$max_len" -print_final_stats=1 -artifact_prefix="build-fuzz/$name-" "$corpus" "${seeds[@]}" \
    >"build-fuzz/fuzz-$name.log" 2>&1
}

declare -A pids
for name in "${harnesses[@]}"; do
  while [ "$(jobs -rp | wc -l)" -ge "$(nproc)" ]; do wait -n || true; done
  run_one "$name" &
  pids[$name]=$!
done

failed=0
for name in "${harnesses[@]}"; do
  log=build-fuzz/fuzz-$name.log
  status=0
  wait "${pids[$name]}" || status=$?
  echo "== fuzz-$name for ${seconds}s"
  grep -E '^(stat::number_of_executed_units|==[0-9]+==ERROR|SUMMARY)' "$log" || true
  if [ "$status" -ne 0 ]; then
    tail -n 40 "$log"
    echo "fuzz-$name found a problem (log: $log)"
    failed=1
  fi
done
exit "$failed"
