#!/usr/bin/env bash
# Signs Windows files (an exe, an MSI) with Authenticode, SHA-256 only, with an RFC 3161 time
# stamp when a time-stamp server is given. The certificate and key come from the environment and
# are never stored in the repository:
#   MORVATEK_SIGN_PKCS12          a PKCS#12 file holding the certificate (and its chain) and key
#   MORVATEK_SIGN_PASSWORD        its password (or MORVATEK_SIGN_PASSWORD_FILE, a file holding it)
# or, for a key on a token or smart card:
#   MORVATEK_SIGN_PKCS11_MODULE   the token's PKCS#11 module (a .so file)
#   MORVATEK_SIGN_PKCS11_KEY      the key's PKCS#11 URI ("pkcs11:object=…;type=private")
#   MORVATEK_SIGN_CERT            the certificate and its chain, PEM
#   MORVATEK_SIGN_PKCS11_ENGINE   OpenSSL's PKCS#11 engine, if not OpenSSL's own "pkcs11"
#                                 (Debian's package libengine-pkcs11-openssl)
#   MORVATEK_SIGN_PASSWORD        the token's PIN, if it asks for one (or MORVATEK_SIGN_PASSWORD_FILE)
# and for both:
#   MORVATEK_TIMESTAMP_URL        an RFC 3161 time-stamp server (optional)
#
# usage: codesign.sh configured       exits 0 when a certificate is given
#        codesign.sh check            refuses an unusable certificate, with the reason
#        codesign.sh sign IN OUT      writes OUT, the signed IN; leaves no OUT on failure
set -euo pipefail
fail() { echo "codesign.sh: $*" >&2; exit 1; }

configured() { [ -n "${MORVATEK_SIGN_PKCS12:-}" ] || [ -n "${MORVATEK_SIGN_PKCS11_MODULE:-}" ]; }

# The password in a file of its own, so it never stands on a command line.
password_file() {
    local file
    file=$(mktemp)
    chmod 600 "$file"
    if [ -n "${MORVATEK_SIGN_PASSWORD_FILE:-}" ]; then
        cat "$MORVATEK_SIGN_PASSWORD_FILE" >"$file"
    else
        printf '%s' "${MORVATEK_SIGN_PASSWORD:-}" >"$file"
    fi
    echo "$file"
}

# The signing certificate, PEM, on standard output.
certificate() {
    if [ -n "${MORVATEK_SIGN_PKCS12:-}" ]; then
        [ -r "$MORVATEK_SIGN_PKCS12" ] || fail "cannot read the PKCS#12 file $MORVATEK_SIGN_PKCS12"
        local pass
        pass=$(password_file)
        if ! openssl pkcs12 -in "$MORVATEK_SIGN_PKCS12" -passin "file:$pass" -nokeys -clcerts \
            2>/dev/null && ! openssl pkcs12 -legacy -in "$MORVATEK_SIGN_PKCS12" -passin "file:$pass" \
            -nokeys -clcerts 2>/dev/null; then
            rm -f "$pass"
            fail "cannot open $MORVATEK_SIGN_PKCS12: wrong password, or not a PKCS#12 file"
        fi
        rm -f "$pass"
    else
        [ -n "${MORVATEK_SIGN_PKCS11_KEY:-}" ] || fail "MORVATEK_SIGN_PKCS11_KEY names no key"
        [ -r "${MORVATEK_SIGN_CERT:-}" ] || fail "MORVATEK_SIGN_CERT names no readable certificate"
        openssl x509 -in "$MORVATEK_SIGN_CERT" || fail "$MORVATEK_SIGN_CERT holds no certificate"
    fi
}

check() {
    local cert subject
    cert=$(certificate) || exit 1
    subject=$(openssl x509 -noout -subject <<<"$cert")
    openssl x509 -noout -checkend 0 <<<"$cert" >/dev/null ||
        fail "the certificate has expired ($(openssl x509 -noout -enddate <<<"$cert")): $subject"
    local start
    start=$(openssl x509 -noout -startdate <<<"$cert" | cut -d= -f2)
    [ "$(date -u -d "$start" +%s)" -le "$(date -u +%s)" ] ||
        fail "the certificate is not valid before $start: $subject"
    openssl x509 -noout -ext extendedKeyUsage <<<"$cert" 2>/dev/null | grep -q 'Code Signing' ||
        fail "the certificate is not for code signing (no Code Signing extended key usage): $subject"
    echo "Signing as $subject"
}

sign() {
    local in=$1 out=$2 pass="" status=0
    local command=(osslsigncode sign -h sha256 -n Morvatek -i https://www.morvatek.example)
    if [ -n "${MORVATEK_SIGN_PKCS12:-}" ]; then
        pass=$(password_file)
        command+=(-pkcs12 "$MORVATEK_SIGN_PKCS12" -readpass "$pass")
    else
        # Unnamed, OpenSSL loads its own "pkcs11" engine: Debian 12's osslsigncode (2.5) cannot
        # load one named by its path ("bad engine id").
        [ -z "${MORVATEK_SIGN_PKCS11_ENGINE:-}" ] ||
            command+=(-pkcs11engine "$MORVATEK_SIGN_PKCS11_ENGINE")
        command+=(-pkcs11module "$MORVATEK_SIGN_PKCS11_MODULE" -key "$MORVATEK_SIGN_PKCS11_KEY"
                  -certs "$MORVATEK_SIGN_CERT")
        # The token's PIN, if it asks for one.
        if [ -n "${MORVATEK_SIGN_PASSWORD:-}${MORVATEK_SIGN_PASSWORD_FILE:-}" ]; then
            pass=$(password_file)
            command+=(-readpass "$pass")
        fi
    fi
    if [ -n "${MORVATEK_TIMESTAMP_URL:-}" ]; then
        command+=(-ts "$MORVATEK_TIMESTAMP_URL")
    fi
    rm -f "$out"
    "${command[@]}" -in "$in" -out "$out.partial" >"$out.log" 2>&1 || status=$?
    [ -z "$pass" ] || rm -f "$pass"
    if [ $status -ne 0 ]; then
        rm -f "$out.partial"
        if [ -n "${MORVATEK_TIMESTAMP_URL:-}" ] && grep -qi 'timestamp\|time stamp\|curl\|connect' "$out.log"; then
            echo "codesign.sh: the time-stamp server $MORVATEK_TIMESTAMP_URL did not answer" >&2
        fi
        cat "$out.log" >&2
        rm -f "$out.log"
        fail "could not sign $(basename "$in")"
    fi
    rm -f "$out.log"
    mv "$out.partial" "$out"
}

case ${1:-} in
configured) configured ;;
check) check ;;
sign) [ $# -eq 3 ] || fail "usage: codesign.sh sign IN OUT"; sign "$2" "$3" ;;
*) fail "usage: codesign.sh configured|check|sign IN OUT" ;;
esac
