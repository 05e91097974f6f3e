#!/usr/bin/env bash
# Installs the build into a throwaway root and checks what a Linux user expects there: the man pages
# (rendered by man, naming every option the programs take), the shell completions (loading, and
# offering every option), and a Debian package holding both programs, the desktop entry, the icon,
# the man pages and the completions. Usage: package_test.sh BUILD_DIR [--deb]
set -euo pipefail
build="$(cd "$1" && pwd)"
deb="${2:-}"
scratch="$(mktemp -d)"
trap 'rm -rf "$scratch"' EXIT
failures=0
fail() { echo "FAIL: $*"; failures=$((failures + 1)); }

# Every long option a command's --help names.
options_of() { "$build/bin/tindrel" "$@" --help | grep -o -- '--[a-z][a-z-]*' | sort -u; }
commands=(inspect scan explain ask)
app_flags() { sed -n '/Launch flags:/,/--open-history/p' "$(dirname "$0")/../../README.md" | sed 's/.*Launch flags://' | grep -o -- '--[a-z][a-z-]*' | sort -u; }

check_tree() { # ROOT PREFIX
  local usr="$1$2"
  local files=(bin/tindrel share/man/man1/tindrel.1.gz share/bash-completion/completions/tindrel
               share/zsh/vendor-completions/_tindrel share/fish/vendor_completions.d/tindrel.fish)
  if [ -e "$build/bin/tindrel-app" ]; then
    files+=(bin/tindrel-app share/man/man1/tindrel-app.1.gz share/applications/tindrel.desktop
            share/icons/hicolor/scalable/apps/tindrel.svg)
  fi
  for f in "${files[@]}"; do [ -s "$usr/$f" ] || fail "$2/$f not installed"; done

  local page="$scratch/tindrel.txt"
  MANWIDTH=200 man -l "$usr/share/man/man1/tindrel.1.gz" >"$page" 2>/dev/null || fail "man cannot render tindrel.1"
  grep -q "Tindrel $("$build/bin/tindrel" --version | cut -d" " -f2)" "$page" || fail "tindrel.1 is not of this version"
  for command in "${commands[@]}"; do
    grep -q "tindrel $command" "$page" || fail "tindrel.1 lacks the $command command"
    for option in $(options_of "$command"); do
      grep -q -- "$option" "$page" || fail "tindrel.1 lacks $command $option"
    done
  done
  if [ -e "$usr/bin/tindrel-app" ]; then
    MANWIDTH=200 man -l "$usr/share/man/man1/tindrel-app.1.gz" >"$scratch/app.txt" 2>/dev/null ||
      fail "man cannot render tindrel-app.1"
    for flag in $(app_flags); do grep -q -- "$flag" "$scratch/app.txt" || fail "tindrel-app.1 lacks $flag"; done
  fi

  local bash_completion="$usr/share/bash-completion/completions/tindrel"
  bash -c "source '$bash_completion' && complete -p tindrel" >/dev/null || fail "bash completion does not load"
  for command in "${commands[@]}"; do
    offered="$(bash -c "source '$bash_completion'; COMP_WORDS=(tindrel $command --); COMP_CWORD=2;
                        _tindrel; printf '%s\n' \"\${COMPREPLY[@]}\"")"
    for option in $(options_of "$command"); do
      grep -qx -- "$option" <<<"$offered" || fail "bash completion does not offer $command $option"
    done
  done
  if command -v zsh >/dev/null; then
    zsh -n "$usr/share/zsh/vendor-completions/_tindrel" || fail "zsh completion does not parse"
  fi
  if command -v fish >/dev/null; then
    fish -n "$usr/share/fish/vendor_completions.d/tindrel.fish" || fail "fish completion does not parse"
  fi
  for option in $(for c in "${commands[@]}"; do options_of "$c"; done | sort -u); do
    [ "$option" = --help ] && continue
    grep -q -- "${option#--}" "$usr/share/zsh/vendor-completions/_tindrel" || fail "zsh completion lacks $option"
    grep -q -- "-l ${option#--}" "$usr/share/fish/vendor_completions.d/tindrel.fish" ||
      fail "fish completion lacks $option"
  done
}

DESTDIR="$scratch/root" cmake --install "$build" --prefix /usr/local >"$scratch/log" 2>&1 ||
  { cat "$scratch/log"; fail "cmake --install failed"; }
check_tree "$scratch/root" /usr/local

if [ "$deb" = --deb ]; then
  (cd "$scratch" && cpack -G DEB --config "$build/CPackConfig.cmake" -B "$scratch/deb") >"$scratch/log" 2>&1 ||
    { cat "$scratch/log"; fail "cpack -G DEB failed"; }
  package="$(ls "$scratch"/deb/*.deb 2>/dev/null | head -n 1)"
  if [ -n "$package" ]; then
    dpkg-deb -x "$package" "$scratch/unpacked"
    check_tree "$scratch/unpacked" /usr
    dpkg-deb -f "$package" Depends | grep -q libc6 || fail "the package declares no shared-library dependencies"
    dpkg-deb -f "$package" Depends | grep -q libxml2 || fail "the package does not depend on the libxml2 it opens"
    dpkg-deb -f "$package" Depends | grep -q libssl3 || fail "the package does not depend on the libcrypto it opens"
    if command -v lintian >/dev/null; then lintian "$package" || fail "lintian rejects the package"; fi
  else
    fail "cpack wrote no .deb"
  fi
fi

[ "$failures" -eq 0 ] || { echo "$failures failed"; exit 1; }
echo "installed tree checked${deb:+, and the Debian package}"
