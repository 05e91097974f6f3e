#!/usr/bin/env bash
# Makes the certificates of the bundle tests once, with fixed dates so that they read the same
# whatever the day (the tests pin the clock to 2025-06-01):
#   root.pem                  Tindrel Test Root, self-signed, RSA
#   intermediate.pem          Tindrel Test Intermediate, signed by the root, RSA
#   expired-intermediate.pem  the same name and key, valid 2020-2025-01-01 only
#   impostor.pem              the same name as the intermediate, another key, signed by the root
#   leaf.pem                  leaf.tindrel.test, signed by the intermediate, EC P-256; leaf.key its key
# and records what openssl prints for each certificate in facts.tsv:
#   file  sha256_fingerprint  not_after  subject_cn  issuer_cn  key_bits
# Run from this folder: ./make.sh
set -euo pipefail
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

cat >"$work/ca.cnf" <<CNF
[ca]
default_ca = test
[test]
database = $work/index.txt
serial = $work/serial
new_certs_dir = $work
default_md = sha256
policy = any
unique_subject = no
copy_extensions = copy
[any]
commonName = supplied
[ca_ext]
basicConstraints = critical, CA:true
keyUsage = critical, keyCertSign, cRLSign
[leaf_ext]
basicConstraints = CA:false
subjectAltName = DNS:leaf.tindrel.test, DNS:www.tindrel.test
CNF
: >"$work/index.txt"
echo 1000 >"$work/serial"

key() { # file, algorithm options…
  local file=$1
  shift
  openssl genpkey -quiet "$@" -out "$file"
}

sign() { # out, csr, signer cert, signer key, extensions, start, end
  openssl ca -batch -config "$work/ca.cnf" -notext -in "$2" -out "$1" -cert "$3" -keyfile "$4" \
    -extensions "$5" -startdate "$6" -enddate "$7" 2>/dev/null
}

selfsign() { # out, key, cn, start, end
  openssl req -new -key "$2" -subj "/CN=$3" -out "$work/self.csr"
  openssl ca -batch -selfsign -config "$work/ca.cnf" -notext -in "$work/self.csr" -out "$1" \
    -keyfile "$2" -extensions ca_ext -startdate "$4" -enddate "$5" 2>/dev/null
}

request() { # out, key, cn
  openssl req -new -key "$2" -subj "/CN=$3" -out "$1"
}

key "$work/root.key" -algorithm RSA -pkeyopt rsa_keygen_bits:2048
key "$work/intermediate.key" -algorithm RSA -pkeyopt rsa_keygen_bits:2048
key "$work/impostor.key" -algorithm RSA -pkeyopt rsa_keygen_bits:2048
key leaf.key -algorithm EC -pkeyopt ec_paramgen_curve:P-256

selfsign root.pem "$work/root.key" "Tindrel Test Root" 20240101000000Z 20440101000000Z
request "$work/intermediate.csr" "$work/intermediate.key" "Tindrel Test Intermediate"
sign intermediate.pem "$work/intermediate.csr" root.pem "$work/root.key" ca_ext 20240101000000Z 20340101000000Z
sign expired-intermediate.pem "$work/intermediate.csr" root.pem "$work/root.key" ca_ext \
  20200101000000Z 20250101000000Z
request "$work/impostor.csr" "$work/impostor.key" "Tindrel Test Intermediate"
sign impostor.pem "$work/impostor.csr" root.pem "$work/root.key" ca_ext 20240101000000Z 20340101000000Z
request "$work/leaf.csr" leaf.key "leaf.tindrel.test"
sign leaf.pem "$work/leaf.csr" intermediate.pem "$work/intermediate.key" leaf_ext \
  20240601000000Z 20260601000000Z

field() { # file, openssl option, prefix to strip
  openssl x509 -in "$1" -noout "$2" | sed -n "s/^$3//p"
}

for file in root.pem intermediate.pem expired-intermediate.pem impostor.pem leaf.pem; do
  fingerprint=$(openssl x509 -in "$file" -noout -fingerprint -sha256 | cut -d= -f2)
  not_after=$(date -u -d "$(field "$file" -enddate notAfter=)" +%Y-%m-%dT%H:%M:%SZ)
  subject=$(field "$file" -subject 'subject=CN = ')
  issuer=$(field "$file" -issuer 'issuer=CN = ')
  bits=$(openssl x509 -in "$file" -noout -text | sed -n 's/.*Public-Key: (\([0-9]*\) bit)/\1/p')
  printf '%s\t%s\t%s\t%s\t%s\t%s\n' "$file" "$fingerprint" "$not_after" "$subject" "$issuer" "$bits"
done >facts.tsv
