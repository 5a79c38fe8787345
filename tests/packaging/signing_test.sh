#!/usr/bin/env bash
# Signs copies of the programs, and an MSI made from them, with a throw-away certificate as a
# release build does with the real one (packaging/windows/make-msi), then checks every signature
# with osslsigncode, and that an unsigned program is told apart.
#   signing_test.sh STAGE VERSION
set -euo pipefail
stage=$1
version=$2
source=$(cd "$(dirname "$0")/../.." && pwd)
fail() { echo "signing_test: $*" >&2; exit 1; }
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
# The build's own programs stay as they are.
cp -r "$stage" "$work/stage"
openssl req -x509 -newkey rsa:2048 -nodes -days 2 -keyout "$work/key.pem" -out "$work/cert.pem" \
  -subj "/CN=ZLX Client Diagnostics test signing" -addext "extendedKeyUsage=codeSigning" \
  >"$work/openssl.log" 2>&1 || { cat "$work/openssl.log"; fail "no test certificate"; }
ZLX_SIGN_CERT=$work/cert.pem ZLX_SIGN_KEY=$work/key.pem \
  python3 "$source/packaging/windows/make-msi" "$work/stage" "$work/signed.msi" \
  --version "$version" --publisher Norvane >"$work/make.log" 2>&1 ||
  { cat "$work/make.log"; fail "make-msi could not sign"; }
for file in "$work/stage/zlxdiag.exe" "$work/stage/zlxdiag.com" "$work/signed.msi"; do
  osslsigncode verify -CAfile "$work/cert.pem" -in "$file" >"$work/verify.log" 2>&1 ||
    { cat "$work/verify.log"; fail "$(basename "$file"): the signature does not verify"; }
done
if osslsigncode verify -CAfile "$work/cert.pem" -in "$stage/zlxdiag.exe" >/dev/null 2>&1; then
  fail "an unsigned zlxdiag.exe verifies"
fi
echo "signing_test: zlxdiag.exe, zlxdiag.com and the MSI signed and verified"
