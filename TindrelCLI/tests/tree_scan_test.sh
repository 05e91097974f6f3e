#!/usr/bin/env bash
# tindrel scan over files and directory trees: which files are scanned (.gitignore rules, nested
# .gitignore files, .git/, binary files, symbolic links, unreadable files), the path:line:column
# output, and columns counted in user-perceived characters. Needs $TINDREL.
set -uo pipefail
: "${TINDREL:?set TINDREL to the tindrel executable}"

failures=0
work=$(mktemp -d)
trap 'chmod -R u+rwx "$work"; rm -rf "$work"' EXIT
uuid=550e8400-e29b-41d4-a716-446655440000
fail() {
  echo "FAIL: $*"
  failures=$((failures + 1))
}

# Layout entries: f:PATH a text file holding one UUID; b:PATH the same after a NUL byte;
# g:PATH:CONTENT a .gitignore (printf escapes); l:LINK:TARGET a symbolic link.
build_tree() {
  rm -rf "$work/t" "$work/outside"
  mkdir -p "$work/t" "$work/outside/dir"
  printf '%s\n' "$uuid" >"$work/outside/out.log"
  printf '%s\n' "$uuid" >"$work/outside/dir/x.log"
  local entry kind rest path
  for entry in "$@"; do
    kind=${entry%%:*} rest=${entry#*:} path=${rest%%:*}
    mkdir -p "$(dirname "$work/t/$path")"
    case $kind in
      f) printf '%s\n' "$uuid" >"$work/t/$path" ;;
      b) printf 'x\0y\n%s\n' "$uuid" >"$work/t/$path" ;;
      g) printf '%b' "${rest#*:}" >"$work/t/$path" ;;
      l) ln -s "${rest#*:}" "$work/t/$path" ;;
    esac
  done
}

# The files a scan reported, relative to the tree, in output order.
scanned() {
  "$TINDREL" scan "$@" "$work/t" 2>/dev/null | sed -n "s|^$work/t/\(.*\):[0-9]*:[0-9]*: UUID  .*|\1|p" | tr '\n' ' '
}

# name | extra flags | files expected, in order | layout…
cases=(
  "negation|-|a.txt keep.log|g:.gitignore:*.log\n!keep.log\n|f:a.log|f:keep.log|f:a.txt"
  "nested|-|a.txt sub/deep/b sub/deep/only-here sub/special.txt|g:.gitignore:build/\n|g:sub/.gitignore:*.txt\n!special.txt\n/only-here\n|f:build/x|f:sub/a.txt|f:sub/special.txt|f:a.txt|f:sub/only-here|f:sub/deep/only-here|f:sub/deep/b"
  "nested rules stay in their subtree|-|b/x.txt|g:a/.gitignore:*.txt\n|f:a/x.txt|f:b/x.txt"
  "globs|-|doc/c.txt log10.txt|g:.gitignore:**/gen/**\nlog?.txt\ndoc/**/*.md\n|f:gen/a|f:x/gen/b|f:log1.txt|f:log10.txt|f:doc/a.md|f:doc/x/y/b.md|f:doc/c.txt"
  "comments and anchoring|-|a.log d/top.log|g:.gitignore:# a.log\n\n/top.log\n|f:a.log|f:top.log|f:d/top.log"
  "trailing slash is for directories|-|d/logs|g:.gitignore:logs/\n|f:logs/a|f:x/logs/b|f:d/logs"
  "git and binary|-|a.log|f:.git/config|b:bin.dat|f:a.log"
  "all|--all|.git/config a.log bin.dat ignored.log|g:.gitignore:ignored.log\n|f:.git/config|b:bin.dat|f:a.log|f:ignored.log"
  "symbolic links|-|a.log in.log sub/c.log|f:a.log|l:in.log:a.log|l:out.log:$work/outside/out.log|l:outdir:$work/outside/dir|l:selfdir:sub|f:sub/c.log"
  "ignored link|-|a.log|g:.gitignore:in.log\n|f:a.log|l:in.log:a.log"
)
for case in "${cases[@]}"; do
  IFS='|' read -r -a fields <<<"$case"
  name=${fields[0]} flags=${fields[1]} expected="${fields[2]} "
  build_tree "${fields[@]:3}"
  [ "$flags" = - ] && flags=""
  # shellcheck disable=SC2086
  got=$(scanned $flags)
  [ "$got" = "$expected" ] || fail "$name: scanned [$got], expected [$expected]"
done

# Output forms: several files name each finding's file and column; one file keeps "line N".
build_tree f:a.log f:b/c.log
out=$("$TINDREL" scan "$work/t")
[ "$out" = "$work/t/a.log:1:1: UUID  UUID (version 4)
$work/t/b/c.log:1:1: UUID  UUID (version 4)" ] || fail "tree output: $out"
[ "$("$TINDREL" scan "$work/t/a.log")" = "line 1  UUID  UUID (version 4)" ] || fail "one file changed its output"
[ "$("$TINDREL" scan "$work/t/a.log" "$work/t/b/c.log" | cut -d: -f1 | tr '\n' ' ')" = "$work/t/a.log $work/t/b/c.log " ] ||
  fail "two files are not both named"
"$TINDREL" scan --json "$work/t" >"$work/tree.json"
grep -q "\"path\": \"$work/t/b/c.log\"" "$work/tree.json" || fail "tree JSON lacks the path"
grep -q '"column": 1' "$work/tree.json" || fail "tree JSON lacks the column"
grep -q '"count": 2' "$work/tree.json" || fail "tree JSON does not count both files"
# The whole document, its entries joined and counted as they waited on disk.
cmp -s "$work/tree.json" <(sed "s#@WORK@#$work#g" "$(dirname "$0")/data/tree.json") ||
  fail "tree JSON document: $(diff <(sed "s#@WORK@#$work#g" "$(dirname "$0")/data/tree.json") "$work/tree.json")"
"$TINDREL" scan --json "$work/t/a.log" | grep -q '"column"\|"path"' && fail "one file's JSON gained members"

# A file past a megabyte is scanned as a stream and its findings handed on in parts: every one
# of them, in order, counted once, with its column, before the file after it.
mkdir -p "$work/big"
awk -v u="$uuid" 'BEGIN { for (i = 0; i < 40001; i++) print "x " u }' >"$work/big/a.log"
printf '%s\n' "$uuid" >"$work/big/b.log"
"$TINDREL" scan "$work/big" >"$work/big.out" || fail "scan of a large file: exit $?"
[ "$(grep -c "^$work/big/a.log:[0-9]*:3: UUID  " "$work/big.out")" = 40001 ] || fail "large file: findings lost"
[ "$(sed -n '40001p' "$work/big.out" | cut -d: -f2)" = 40001 ] || fail "large file: findings out of order"
[ "$(tail -n 1 "$work/big.out")" = "$work/big/b.log:1:1: UUID  UUID (version 4)" ] || fail "large file: the next file"
"$TINDREL" scan --json "$work/big" >"$work/big.json"
grep -q '"count": 40002' "$work/big.json" || fail "large file: JSON count"

# A large file that is not valid UTF-8 is scanned as a copy made valid: each ill-formed byte is one
# character, so every finding stands in column 5. One that also holds a NUL byte is skipped as binary.
LC_ALL=C awk -v u="$uuid" 'BEGIN { for (i = 0; i < 40001; i++) printf "\377 x %s\n", u }' >"$work/big/a.log"
"$TINDREL" scan "$work/big" >"$work/big.out" || fail "scan of a large invalid file: exit $?"
[ "$(grep -c "^$work/big/a.log:[0-9]*:5: UUID  " "$work/big.out")" = 40001 ] || fail "large invalid file: findings lost"
[ "$(sed -n '40001p' "$work/big.out" | cut -d: -f2)" = 40001 ] || fail "large invalid file: findings out of order"
printf '\0' >>"$work/big/b.log" && cat "$work/big/a.log" >>"$work/big/b.log"
[ "$("$TINDREL" scan "$work/big" | grep -c "^$work/big/b.log:")" = 0 ] || fail "large invalid binary file scanned"

# Columns, in user-perceived characters: a tab, a two-byte letter, a letter with a combining
# accent and a flag are one each.
columns=("\t|2" "é |3" "e\xcc\x81 |3" "\xf0\x9f\x87\xab\xf0\x9f\x87\xb7 |3" "ab\t\t|5")
for row in "${columns[@]}"; do
  printf "skip\n${row%|*}%s\n" "$uuid" >"$work/col.log"
  got=$("$TINDREL" scan --json --extended "$work/col.log" | sed -n 's/^ *"column": \([0-9]*\),$/\1/p')
  [ "$got" = "${row#*|}" ] || fail "column after [${row%|*}]: $got, expected ${row#*|}"
  got=$(cp "$work/col.log" "$work/t/" && "$TINDREL" scan "$work/t" | grep -c "^$work/t/col.log:2:${row#*|}: UUID")
  [ "$got" = 1 ] || fail "text column after [${row%|*}]"
done

# Unreadable files are reported and the rest is still scanned; exit 2 only when nothing was read.
build_tree f:a.log
"$TINDREL" scan "$work/t/a.log" "$work/missing.log" >"$work/out" 2>"$work/err"
[ $? -eq 0 ] || fail "a missing file among readable ones is a failure"
grep -q 'missing.log' "$work/err" || fail "the missing file is not reported"
grep -q 'a.log:1:1: UUID' "$work/out" || fail "the readable file was not scanned"
"$TINDREL" scan "$work/missing.log" "$work/gone.log" >/dev/null 2>&1
[ $? -eq 2 ] || fail "nothing readable is not exit 2"
mkdir -p "$work/empty"
"$TINDREL" scan "$work/empty" >/dev/null 2>&1
[ $? -eq 1 ] || fail "an empty directory is not exit 1"
if [ "$(id -u)" -ne 0 ]; then # root reads any file whatever its mode
  build_tree f:a.log f:secret.log
  chmod 000 "$work/t/secret.log"
  got=$(scanned)
  [ "$got" = "a.log " ] || fail "unreadable file: scanned [$got]"
  "$TINDREL" scan "$work/t" 2>&1 >/dev/null | grep -q secret.log || fail "the unreadable file is not reported"
fi

[ "$failures" -eq 0 ] || { echo "$failures failed"; exit 1; }
echo "tree scan: ${#cases[@]} layouts, ${#columns[@]} column cases passed"
