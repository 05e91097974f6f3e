#!/usr/bin/env bash
# Pictures of every screen, light and dark, in build/screenshots/: the app runs under Xvfb in each
# demonstration mode, saves the screen and quits. Onboarding counts as done except for its own picture. Builds the Release app first.
# TINDREL_APP=path uses an app already built instead. Settings go to a throwaway folder so the runs
# leave the user's history alone.
set -euo pipefail
cd "$(dirname "$0")/.."

app="${TINDREL_APP:-}"
if [ -z "$app" ]; then
  cmake --preset release >/dev/null
  cmake --build --preset release -j2 --target tindrel-app
  app=build/bin/tindrel-app
fi
# A sanitized build (TINDREL_APP=build-test/bin/tindrel-app) is fine for pictures; leaks are the
# smoke test's business.
export ASAN_OPTIONS="detect_leaks=0${ASAN_OPTIONS:+:$ASAN_OPTIONS}"
out=build/screenshots
mkdir -p "$out"
scratch="$(mktemp -d)"
trap 'rm -rf "$scratch"' EXIT

shoot() {
  local name="$1"; shift
  for look in light dark; do
    local extra=()
    [ "$look" = dark ] && extra=(--force-dark)
    rm -rf "$scratch/config"
    mkdir -p "$scratch/config/Tindrel"
    printf '[General]\ntindrel.onboarding.completed.v1=true\n' >"$scratch/config/Tindrel/Tindrel.conf"
    TMPDIR="$scratch" XDG_CONFIG_HOME="$scratch/config" xvfb-run -a -s "-screen 0 1280x800x24" \
      "$app" --quit-after-ms 2500 --screenshot "$out/$name-$look.png" "${extra[@]}" "$@"
    echo "$out/$name-$look.png"
  done
}

shoot empty
shoot token --autoload-sample
shoot scan --scan
shoot history --seed-history --open-history
shoot onboarding --onboarding
shoot palette --autoload-sample --open-palette
shoot settings-general --show-settings --settings-tab 0
shoot settings-appearance --show-settings --settings-tab 1
shoot settings-about --show-settings --settings-tab 2
shoot tray --autoload-sample --open-tray
