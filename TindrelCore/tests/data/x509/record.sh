#!/usr/bin/env bash
# Records what openssl reads from certificates, one tab-separated line per file:
#   file  der_bytes  subject_cn  issuer_cn  not_before  not_after  san_dns
# (an empty field is a fact openssl does not show). Run once when the certificates change:
#   record.sh cert.pem… > facts.tsv
#   record.sh /usr/share/ca-certificates/mozilla/*.crt > mozilla.tsv
set -euo pipefail

first_cn() {
  openssl x509 -in "$1" -noout "-$2" -nameopt sep_multiline,utf8,lname |
    sed -n 's/^    commonName=//p' | head -n 1
}

iso() {
  date -u -d "$1" +%Y-%m-%dT%H:%M:%SZ
}

for file in "$@"; do
  der_bytes=$(openssl x509 -in "$file" -outform DER | wc -c)
  not_before=$(iso "$(openssl x509 -in "$file" -noout -startdate | cut -d= -f2)")
  not_after=$(iso "$(openssl x509 -in "$file" -noout -enddate | cut -d= -f2)")
  san=$(openssl x509 -in "$file" -noout -ext subjectAltName 2>/dev/null | sed -n '2p' |
    tr ',' '\n' | sed -n 's/^ *DNS://p' | paste -sd, | sed 's/,/, /g')
  printf '%s\t%s\t%s\t%s\t%s\t%s\t%s\n' "$(basename "$file")" "$der_bytes" "$(first_cn "$file" subject)" \
    "$(first_cn "$file" issuer)" "$not_before" "$not_after" "$san"
done
