#include "ClCryptoLibrary.h"

#include "TovuUpdateLog.h"

#include <QLibrary>

#include <openssl/evp.h>

#include <memory>

namespace {
// The entry points the check needs, typed by OpenSSL's own declarations so that a
// mismatch with the headers is a compile error, not a crash.
struct Functions
{
    decltype(&EVP_PKEY_new_raw_public_key) newRawPublicKey = nullptr;
    decltype(&EVP_PKEY_free) freeKey = nullptr;
    decltype(&EVP_MD_CTX_new) newContext = nullptr;
    decltype(&EVP_MD_CTX_free) freeContext = nullptr;
    decltype(&EVP_DigestVerifyInit) verifyInit = nullptr;
    decltype(&EVP_DigestVerify) verify = nullptr;

    bool complete() const
    {
        return newRawPublicKey && freeKey && newContext && freeContext && verifyInit && verify;
    }
};

template <typename Function>
void resolve(QLibrary& clLibrary, const char* pszName, Function& pfnTarget)
{
    pfnTarget = reinterpret_cast<Function>(clLibrary.resolve(pszName));
}

// Opened once and never closed: OpenSSL keeps global state that must outlive every caller.
const Functions& functions()
{
    static const Functions clFunctions = [] {
        Functions clFound;
        // The soname of the OpenSSL 3 the tool was built against (libcrypto.so.3).
        QLibrary clLibrary(QStringLiteral("crypto"), OPENSSL_VERSION_MAJOR);
        if (!clLibrary.load()) {
            qCWarning(lcTovuUpdate) << "cannot open libcrypto for signature checks:" << clLibrary.errorString();
            return clFound;
        }
        resolve(clLibrary, "EVP_PKEY_new_raw_public_key", clFound.newRawPublicKey);
        resolve(clLibrary, "EVP_PKEY_free", clFound.freeKey);
        resolve(clLibrary, "EVP_MD_CTX_new", clFound.newContext);
        resolve(clLibrary, "EVP_MD_CTX_free", clFound.freeContext);
        resolve(clLibrary, "EVP_DigestVerifyInit", clFound.verifyInit);
        resolve(clLibrary, "EVP_DigestVerify", clFound.verify);
        if (!clFound.complete())
            qCWarning(lcTovuUpdate) << "libcrypto lacks the Ed25519 signature check";
        return clFound;
    }();
    return clFunctions;
}
}  // namespace

ClCryptoLibrary::Result ClCryptoLibrary::verifyEd25519(const QByteArray& clPublicKey, const QByteArray& clMessage,
                                                       const QByteArray& clSignature)
{
    const Functions& clCrypto = functions();
    if (!clCrypto.complete())
        return Result::Unavailable;
    const auto freeKey = [&clCrypto](EVP_PKEY* pclKey) { clCrypto.freeKey(pclKey); };
    const auto freeContext = [&clCrypto](EVP_MD_CTX* pclContext) { clCrypto.freeContext(pclContext); };
    const std::unique_ptr<EVP_PKEY, decltype(freeKey)> upKey(
        clCrypto.newRawPublicKey(EVP_PKEY_ED25519, nullptr,
                                 reinterpret_cast<const unsigned char*>(clPublicKey.constData()),
                                 size_t(clPublicKey.size())),
        freeKey);
    const std::unique_ptr<EVP_MD_CTX, decltype(freeContext)> upContext(clCrypto.newContext(), freeContext);
    if (!upKey || !upContext) {
        qCWarning(lcTovuUpdate) << "cannot set up the signature check";
        return Result::Invalid;
    }
    // Ed25519 hashes the message itself: no digest is named.
    if (clCrypto.verifyInit(upContext.get(), nullptr, nullptr, nullptr, upKey.get()) != 1)
        return Result::Invalid;
    const int lVerified = clCrypto.verify(
        upContext.get(), reinterpret_cast<const unsigned char*>(clSignature.constData()), size_t(clSignature.size()),
        reinterpret_cast<const unsigned char*>(clMessage.constData()), size_t(clMessage.size()));
    return lVerified == 1 ? Result::Valid : Result::Invalid;
}
