#!/usr/bin/env bash
# The release's signing step with throwaway certificates made here by openssl: a test CA, a
# code-signing certificate under it, and three that must be refused (no code-signing use,
# expired, wrong password), then a time-stamp server that does not answer, and the same key
# on a token. The signed exe and
# MSI verify against the CA; the exe inside the ZIP and the MSI is the signed one; the signed exe
# is the reproducible unsigned one plus its signature; one changed byte breaks the signature.
# usage: signing_test.sh WINDOWS_BUILD_FOLDER
set -euo pipefail
build=$(realpath "$1")
scripts=$(cd "$(dirname "$0")/../../scripts" && pwd)
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cd "$work"
status=0
check() { if eval "$2"; then echo "ok: $1"; else echo "FAIL: $1"; status=1; fi; }
unset MORVATEK_SIGN_PKCS11_MODULE MORVATEK_TIMESTAMP_URL MORVATEK_SIGN_PASSWORD_FILE

openssl req -x509 -newkey rsa:2048 -nodes -keyout ca.key -out ca.pem -days 2 -subj "/CN=Morvatek Test CA" \
    -addext basicConstraints=critical,CA:TRUE -addext keyUsage=critical,keyCertSign,cRLSign 2>/dev/null
# A certificate for `use` under the CA, in a PKCS#12 file with the password "throwaway".
certificate() {
    local name=$1 use=$2 clock=${3:-}
    openssl req -newkey rsa:2048 -nodes -keyout "$name.key" -out "$name.csr" -subj "/CN=Morvatek $name" 2>/dev/null
    printf 'basicConstraints=CA:FALSE\nkeyUsage=critical,digitalSignature\nextendedKeyUsage=%s\n' "$use" >"$name.ext"
    ${clock:+faketime "$clock"} openssl x509 -req -in "$name.csr" -CA ca.pem -CAkey ca.key -CAcreateserial \
        -days 1 -extfile "$name.ext" -out "$name.pem" 2>/dev/null
    openssl pkcs12 -export -inkey "$name.key" -in "$name.pem" -certfile ca.pem -out "$name.p12" \
        -passout pass:throwaway
}
certificate signer codeSigning
certificate server serverAuth
certificate expired codeSigning "2020-01-01 12:00:00"

export MORVATEK_SIGN_PASSWORD=throwaway
refused() { ! MORVATEK_SIGN_PKCS12=$1 "$scripts/codesign.sh" check 2>"$1.why" && grep -q "$2" "$1.why"; }
check "a certificate without the code-signing use is refused" 'refused server.p12 "not for code signing"'
check "an expired certificate is refused" 'refused expired.p12 "expired"'
check "a wrong password is refused" 'MORVATEK_SIGN_PASSWORD=wrong refused signer.p12 "wrong password"'
check "a time-stamp server that does not answer fails, leaving nothing signed, no earlier file either" \
    'echo earlier >stamped.exe && ! MORVATEK_SIGN_PKCS12=signer.p12 MORVATEK_TIMESTAMP_URL=http://127.0.0.1:9/ \
        "$scripts/codesign.sh" sign "$build/src/win32/Morvatek.exe" stamped.exe 2>/dev/null && [ ! -e stamped.exe ]'

export MORVATEK_SIGN_PKCS12=signer.p12
"$scripts/codesign.sh" check
"$scripts/release-windows.sh" "$build" out >/dev/null
zip=$(ls out/*.zip)
msi=$(ls out/*.msi)
unzip -q -p "$zip" Morvatek.exe >zipped.exe
msiextract -C installed "$msi" >/dev/null
installed=$(find installed -name Morvatek.exe)
verify() { osslsigncode verify -CAfile ca.pem -in "$1" >"$1.verify" 2>&1; }
check "the exe in the ZIP verifies" 'verify zipped.exe'
check "the MSI verifies" 'verify "$msi"'
check "the exe in the MSI is the signed one" 'cmp -s "$installed" zipped.exe'
osslsigncode remove-signature -in zipped.exe -out unsigned.exe >/dev/null
check "the signed exe is the reproducible one plus its signature" \
    'cmp -s unsigned.exe "$build/src/win32/Morvatek.exe"'
osslsigncode extract-signature -in zipped.exe -out signature.der >/dev/null
osslsigncode attach-signature -CAfile ca.pem -sigin signature.der -in "$build/src/win32/Morvatek.exe" -out attached.exe >/dev/null
check "its signature attached to the reproducible exe gives the signed exe" 'cmp -s attached.exe zipped.exe'
for file in zipped.exe "$msi"; do
    cp "$file" changed
    size=$(stat -c %s changed)
    printf '\x5a' | dd of=changed bs=1 seek=$((size / 3)) conv=notrunc status=none
    cmp -s changed "$file" && printf '\xa5' | dd of=changed bs=1 seek=$((size / 3)) conv=notrunc status=none
    check "one changed byte in $(basename "$file") fails verification" '! verify changed'
done

# The same key on a token, as a school's smart card would hold it: SoftHSM stands in for it.
export SOFTHSM2_CONF=$work/softhsm2.conf
mkdir tokens
echo "directories.tokendir = $work/tokens" >"$SOFTHSM2_CONF"
softhsm2-util --init-token --free --label morvatek --pin 1234 --so-pin 5678 >/dev/null
openssl pkcs8 -topk8 -nocrypt -in signer.key -out signer.p8
softhsm2-util --import signer.p8 --token morvatek --label signer --id 01 --pin 1234 >/dev/null
cat signer.pem ca.pem >chain.pem
check "a key on a token signs, with the token's PIN" \
    'MORVATEK_SIGN_PKCS12= MORVATEK_SIGN_PKCS11_MODULE=/usr/lib/softhsm/libsofthsm2.so \
        MORVATEK_SIGN_PKCS11_KEY="pkcs11:token=morvatek;object=signer;type=private" \
        MORVATEK_SIGN_CERT=chain.pem MORVATEK_SIGN_PASSWORD=1234 \
        "$scripts/codesign.sh" sign "$build/src/win32/Morvatek.exe" token.exe && verify token.exe'
exit $status
