#!/usr/bin/env bash
# Installs what is missing, builds a Release build in build/ and runs the main job:
#   ./run.sh                 inspect the built-in sample token
#   ./run.sh inspect …       any tindrel command with its arguments (also scan, explain, ask)
#   ./run.sh app …           the desktop app with its launch flags
set -euo pipefail
cd "$(dirname "$0")"

scripts/install-deps.sh
cmake --preset release >/dev/null
cmake --build --preset release

if [ $# -eq 0 ]; then
  exec build/bin/tindrel inspect --sample
fi
if [ "$1" = app ]; then
  shift
  exec build/bin/tindrel-app "$@"
fi
exec build/bin/tindrel "$@"
