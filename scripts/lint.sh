#!/usr/bin/env bash
# Static analysis of the project's own sources with zero findings allowed: cppcheck, then clang-tidy
# with the checks listed in .clang-tidy, on the compile commands of build-test/ (./test.sh builds it).
set -euo pipefail
cd "$(dirname "$0")/.."

mapfile -t sources < <(git ls-files --cached --others --exclude-standard -- '*.cpp' |
  grep -Ev '(^|/)(tests|fuzz|bench)/')

cppcheck --enable=warning,performance,portability --std=c++20 --inline-suppr --quiet --error-exitcode=1 \
  -I . --suppress=missingIncludeSystem "${sources[@]}"

tidy=$(command -v clang-tidy-14 || command -v clang-tidy)
printf '%s\n' "${sources[@]}" |
  xargs -P "$(nproc)" -n 8 "$tidy" -p build-test --quiet --extra-arg=-Wno-unknown-warning-option \
    >build-test/lint.log 2>/dev/null || true
if grep -E '(warning|error):' build-test/lint.log; then
  echo "clang-tidy: findings above (build-test/lint.log)"
  exit 1
fi
echo "lint: clean"
