#!/usr/bin/env bash
# The one list of Debian packages Tindrel needs to build, test and run.
# Installs only what is missing, so a second run costs a dpkg query and nothing more.
set -euo pipefail

packages=(
  build-essential cmake ninja-build pkg-config git
  clang libclang-rt-14-dev clang-format clang-tidy cppcheck
  nlohmann-json3-dev libutf8proc-dev libcli11-dev libfmt-dev libre2-dev
  zlib1g-dev libxml2-dev libplist-dev libcurl4-openssl-dev libcurl4 libicu-dev libssl-dev openssl
  libgtest-dev libgmock-dev libbenchmark-dev
  qt6-base-dev qt6-base-dev-tools libgl-dev
  libxcb1-dev libxcb-keysyms1-dev libx11-dev
  xvfb xauth xdotool dbus-daemon trayer desktop-file-utils
  ca-certificates
)

missing=()
for p in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed'; then
    missing+=("$p")
  fi
done
[ ${#missing[@]} -eq 0 ] && exit 0

echo "Installing missing packages: ${missing[*]}"
sudo_cmd=()
[ "$(id -u)" -ne 0 ] && sudo_cmd=(sudo)
export DEBIAN_FRONTEND=noninteractive
"${sudo_cmd[@]}" apt-get update -qq
"${sudo_cmd[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
