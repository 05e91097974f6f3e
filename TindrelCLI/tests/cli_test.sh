#!/usr/bin/env bash
# Runs the built CLI ($TINDREL) on layered inputs and checks the shape of each chain in the JSON
# document and the exit status (0 recognised, 1 not recognised).
set -uo pipefail
: "${TINDREL:?set TINDREL to the tindrel binary}"
failures=0

# expect_shape INPUT STATUS SHAPE: SHAPE is the JSON array of kinds, written without spaces.
expect_shape() {
  local input=$1 status=$2 shape=$3 output actual
  output=$(printf '%s' "$input" | "$TINDREL" inspect --json)
  actual=$?
  local compact
  compact=$(printf '%s' "$output" | tr -d ' \n')
  if [ "$actual" -ne "$status" ] || [[ "$compact" != *"\"shape\":$shape"* ]]; then
    echo "FAIL: inspect --json '$input': status $actual (want $status), want shape $shape"
    printf '%s\n' "$output"
    failures=$((failures + 1))
  fi
}

expect_shape '%257B%2522user%2522%253A%2522ada%2522%257D' 0 '["url","url","json"]'
expect_shape '{&quot;user&quot;:&quot;ada&quot;}' 0 '["htmlEntities","json"]'
expect_shape 'caf\u00e9 \x41' 0 '["unicodeEscape"]'
expect_shape '68656c6c6f20776f726c64' 0 '["hex"]'
expect_shape '35353065383430302d653239622d343164342d613731362d343436363535343430303030' 0 '["hex","uuid"]'
expect_shape 'NBSWY3DPEB3W64TMMQ======' 0 '["base32"]'
expect_shape 'StV1DL6CwTryKyV' 0 '["base58"]'
expect_shape '  1700000000' 0 '["unixTimestamp"]'
expect_shape '1700000000123' 0 '["unixTimestamp"]'
expect_shape '550E8400-E29B-41D4-A716-446655440000' 0 '["uuid"]'
expect_shape 'fish & chips' 1 '[]'
expect_shape '999999999' 1 '[]'

if [ "$failures" -ne 0 ]; then
  echo "$failures CLI check(s) failed"
  exit 1
fi
echo "CLI checks passed"
