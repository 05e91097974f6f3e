#!/usr/bin/env bash
# Lines of test C++ (under */tests/ and fuzz/) against lines of product C++ (bench/ excluded); test
# data files are not C++ and do not count. Keep the ratio at about a quarter to a third.
set -euo pipefail
cd "$(dirname "$0")/.."

mapfile -t files < <(git ls-files -- '*.cpp' '*.h')
tests=$(printf '%s\n' "${files[@]}" | grep -E '(^|/)tests/|^fuzz/' | xargs cat | wc -l)
product=$(printf '%s\n' "${files[@]}" | grep -vE '(^|/)tests/|^fuzz/|^bench/' | xargs cat | wc -l)
awk -v t="$tests" -v p="$product" 'BEGIN { printf "test C++ %d lines, product C++ %d lines, ratio %.3f\n", t, p, t / p }'
