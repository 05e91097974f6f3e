#!/usr/bin/env bash
# Installs what is missing, builds a Debug build with AddressSanitizer and UndefinedBehaviorSanitizer
# in build-test/, runs every test through ctest, the static analysis, then a short smoke run of each
# fuzz harness.
set -euo pipefail
cd "$(dirname "$0")"

scripts/install-deps.sh
scripts/check-format.sh

cmake --preset test >/dev/null
cmake --build --preset test
ctest --preset test -j "$(nproc)"
scripts/lint.sh

if command -v clang++ >/dev/null; then
  scripts/fuzz.sh "${TINDREL_FUZZ_SMOKE_SECONDS:-20}"
else
  echo "clang++ not found: fuzz harnesses skipped"
fi
