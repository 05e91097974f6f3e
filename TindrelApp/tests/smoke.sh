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
# A second launch hands its command line to the running app and waits for the outcome: status 0 only
# when everything it asked for was done, otherwise a message on stderr and status 1.
timeout 90 "$app" --quit-after-ms 25000 >"$scratch/first" 2>&1 &
first=$!
for _ in $(seq 100); do
  [ -S "$XDG_RUNTIME_DIR/tindrel.sock" ] && break
  sleep 0.1
done
second() { (cd "$scratch" && timeout 20 "$app" "$@" >"$scratch/second.out" 2>"$scratch/second.err"); }
expect_done() {
  second "$@" || { echo "tindrel-app $* was not done by the running app:"; cat "$scratch/second.err"; exit 1; }
}
expect_refused() {
  local message="$1"; shift
  if second "$@"; then echo "tindrel-app $* claimed success for work not done"; exit 1; fi
  grep -qF "tindrel-app: $message" "$scratch/second.err" || {
    echo "tindrel-app $* did not say why:"; cat "$scratch/second.err"; exit 1; }
}
expect_refused "--dump-export: nothing is in focus to export" --dump-export nothing.txt
[ ! -e "$scratch/nothing.txt" ] || { echo "--dump-export wrote a file with nothing in focus"; exit 1; }
expect_done --inspect-clipboard
expect_done --autoload-sample --dump-export handed.txt
grep -q "^=== JSON ===$" "$scratch/handed.txt" || { echo "a handed-over --dump-export wrote no export"; exit 1; }
expect_done --ask "is it expired?"
expect_refused "--ask: the question is blank" --ask "  "
expect_refused "--quit-after-ms only applies to a Tindrel that is starting" --quit-after-ms 10
wait "$first" || { echo "the running tindrel-app failed after the hand-overs:"; cat "$scratch/first"; exit 1; }
echo "tindrel-app ran and quit in every mode"
