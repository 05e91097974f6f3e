#!/usr/bin/env bash
# Installs the build into a throwaway root and checks that the desktop finds everything it needs there:
# both programs, the .desktop entry (valid, naming an installed program and icon) and the icon.
set -euo pipefail
build="$1"
scratch="$(mktemp -d)"
trap 'rm -rf "$scratch"' EXIT
root="$scratch/root"
prefix=/usr/local

fail() { echo "install: $*"; exit 1; }

DESTDIR="$root" cmake --install "$build" --prefix "$prefix" >"$scratch/log" 2>&1 || { cat "$scratch/log"; fail "cmake --install failed"; }
installed="$root$prefix"
desktop="$installed/share/applications/tindrel.desktop"
icon="$installed/share/icons/hicolor/scalable/apps/tindrel.svg"

[ -x "$installed/bin/tindrel-app" ] || fail "bin/tindrel-app missing"
if [ -e "$build/bin/tindrel" ]; then
  [ -x "$installed/bin/tindrel" ] || fail "bin/tindrel missing"
fi
[ -f "$desktop" ] || fail "share/applications/tindrel.desktop missing"
[ -s "$icon" ] || fail "share/icons/hicolor/scalable/apps/tindrel.svg missing"
grep -q '<svg' "$icon" || fail "the icon is not an SVG"

# The entry names the program by the name it was installed under and the icon by its file name.
key() { sed -n "/^\[Desktop Entry\]/,/^\[/s/^$1=//p" "$desktop" | head -n 1; }
program="$(key Exec | cut -d' ' -f1)"
[ -x "$installed/bin/$program" ] || fail "Exec=$program is not an installed program"
[ "$(key Icon)" = "$(basename "$icon" .svg)" ] || fail "Icon=$(key Icon) does not name the installed icon"
grep -qx 'Exec=tindrel-app --inspect-clipboard' "$desktop" || fail "no Inspect Clipboard action"

if command -v desktop-file-validate >/dev/null; then
  desktop-file-validate "$desktop" || fail "desktop-file-validate rejects the entry"
else
  echo "desktop-file-validate not installed (package desktop-file-utils): entry not validated"
fi
echo "installed: tindrel-app, tindrel.desktop, tindrel.svg"
