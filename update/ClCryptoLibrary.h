#pragma once
// OpenSSL's libcrypto, opened the first time a signature is checked rather than linked:
// the tool checks a signature only when it looks for updates, and a library loaded at
// start costs every run its relocations and pages (about 1.5 MB) for nothing.
#include <QByteArray>

class ClCryptoLibrary
{
public:
    enum class Result { Valid, Invalid, Unavailable };

    // Checks the Ed25519 signature (64 bytes) of clMessage by the raw 32-byte public key.
    // Unavailable when libcrypto cannot be opened or lacks what the check needs: the
    // caller treats that as unverified.
    static Result verifyEd25519(const QByteArray& clPublicKey, const QByteArray& clMessage,
                                const QByteArray& clSignature);
};
