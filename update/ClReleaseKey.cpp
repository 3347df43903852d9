#include "ClReleaseKey.h"

#include "TovuUpdateLog.h"

#include "ClCryptoLibrary.h"

namespace {
// The public half of the project's release key pair (openssl genpkey -algorithm ed25519).
constexpr unsigned char aucReleaseKey[32] = {
    0x05, 0xe3, 0xdf, 0xb9, 0xbc, 0xd9, 0x1c, 0x98, 0xc7, 0x40, 0xb4, 0x06, 0x08, 0x2f, 0xbc, 0x52,
    0x70, 0x2a, 0x8b, 0xe5, 0x34, 0x80, 0xb2, 0xa0, 0xda, 0x5c, 0x6b, 0xc8, 0xec, 0xb3, 0x22, 0xf0,
};
constexpr int lKeyBytes = 32;
constexpr int lSignatureBytes = 64;

QByteArray& testKey()
{
    static QByteArray clKey;
    return clKey;
}

}  // namespace

QByteArray ClReleaseKey::publicKey()
{
    if (!testKey().isEmpty())
        return testKey();
    const QByteArray clFromEnvironment = QByteArray::fromHex(qgetenv(pszTestKeyVariable));
    if (clFromEnvironment.size() == lKeyBytes) {
        qCWarning(lcTovuUpdate) << "update signatures are checked against the key in" << pszTestKeyVariable
                                << "instead of the release key";
        return clFromEnvironment;
    }
    return QByteArray(reinterpret_cast<const char*>(aucReleaseKey), lKeyBytes);
}

void ClReleaseKey::setTestKey(const QByteArray& clPublicKey)
{
    testKey() = clPublicKey;
}

bool ClReleaseKey::verify(const QByteArray& clMessage, const QByteArray& clSignature)
{
    return verifyWith(publicKey(), clMessage, clSignature);
}

bool ClReleaseKey::verifyWith(const QByteArray& clPublicKey, const QByteArray& clMessage,
                              const QByteArray& clSignature)
{
    if (clPublicKey.size() != lKeyBytes || clSignature.size() != lSignatureBytes)
        return false;
    return ClCryptoLibrary::verifyEd25519(clPublicKey, clMessage, clSignature) == ClCryptoLibrary::Result::Valid;
}
