#pragma once
// The release key of the tool's updates: an Ed25519 public key built into the tool, and
// the check that an update site's manifest was signed with its private half. The private
// half never leaves the release machine (tools/make-update-site.sh --key signs with it).
#include <QByteArray>

class ClReleaseKey
{
public:
    // The raw 32-byte public key updates are checked against.
    static QByteArray publicKey();
    // True when clSignature (64 bytes) is the Ed25519 signature of clMessage by the key.
    static bool verify(const QByteArray& clMessage, const QByteArray& clSignature);
    // The same check against any raw 32-byte Ed25519 public key.
    static bool verifyWith(const QByteArray& clPublicKey, const QByteArray& clMessage, const QByteArray& clSignature);

    // For tests only: checks against this key instead of the built-in one, so that a test
    // can sign a site with a key pair it made itself; an empty key restores the built-in.
    static void setTestKey(const QByteArray& clPublicKey);
    // For trying a site signed with a key of one's own (tools/make-update-site.sh
    // --make-key prints it): the environment variable holding that public key as 64
    // hexadecimal digits. Whoever can set the tool's environment can run anything as the
    // user already, so it opens nothing new; the tool logs a warning when it is used.
    static constexpr const char* pszTestKeyVariable = "TOVU_UPDATE_TEST_KEY";
};
