#!/usr/bin/env bash
# End-to-end checks of tindrel scan --redact on generated logs whose planted artifacts are listed in a
# truth file: no planted secret survives, every other line is unchanged byte for byte and the line
# count holds. Needs $TINDREL, and $TINDREL_SOURCE_DIR with the log generator beside it.
set -uo pipefail
: "${TINDREL:?set TINDREL to the tindrel executable}"
: "${TINDREL_SOURCE_DIR:?set TINDREL_SOURCE_DIR to the source tree}"

generator="$TINDREL_SOURCE_DIR/../shared/bench/make-log.py"
if [ ! -f "$generator" ]; then
  echo "FAIL: the log generator $generator is missing"
  exit 1
fi

failures=0
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

fail() {
  echo "FAIL: $*"
  failures=$((failures + 1))
}

# check_redacted LOG TRUTH OUT: the planted secrets are gone, every other line is as it was.
check_redacted() {
  python3 - "$@" <<'EOF'
import json, sys

log_path, truth_path, out_path = sys.argv[1:4]
original = open(log_path, "rb").read()
redacted = open(out_path, "rb").read()
problems = []
lines_before, lines_after = original.count(b"\n"), redacted.count(b"\n")
if lines_before != lines_after:
    problems.append(f"{lines_before} line feeds became {lines_after}")

secret_keys = {"code", "token", "access_token", "refresh_token", "id_token", "client_secret", "password",
               "secret", "api_key", "apikey", "key", "sig", "signature"}

def secret_parts(artifact):
    """The pieces of a planted artifact that must not survive, or [] when it is no secret."""
    kind, text = artifact["kind"], artifact["text"]
    if kind == "jwt":
        return [text]
    if kind == "pem" and "PRIVATE KEY" in text.split("\n", 1)[0]:
        return [line for line in text.split("\n") if line and not line.startswith("-----")]
    if kind == "hash" and text.startswith("$"):
        pieces = text.split("$")
        kept = 3 if pieces[1].startswith("2") else 2
        return ["$".join(pieces[kept:])]
    if kind == "queryString":
        pairs = [piece.partition("=") for piece in text.split("&")]
        return [value for key, _, value in pairs if key.lower() in secret_keys and len(value) >= 4]
    return []

secret_lines = set()
secrets = 0
for record in open(truth_path, encoding="utf-8"):
    artifact = json.loads(record)
    parts = secret_parts(artifact)
    if not parts:
        continue
    secrets += 1
    first = artifact["line"]
    secret_lines.update(range(first, first + artifact["text"].count("\n") + 1))
    for part in parts:
        if part.encode() in redacted:
            problems.append(f"line {first}: {artifact['kind']} secret survives: {part[:40]}")

if secrets == 0:
    problems.append("the truth file lists no secret")
before, after = original.split(b"\n"), redacted.split(b"\n")
for number, (old, new) in enumerate(zip(before, after), start=1):
    if number not in secret_lines and old != new:
        problems.append(f"line {number} changed: {old[:60]!r} -> {new[:60]!r}")

for problem in problems[:20]:
    print(problem)
sys.exit(1 if problems else 0)
EOF
}

for seed in 1 2 3; do
  dir="$work/seed-$seed"
  if ! python3 "$generator" --sizes 200KB --seed "$seed" --outdir "$dir" >"$work/gen.out" 2>&1; then
    fail "seed $seed: the log generator failed: $(head -c 300 "$work/gen.out")"
    continue
  fi
  log=$(ls "$dir"/*.log)
  truth=$(ls "$dir"/*.truth.jsonl)
  "$TINDREL" scan --redact "$log" >"$dir/out" 2>"$dir/err"
  status=$?
  [ "$status" -eq 0 ] || fail "seed $seed: scan --redact exited $status ($(head -c 300 "$dir/err"))"
  check_redacted "$log" "$truth" "$dir/out" >"$dir/problems" || fail "seed $seed: $(cat "$dir/problems")"
done

# Standard input, the other modes and a log without secrets.
log=$(ls "$work"/seed-1/*.log)
"$TINDREL" scan --redact=keep-claims <"$log" >"$work/claims" || fail "scan --redact=keep-claims from standard input"
grep -qE '<redacted JWT [A-Z0-9]+ sub=[^ ]+ exp=[0-9T:Z-]+>' "$work/claims" ||
  fail "scan --redact=keep-claims: no token marker naming its claims"
"$TINDREL" scan --redact=all "$log" >"$work/all" || fail "scan --redact=all"
[ "$(wc -l <"$work/all")" -eq "$(wc -l <"$log")" ] || fail "scan --redact=all moved lines"
grep -q '<redacted UUID>' "$work/all" || fail "scan --redact=all left the UUIDs"
printf 'nothing secret\nid 3f2b8c1e-7d4a-4e5b-9c6f-1a2b3c4d5e6f\n' >"$work/plain.log"
"$TINDREL" scan --redact "$work/plain.log" >"$work/out"
status=$?
[ "$status" -eq 1 ] || fail "scan --redact of a log without secrets exited $status, expected 1"
cmp -s "$work/plain.log" "$work/out" || fail "scan --redact changed a log without secrets"

if [ "$failures" -ne 0 ]; then
  echo "$failures check(s) failed"
  exit 1
fi
echo "all redact checks passed"
