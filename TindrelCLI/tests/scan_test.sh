#!/usr/bin/env bash
# End-to-end checks of tindrel scan: output forms, exit status and read errors. Needs $TINDREL.
set -uo pipefail
: "${TINDREL:?set TINDREL to the tindrel executable}"

failures=0
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

fail() {
  echo "FAIL: $*"
  failures=$((failures + 1))
}

# expect_status NAME EXPECTED COMMAND… : runs the command, output in $work/out and $work/err.
expect_status() {
  local name=$1 expected=$2
  shift 2
  "$@" >"$work/out" 2>"$work/err"
  local status=$?
  [ "$status" -eq "$expected" ] || fail "$name: exit $status, expected $expected ($(head -c 300 "$work/err"))"
}

expect_output() {
  local name=$1 pattern=$2
  grep -qE -- "$pattern" "$work/out" || fail "$name: output lacks /$pattern/: $(head -c 300 "$work/out")"
}

token=$("$TINDREL" inspect --sample --json | sed -n 's/^  "input": "\(.*\)",$/\1/p')
[ -n "$token" ] || fail "inspect --sample --json has no input member"

printf 'boot ok\nuser ada\nAuthorization: Bearer %s\n{"user":"ada","role":"admin"}\n' "$token" >"$work/lf.log"
sed 's/$/\r/' "$work/lf.log" >"$work/crlf.log"

for log in lf crlf; do
  expect_status "scan $log" 0 "$TINDREL" scan "$work/$log.log"
  expect_output "scan $log" '^line 3  JWT  '
  expect_output "scan $log" '^line 4  JSON  JSON object$'
done

expect_status "scan from standard input" 0 "$TINDREL" scan - <"$work/lf.log"
expect_output "scan from standard input" '^line 3  JWT  '

expect_status "scan --verbose" 0 "$TINDREL" scan --verbose "$work/lf.log"
expect_output "scan --verbose" '^    jwt → json$'

# Findings of one text share its report: runs of one text, and the texts between them, are each
# reported as on a line of their own.
printf '%s\n%s\n{"a":1}\n{"a":1}\n%s\n' "$token" "$token" "$token" >"$work/runs.log"
for flags in "" "--verbose"; do
  expected=$(for n in 1 2 3 4 5; do
    sed -n "${n}p" "$work/runs.log" | "$TINDREL" scan $flags - | sed "s/^line 1  /line $n  /"
  done)
  [ "$("$TINDREL" scan $flags "$work/runs.log")" = "$expected" ] || fail "scan${flags:+ $flags} of runs of one text"
done

printf 'nothing to see here\n' >"$work/plain.log"
expect_status "scan of a plain log" 1 "$TINDREL" scan "$work/plain.log"
expect_output "scan of a plain log" '^No artifacts found$'

# The JSON form is written as the scan settles each finding; whatever their number, the whole output
# is one JSON document whose count is the number of its findings. Shown: the count, then the first lines.
printf 'user ada\nAuthorization: Bearer %s\n' "$token" >"$work/one.log"
while read -r log status expected; do
  expect_status "scan --json $log" "$status" "$TINDREL" scan --json "$log"
  found=$(python3 -c 'import json,sys; d=json.load(sys.stdin); assert d["count"] == len(d["findings"])
print(d["count"], *[f["line"] for f in d["findings"]][:2])' <"$work/out") || found="not one JSON document"
  [ "$found" = "$expected" ] || fail "scan --json $log: got $found, expected $expected"
done <<EOF
$work/plain.log 1 0
$work/one.log 0 1 2
$work/lf.log 0 2 3 4
$(dirname "$0")/data/realistic.log 0 22 1 3
EOF

# Findings of the same text share their chain in the spool: each still comes out whole, in its place.
printf '%s\nuser=ada&role=admin\n%s\n%s\n' "$token" "$token" "$token" >"$work/repeats.log"
"$TINDREL" scan --json "$work/repeats.log" >"$work/out"
found=$(python3 - "$TINDREL" "$work/out" <<'PY'
import json, subprocess, sys
document = json.load(open(sys.argv[2]))
inspected = lambda text: json.loads(subprocess.run([sys.argv[1], "inspect", "--json", text], capture_output=True).stdout)
print(document["count"], *[f["line"] for f in document["findings"]],
      all(f["chain"] == inspected(f["matchedText"]) for f in document["findings"]))
PY
) || found="not one JSON document"
[ "$found" = "4 1 2 3 4 True" ] || fail "scan --json of repeated texts: got $found"

# A text met again after megabytes of other findings is read back from the spool as it was written.
{
  printf 'Authorization: Bearer %s\n' "$token"
  for i in $(seq 4000); do printf '{"id": %d, "note": "%0200d"}\n' "$i" "$i"; done
  printf 'Authorization: Bearer %s\n' "$token"
} >"$work/far.log"
found=$("$TINDREL" scan --json "$work/far.log" | python3 -c '
import json, sys
findings = json.load(sys.stdin)["findings"]
first, last = findings[0], findings[-1]
print(len(findings), first["line"], last["line"], {**first, "line": 0} == {**last, "line": 0})') ||
  found="not one JSON document"
[ "$found" = "4002 1 4002 True" ] || fail "scan --json of a text met again far on: got $found"

expect_status "scan of a missing file" 2 "$TINDREL" scan "$work/missing.log"
[ "$(wc -l <"$work/err")" -eq 1 ] && grep -q "cannot open $work/missing.log" "$work/err" ||
  fail "scan of a missing file: expected one error line, got: $(cat "$work/err")"
expect_status "scan of a directory" 0 "$TINDREL" scan "$work"
expect_output "scan of a directory" "^$work/lf.log:3:[0-9]+: JWT  "

# The log is scanned as it is read; its findings must stay those of the whole text. The expected
# outputs come from the scanner that read the whole text first (realistic.log: an application log
# with artifacts at known lines; mixed.log: CR LF, NUL and other control bytes, ill-formed UTF-8,
# combining marks, multi-line JSON and PEM). The age of an expired token grows by the day and is
# left out of the comparison.
data=$(dirname "$0")/data
ageless() { sed -E 's/[0-9]+ days ago/N days ago/g' "$1"; }
for log in realistic mixed; do
  for form in out json; do
    flag=()
    [ "$form" = json ] && flag=(--json)
    "$TINDREL" scan "${flag[@]}" "$data/$log.log" >"$work/$log.$form"
    cmp -s <(ageless "$work/$log.$form") <(ageless "$data/$log.$form") ||
      fail "scan $log.log ${flag[*]}: output differs from $log.$form"
  done
done
cat "$data/realistic.log" | "$TINDREL" scan >"$work/piped.out"
cmp -s "$work/piped.out" "$work/realistic.out" || fail "scan of a pipe differs from the scan of the file"
# A pipe's JSON document counts the findings as the pipe is read (and copied), then writes them
# from the copy.
for log in realistic mixed; do
  cat "$data/$log.log" | "$TINDREL" scan --json >"$work/$log-piped.json"
  cmp -s <(ageless "$work/$log-piped.json") <(ageless "$data/$log.json") ||
    fail "scan --json of $log.log through a pipe differs from $log.json"
done
[ "$(printf '' | "$TINDREL" scan --json)" = "$(printf '{\n  "count": 0,\n  "findings": []\n}')" ] ||
  fail "scan --json of an empty pipe: $(printf '' | "$TINDREL" scan --json)"

# A regular file of more than a megabyte is mapped rather than read, from standard input's offset
# when it comes that way; its findings are those of the same bytes through a pipe.
for _ in $(seq 40); do cat "$data/realistic.log" "$data/mixed.log"; done >"$work/large.log"
"$TINDREL" scan "$work/large.log" >"$work/large.out"
grep -q '^line 2' "$work/large.out" || fail "scan of a large file: $(head -c 300 "$work/large.out")"
cat "$work/large.log" | "$TINDREL" scan >"$work/large-piped.out"
cmp -s "$work/large.out" "$work/large-piped.out" || fail "scan of a large file differs from its scan through a pipe"
{
  read -r _
  "$TINDREL" scan - >"$work/large-rest.out"
} <"$work/large.log"
tail -n +2 "$work/large.log" | "$TINDREL" scan >"$work/large-rest-piped.out"
cmp -s "$work/large-rest.out" "$work/large-rest-piped.out" ||
  fail "scan of the rest of a large file on standard input differs from its scan through a pipe"
# Its JSON document is written as its findings are found, once they are counted, from the file
# mapped or from a copy of the pipe. The two are the same, and so is a document of no findings.
head -c 1500000 /dev/zero | tr '\0' 'x' >"$work/large-plain.log"
for log in large large-plain; do
  "$TINDREL" scan --json "$work/$log.log" >"$work/$log.json"
  cat "$work/$log.log" | "$TINDREL" scan --json >"$work/$log-piped.json"
  cmp -s "$work/$log.json" "$work/$log-piped.json" ||
    fail "scan --json of $log.log differs from its scan through a pipe"
done
grep -q '"count": 0' "$work/large-plain.json" || fail "scan --json of a large plain file: $(head -c 300 "$work/large-plain.json")"
{
  read -r _
  "$TINDREL" scan --json - >"$work/large-rest.json"
} <"$work/large.log"
tail -n +2 "$work/large.log" | "$TINDREL" scan --json >"$work/large-rest-piped.json"
cmp -s "$work/large-rest.json" "$work/large-rest-piped.json" ||
  fail "scan --json of the rest of a large file on standard input differs from its scan through a pipe"

# appears FILE PATTERN: whether a line of FILE matches within 10 s.
appears() {
  for _ in $(seq 100); do
    grep -qE -- "$2" "$1" && return 0
    sleep 0.1
  done
  return 1
}

for case in "--json:excludes" "--redact:excludes" "$work/lf.log $work/crlf.log:not several files" \
  "$work:not several files"; do
  IFS=: read -r extra message <<<"$case"
  read -ra words <<<"$extra"
  expect_status "scan --follow $extra" 2 "$TINDREL" scan --follow "${words[@]}"
  grep -q -- "$message" "$work/err" || fail "scan --follow $extra: error lacks '$message': $(cat "$work/err")"
done

# A pipe that stays open: each finding is shown while its writer still runs, with --follow and
# without it (behind a bracket that never closes, once the pipe has been silent for a while), and
# the scan ends with the pipe.
mkfifo "$work/fifo"
for follow in --follow ""; do
  name="scan $follow of an open pipe"
  timeout 20 "$TINDREL" scan ${follow:+"$follow"} <"$work/fifo" >"$work/pipe.out" 2>&1 &
  scan=$!
  exec 3>"$work/fifo"
  printf 'boot {\nAuthorization: Bearer %s\n' "$token" >&3
  appears "$work/pipe.out" '^line 2  JWT  ' || fail "$name: no finding while the pipe is open"
  printf 'user ada\n' >&3
  exec 3>&-
  wait "$scan" || fail "$name: exit $?, expected 0 ($(head -c 300 "$work/pipe.out"))"
done

# A file that grows, as tail -f follows it: a line appended later is found, and SIGTERM ends the
# scan quietly with the usual status — even sent twice, as `timeout` does (to its child, then to
# the child's process group).
printf 'Authorization: Bearer %s\n' "$token" >"$work/grows.log"
timeout 20 "$TINDREL" scan --follow "$work/grows.log" >"$work/grows.out" 2>"$work/grows.err" &
scan=$!
appears "$work/grows.out" '^line 1  JWT  ' || fail "scan --follow of a file: first line not found"
printf 'user ada\ntoken=%s\n' "$token" >>"$work/grows.log"
appears "$work/grows.out" '^line 3  JWT  ' || fail "scan --follow of a file: appended line not found"
kill -TERM "$scan"
wait "$scan"
status=$?
[ "$status" -eq 0 ] && [ ! -s "$work/grows.err" ] ||
  fail "scan --follow ended by SIGTERM: exit $status, expected 0 and no message ($(cat "$work/grows.err"))"

if [ "$failures" -ne 0 ]; then
  echo "$failures check(s) failed"
  exit 1
fi
echo "all scan checks passed"
