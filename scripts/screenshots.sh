#!/usr/bin/env bash
# Pictures of every screen, light and dark, in build/screenshots/: the app runs under Xvfb in each
# demonstration mode, saves the screen and quits. Onboarding counts as done except for its own picture.
# The tray pictures have a real tray (trayer along the bottom edge) and open the panel by clicking
# the icon, as a person would. Builds the Release app first.
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

# Runs inside the X server: trayer docks the app's icon at the bottom right, a click opens the panel.
cat >"$scratch/with-tray.sh" <<'SCRIPT'
trayer --edge bottom --align right --height 24 --widthtype request >/dev/null 2>&1 &
tray=$!
sleep 1
"$@" &
running=$!
sleep 1.5
for w in $(xdotool search --onlyvisible --class tindrel 2>/dev/null); do
  eval "$(xdotool getwindowgeometry --shell "$w")"
  if [ "$WIDTH" -le 48 ]; then
    xdotool mousemove $((X + WIDTH / 2)) $((Y + HEIGHT / 2)) click 1
    break
  fi
done
wait "$running"
kill "$tray" 2>/dev/null || true
SCRIPT

shoot() {
  local name="$1"; shift
  local wrap=()
  if [ "$name" = tray ]; then
    if command -v trayer >/dev/null && command -v xdotool >/dev/null; then
      wrap=(bash "$scratch/with-tray.sh")
    else
      set -- "$@" --open-tray # no tray to dock in: the panel hangs from the pointer
    fi
  fi
  for look in light dark; do
    local extra=()
    [ "$look" = dark ] && extra=(--force-dark)
    rm -rf "$scratch/config"
    mkdir -p "$scratch/config/Tindrel"
    printf '[General]\ntindrel.onboarding.completed.v1=true\n' >"$scratch/config/Tindrel/Tindrel.conf"
    TMPDIR="$scratch" XDG_CONFIG_HOME="$scratch/config" xvfb-run -a -s "-screen 0 1280x800x24" \
      "${wrap[@]}" "$app" --quit-after-ms 3500 --screenshot "$out/$name-$look.png" "${extra[@]}" "$@"
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
shoot tray --autoload-sample
