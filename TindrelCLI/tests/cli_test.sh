#!/usr/bin/env bash
# End-to-end checks of the tindrel command: output forms, exit statuses, standard input handling.
set -uo pipefail
tindrel=${TINDREL:?set TINDREL to the tindrel binary}
passed=0
failed=0

check() { # name, expected, actual
  if [ "$2" == "$3" ]; then
    passed=$((passed + 1))
  else
    failed=$((failed + 1))
    printf 'FAIL %s\n  expected: %q\n  actual:   %q\n' "$1" "$2" "$3"
  fi
}

contains() { # name, needle, haystack
  case "$3" in
    *"$2"*) passed=$((passed + 1)) ;;
    *) failed=$((failed + 1)); printf 'FAIL %s: %q not in output\n' "$1" "$2" ;;
  esac
}

out=$(printf 'eyJ1c2VyIjoiYWRhIn0=' | "$tindrel" inspect --json); status=$?
check "json exit" 0 "$status"
check "json shape" '["base64","json"]' "$(printf '%s' "$out" | python3 -c 'import json,sys; print(json.dumps(json.load(sys.stdin)["shape"],separators=(",",":")))')"

out=$("$tindrel" inspect --sample); status=$?
check "sample exit" 0 "$status"
contains "sample shape" "jwt → json" "$out"
contains "sample risk" "Risk: warning" "$out"
contains "sample next step" "Reject this token — it has expired." "$out"
check "no colour when piped" "" "$(printf '%s' "$out" | grep -c $'\x1b' | grep -v '^0$')"

out=$("$tindrel" inspect 'plain words'); status=$?
check "unrecognised exit" 1 "$status"
check "unrecognised text" "Not recognized" "$out"

# Standard input is taken byte for byte: surrounding blanks stay in the input, bad UTF-8 becomes U+FFFD.
out=$(printf '  \xff  ' | "$tindrel" inspect --json | python3 -c 'import json,sys; print(ascii(json.load(sys.stdin)["input"]))')
check "stdin bytes" "'  \ufffd  '" "$out"

out=$(printf 'eyJ1c2VyIjoiYWRhIn0=\r\nnope\n\nWzEsMiwzXQ==\n' | "$tindrel" inspect --each-line --json); status=$?
check "each-line exit" 0 "$status"
check "each-line count" 4 "$(printf '%s\n' "$out" | wc -l)"
check "each-line shapes" "base64,json|-|-|base64,json" "$(printf '%s\n' "$out" | python3 -c '
import json,sys
print("|".join(",".join(json.loads(l)["shape"]) or "-" for l in sys.stdin))')"

"$tindrel" inspect --each-line /nonexistent/file >/dev/null 2>/tmp/tindrel-cli-err; status=$?
check "missing file exit" 2 "$status"
check "missing file message" 1 "$(wc -l </tmp/tindrel-cli-err)"

"$tindrel" inspect --bogus >/dev/null 2>&1; check "usage error exit" 2 $?
"$tindrel" >/dev/null 2>&1; check "no command exit" 2 $?
"$tindrel" --help >/dev/null; check "help exit" 0 $?
check "version" "tindrel" "$("$tindrel" --version | cut -d' ' -f1)"

echo "cli: $passed passed, $failed failed"
[ "$failed" -eq 0 ]
