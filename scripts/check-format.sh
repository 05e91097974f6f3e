#!/usr/bin/env bash
# Fails when a C++ file of the repository differs from what .clang-format asks for.
set -euo pipefail
cd "$(dirname "$0")/.."
formatter=$(command -v clang-format-14 || command -v clang-format)
mapfile -t files < <(git ls-files --cached --others --exclude-standard -- '*.cpp' '*.h')
[ ${#files[@]} -eq 0 ] && exit 0
if [ "${1:-}" = "--fix" ]; then
  "$formatter" -i "${files[@]}"
  exit 0
fi
if ! "$formatter" --dry-run --Werror "${files[@]}" 2>/tmp/tindrel-format.log; then
  grep -E '^[^ ].*: (error|warning)' /tmp/tindrel-format.log | cut -d: -f1 | sort -u | sed 's/^/unformatted: /'
  echo "Run: $formatter -i <files>   (or scripts/check-format.sh --fix)"
  exit 1
fi
