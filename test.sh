#!/usr/bin/env bash
# Installs what is missing, builds a Debug build with AddressSanitizer and UndefinedBehaviorSanitizer
# in build-test/, runs every test through ctest, the static analysis, then a short smoke run of each
# fuzz harness.
set -euo pipefail
cd "$(dirname "$0")"

# Each stage says how long it took, so a slow run shows where its time went.
stage() {
  local name=$1 start=$SECONDS
  shift
  "$@"
  echo "test.sh: $name took $((SECONDS - start)) s"
}

stage dependencies scripts/install-deps.sh
stage format scripts/check-format.sh

cmake --preset test >/dev/null
stage build cmake --build --preset test
stage tests ctest --preset test -j "$(nproc)"
stage lint scripts/lint.sh

if command -v clang++ >/dev/null; then
  stage fuzz scripts/fuzz.sh "${TINDREL_FUZZ_SMOKE_SECONDS:-20}"
else
  echo "clang++ not found: fuzz harnesses skipped"
fi
