#!/usr/bin/env bash
# Writes the keys and tokens the signature tests check, all made by the openssl command line so the
# verifier is tested against another implementation. Run once from this directory when they change:
#   ./make-tokens.sh
# Private keys live only in a temporary directory; the public halves (PEM, one in DER), the shared
# secret, a JWK, a JWK Set and tokens.tsv (name, tab, token) are kept.
set -euo pipefail

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

b64url() { basenc --base64url -w0 | tr -d '='; }
unhex() { tr 'a-f' 'A-F' | basenc --base16 -d; }

private_key() { # name, genpkey arguments…
  local name=$1
  shift
  openssl genpkey "$@" -out "$work/$name.key" 2>/dev/null
  openssl pkey -in "$work/$name.key" -pubout -out "$name.pem"
}

# ECDSA signatures come out as DER; a JWS carries r and s as fixed-width big-endian numbers.
der_to_raw() { # field bytes
  openssl asn1parse -inform DER | sed -n 's/.*INTEGER *://p' |
    while read -r number; do printf "%0$(($1 * 2))s" "$number" | tr ' ' 0; done | unhex
}

signature() { # alg, key name; the signing input on stdin
  local alg=$1 key=$work/$2.key bits=${1:2}
  case $alg in
  HS*) openssl dgst "-sha$bits" -mac HMAC -macopt "hexkey:$(basenc --base16 -w0 < "$2")" -binary ;;
  RS*) openssl dgst "-sha$bits" -sign "$key" -binary ;;
  PS*) openssl dgst "-sha$bits" -sign "$key" -sigopt rsa_padding_mode:pss -sigopt rsa_pss_saltlen:digest -binary ;;
  ES256-DER) openssl dgst -sha256 -sign "$key" -binary ;;
  ES256K) openssl dgst -sha256 -sign "$key" -binary | der_to_raw 32 ;;
  ES512) openssl dgst -sha512 -sign "$key" -binary | der_to_raw 66 ;;
  ES*) openssl dgst "-sha$bits" -sign "$key" -binary | der_to_raw $((bits / 8)) ;;
  EdDSA) cat > "$work/input" && openssl pkeyutl -sign -rawin -inkey "$key" -in "$work/input" ;;
  esac
}

payload=$(printf '{"sub":"1234567890","name":"Ada","iat":1700000000}' | b64url)

token() { # name, header alg, signing alg, key name, extra header members
  local header
  header=$(printf '{"alg":"%s"%s,"typ":"JWT"}' "$2" "${5:-}" | b64url)
  printf '%s\t%s.%s.%s\n' "$1" "$header" "$payload" "$(printf '%s.%s' "$header" "$payload" | signature "$3" "$4" | b64url)"
}

printf 'correct horse battery staple, but longer\n' > secret.txt
head -c 40 secret.txt > "$work/secret"
private_key rsa -algorithm RSA -pkeyopt rsa_keygen_bits:2048
openssl rsa -pubin -in rsa.pem -RSAPublicKey_out -out rsa-pkcs1.pem 2>/dev/null
openssl pkey -pubin -in rsa.pem -outform DER -out rsa.der
openssl req -x509 -new -key "$work/rsa.key" -subj /CN=tokens.test -days 36500 -out rsa-cert.pem 2>/dev/null
private_key ec-p256 -algorithm EC -pkeyopt ec_paramgen_curve:P-256
private_key ec-p256-old -algorithm EC -pkeyopt ec_paramgen_curve:P-256
private_key ec-p384 -algorithm EC -pkeyopt ec_paramgen_curve:P-384
private_key ec-p521 -algorithm EC -pkeyopt ec_paramgen_curve:P-521
private_key ec-secp256k1 -algorithm EC -pkeyopt ec_paramgen_curve:secp256k1
private_key ed25519 -algorithm ED25519
private_key ed448 -algorithm ED448

tail_b64url() { openssl pkey -pubin -in "$1" -outform DER | tail -c "$2" | b64url; }
ec_jwk() { # kid, public key file
  local point
  point=$(openssl pkey -pubin -in "$2" -outform DER | tail -c 65 | basenc --base16 -w0)
  printf '{"kty":"EC","crv":"P-256","kid":"%s","use":"sig","x":"%s","y":"%s"}' "$1" \
    "$(printf %s "${point:2:64}" | unhex | b64url)" "$(printf %s "${point:66:64}" | unhex | b64url)"
}
modulus=$(openssl rsa -pubin -in rsa.pem -noout -modulus | cut -d= -f2 | unhex | b64url)
printf '{"kty":"OKP","crv":"Ed25519","x":"%s"}\n' "$(tail_b64url ed25519.pem 32)" > ed25519.jwk
printf '{"keys":[%s,%s,{"kty":"RSA","kid":"rsa-1","alg":"RS256","n":"%s","e":"AQAB"},{"kty":"oct","kid":"hmac","k":"%s"}]}\n' \
  "$(ec_jwk 2023-01 ec-p256-old.pem)" "$(ec_jwk 2024-05 ec-p256.pem)" "$modulus" "$(b64url < "$work/secret")" > jwks.json

{
  for alg in HS256 HS384 HS512; do token "$alg" "$alg" "$alg" "$work/secret"; done
  for alg in RS256 RS384 RS512 PS256 PS384 PS512; do token "$alg" "$alg" "$alg" rsa; done
  token ES256 ES256 ES256 ec-p256
  token ES384 ES384 ES384 ec-p384
  token ES512 ES512 ES512 ec-p521
  token ES256K ES256K ES256K ec-secp256k1
  token EdDSA-Ed25519 EdDSA EdDSA ed25519
  token EdDSA-Ed448 EdDSA EdDSA ed448
  token ES256-kid-2024-05 ES256 ES256 ec-p256 ',"kid":"2024-05"'
  token ES256-kid-2023-01 ES256 ES256 ec-p256 ',"kid":"2023-01"'
  token ES256-DER ES256 ES256-DER ec-p256
  token HS256-rsa-pem HS256 HS256 rsa.pem
  token HS256-rsa-cert HS256 HS256 rsa-cert.pem
  printf 'none\t%s.%s.\n' "$(printf '{"alg":"none","typ":"JWT"}' | b64url)" "$payload"
} > tokens.tsv
