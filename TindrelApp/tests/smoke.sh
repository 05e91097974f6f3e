#!/usr/bin/env bash
# Starts the app offscreen in each demonstration mode and checks that it runs and quits by itself.
# Settings go to a throwaway folder so the run leaves the user's history alone, and the single-instance
# socket too, so a Tindrel the user is running never takes over these runs.
set -euo pipefail
app="$1"
scratch="$(mktemp -d)"
trap 'rm -rf "$scratch"' EXIT
export QT_QPA_PLATFORM=offscreen XDG_CONFIG_HOME="$scratch/config" HOME="$scratch" TMPDIR="$scratch"
export XDG_RUNTIME_DIR="$scratch/runtime"
mkdir -m 0700 "$XDG_RUNTIME_DIR"
export LSAN_OPTIONS="suppressions=$(dirname "$0")/lsan.supp${LSAN_OPTIONS:+:$LSAN_OPTIONS}"

run() {
  if ! timeout 60 "$app" --quit-after-ms 1500 "$@" >"$scratch/out" 2>&1; then
    echo "tindrel-app $* did not run and quit cleanly:"; cat "$scratch/out"; exit 1
  fi
}

run --autoload-sample
run --scan
run --seed-history --open-history
run --force-dark
run --onboarding --open-palette
run --show-settings --force-hotkey-unavailable --settings-tab 1
run --reset-onboarding --open-tray
run --autoload-sample --dump-export "$scratch/export.txt"
grep -q "^=== JSON ===$" "$scratch/export.txt" || { echo "--dump-export wrote no export"; exit 1; }
grep -q "^# JWT" "$scratch/export.txt" || { echo "--dump-export wrote no Markdown report"; exit 1; }
run --autoload-sample --screenshot "$scratch/shot.png"
[ -s "$scratch/shot.png" ] || { echo "--screenshot wrote no picture"; exit 1; }
# A second launch hands its command line to the running app and quits at once.
timeout 60 "$app" --quit-after-ms 6000 >"$scratch/first" 2>&1 &
first=$!
for _ in $(seq 100); do
  [ -S "$XDG_RUNTIME_DIR/tindrel.sock" ] && break
  sleep 0.1
done
if ! timeout 5 "$app" --inspect-clipboard >"$scratch/second" 2>&1; then
  echo "a second tindrel-app did not hand over to the running one:"; cat "$scratch/second"; exit 1
fi
wait "$first" || { echo "the running tindrel-app failed after a hand-over:"; cat "$scratch/first"; exit 1; }
echo "tindrel-app ran and quit in every mode"
