#!/usr/bin/env bash
# End-to-end checks of --key and --key-env: tokens and keys are made here by the openssl command line.
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

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

b64url() { basenc --base64url -w0 | tr -d '='; }
header() { printf '{"alg":"%s","typ":"JWT"}' "$1" | b64url; }
payload=$(printf '{"sub":"ada","iat":1700000000}' | b64url)
forged=$(printf '{"sub":"admin","iat":1700000000}' | b64url)
hmac() { # alg, key file
  local input
  input="$(header "$1").$payload"
  printf '%s.%s' "$input" "$(printf '%s' "$input" | openssl dgst "-sha${1:2}" -mac HMAC \
    -macopt "hexkey:$(basenc --base16 -w0 <"$2")" -binary | b64url)"
}

openssl genpkey -algorithm RSA -pkeyopt rsa_keygen_bits:2048 -out "$work/private.pem" 2>/dev/null
openssl pkey -in "$work/private.pem" -pubout -out "$work/public.pem"
input="$(header RS256).$payload"
rs256="$input.$(printf '%s' "$input" | openssl dgst -sha256 -sign "$work/private.pem" -binary | b64url)"
tampered="$(header RS256).$forged.${rs256##*.}"
secret='a shared secret only the servers know'
printf '%s' "$secret" >"$work/secret.raw"
printf '%s\n' "$secret" >"$work/secret.txt"
hs256=$(hmac HS256 "$work/secret.raw")
confused=$(hmac HS256 "$work/public.pem") # the public key's PEM text used as an HMAC secret

# The signature facts of the first token in a JSON document: "signature|signature_key".
facts() {
  python3 -c '
import json, sys
doc = json.load(sys.stdin)
chains = [f["chain"] for f in doc["findings"]] if "findings" in doc else [doc]
details = [s["details"] for c in chains for s in c["steps"] if s["kind"] == "jwt"][0]
print(details.get("signature", "-") + "|" + details.get("signature_key", "-"))'
}

while IFS='|' read -r name token key expected; do
  eval "args=($key)"
  out=$(SECRET="$secret" "$tindrel" inspect --json "${args[@]}" "$token" | facts)
  check "$name" "$expected" "$out"
done <<CASES
no key, no facts|$rs256||-|-
public key|$rs256|--key $work/public.pem|verified|public.pem
tampered payload|$tampered|--key $work/public.pem|invalid|public.pem
secret file, newline ignored|$hs256|--key $work/secret.txt|verified|secret.txt
secret from the environment|$hs256|--key-env SECRET|verified|environment variable SECRET
HMAC over the public key|$confused|--key $work/public.pem|not checked: this key cannot check HS256|public.pem
CASES

# Only the two facts are added: everything else in the document stays as it was.
strip() { python3 -c '
import json, sys
doc = json.load(sys.stdin)
for s in doc["steps"]:
    s["details"].pop("signature", None); s["details"].pop("signature_key", None)
print(json.dumps(doc, sort_keys=True))'; }
check "document otherwise unchanged" "$("$tindrel" inspect --json "$tampered" | strip)" \
  "$("$tindrel" inspect --json --key "$work/public.pem" "$tampered" | strip)"

out=$("$tindrel" inspect --key "$work/public.pem" "$tampered"); status=$?
check "invalid: exit" 0 "$status"
check "invalid: risk" "Risk: critical" "$(printf '%s\n' "$out" | sed -n 2p)"
check "invalid: first next step" "  • Do not trust this token — its signature does not verify with the given key." \
  "$(printf '%s\n' "$out" | grep -A1 '^Next steps' | tail -1)"

log=$(printf 'boot\nAuthorization: Bearer %s\nretry with %s\n' "$rs256" "$tampered")
check "scan lines" "signature verified|signature invalid" \
  "$(printf '%s' "$log" | "$tindrel" scan --key "$work/public.pem" | sed 's/.*  //' | paste -sd'|')"
check "scan document" "invalid|public.pem" \
  "$(printf 'x %s\n' "$tampered" | "$tindrel" scan --json --key "$work/public.pem" | facts)"
# A key file whose name is not UTF-8 is named with U+FFFD in its place, so the document holds it.
cp "$work/public.pem" "$work/$(printf 'pub\377.pem')"
check "scan document, key named in bytes that are not UTF-8" "verified|pub�.pem" \
  "$(printf 'x %s\n' "$rs256" | "$tindrel" scan --json --key "$work/$(printf 'pub\377.pem')" | facts)"
check "each line" "verified|invalid" "$(printf '%s\n%s\n' "$rs256" "$tampered" |
  "$tindrel" inspect --each-line --json --key "$work/public.pem" | while read -r line; do
    printf '%s' "$line" | facts | cut -d'|' -f1; done | paste -sd'|')"
for command in explain "ask 'Is it signed?'"; do
  eval "words=($command)"
  "$tindrel" "${words[@]}" --no-model --key "$work/public.pem" "$rs256" >/dev/null 2>&1
  check "$command accepts a key" 0 $?
done

printf '{"kty":"unknown"}' >"$work/odd.json"
while IFS='|' read -r name key message; do
  eval "args=($key)"
  EMPTY= "$tindrel" inspect "${args[@]}" "$rs256" >/dev/null 2>"$work/err"; status=$?
  check "$name" "2 $message" "$status $(cat "$work/err")"
done <<CASES
missing key file|--key $work/none.pem|tindrel: cannot read key $work/none.pem: No such file or directory
unset variable|--key-env UNSET_FOR_SURE|tindrel: environment variable UNSET_FOR_SURE is not set
empty variable|--key-env EMPTY|tindrel: environment variable EMPTY is empty
unusable JWK|--key $work/odd.json|tindrel: odd.json holds a JWK that cannot be used
endless file|--key /dev/zero|tindrel: cannot read key /dev/zero: File too large
CASES
"$tindrel" inspect --key "$work/public.pem" --key-env SECRET "$rs256" >/dev/null 2>&1
check "--key and --key-env together" 2 $?

echo "key: $passed passed, $failed failed"
[ "$failed" -eq 0 ]
