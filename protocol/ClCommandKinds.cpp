#include "ClCommandKinds.h"

#include <QByteArray>

namespace {
// Namespace of the derived kinds; changing it renames every derived kind at once,
// which is harmless because kinds never leave the process.
const QUuid clKindNamespace(QStringLiteral("{6d0f5c3e-2b8a-4f51-9c1e-7a4d2e9b0c11}"));
}  // namespace

QUuid ClCommandKinds::cameraConnected()
{
    static const QUuid clKind(QStringLiteral("{91c4b98b-89a7-492c-b06d-822bd360404c}"));
    return clKind;
}

QUuid ClCommandKinds::cameraRemoved()
{
    static const QUuid clKind(QStringLiteral("{dee588aa-f78f-4d39-a56b-85a17a588ead}"));
    return clKind;
}

QUuid ClCommandKinds::result()
{
    static const QUuid clKind(QStringLiteral("{92ea7622-4687-4056-a57d-b00de314ad18}"));
    return clKind;
}

QUuid ClCommandKinds::transportError()
{
    static const QUuid clKind(QStringLiteral("{3a39c6b1-7268-419d-b80b-a4bc35994ae2}"));
    return clKind;
}

QUuid ClCommandKinds::derived(const char* pszClassName, const char* pszRole)
{
    const QByteArray clName = QByteArray(pszClassName) + '/' + pszRole;
    return QUuid::createUuidV5(clKindNamespace, clName);
}
