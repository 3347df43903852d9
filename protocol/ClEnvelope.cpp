#include "ClEnvelope.h"

#include "ClCommandKinds.h"
#include "ClResultCode.h"

#include <array>

const QString& ClEnvelope::keyCmd()
{
    static const QString strKey = QStringLiteral("CMD");
    return strKey;
}

const QString& ClEnvelope::keySender()
{
    static const QString strKey = QStringLiteral("Sender");
    return strKey;
}

const QString& ClEnvelope::keyParam(int lIndex)
{
    static const std::array<QString, 9> aKeys = {QString(),
                                                 QStringLiteral("PARAM1"),
                                                 QStringLiteral("PARAM2"),
                                                 QStringLiteral("PARAM3"),
                                                 QStringLiteral("PARAM4"),
                                                 QStringLiteral("PARAM5"),
                                                 QStringLiteral("PARAM6"),
                                                 QStringLiteral("PARAM7"),
                                                 QStringLiteral("PARAM8")};
    if (lIndex < 1 || lIndex > 8)
        return aKeys[0];
    return aKeys[size_t(lIndex)];
}

QUuid ClEnvelope::kind(const PV_CMD& clCommand)
{
    return clCommand.value(keyCmd()).toUuid();
}

void* ClEnvelope::device(const PV_CMD& clCommand)
{
    const QVariant clHandle = clCommand.value(keyDevice());
    if (clHandle.metaType().id() != QMetaType::VoidStar)
        return nullptr;
    return clHandle.value<void*>();
}

QObject* ClEnvelope::sender(const PV_CMD& clCommand)
{
    return clCommand.value(keySender()).value<QObject*>();
}

bool ClEnvelope::isCompletion(const PV_CMD& clCommand)
{
    return kind(clCommand) == ClCommandKinds::result();
}

bool ClEnvelope::isErrorNotice(const PV_CMD& clCommand)
{
    return kind(clCommand) == ClCommandKinds::transportError();
}

bool ClEnvelope::isCameraGone(const PV_CMD& clCommand)
{
    return isErrorNotice(clCommand) && resultCode(clCommand) == ClResultCode::usNoCamera;
}

QUuid ClEnvelope::executedKind(const PV_CMD& clCommand)
{
    return clCommand.value(keyParam(2)).toUuid();
}

quint16 ClEnvelope::resultCode(const PV_CMD& clCommand)
{
    return quint16(clCommand.value(keyParam(3)).toUInt() & 0xFFFF);
}

PV_CMD ClEnvelope::outcome(const QUuid& uuidExecuted, void* pHandle, quint16 usResult)
{
    PV_CMD clReply;
    clReply.insert(keyCmd(),
                   ClResultCode::isTransportCode(usResult) ? ClCommandKinds::transportError()
                                                           : ClCommandKinds::result());
    clReply.insert(keyDevice(), QVariant::fromValue(pHandle));
    clReply.insert(keyParam(2), uuidExecuted);
    clReply.insert(keyParam(3), QVariant::fromValue<quint16>(usResult));
    return clReply;
}

PV_CMD ClEnvelope::outcomeOf(const PV_CMD& clRequest, const QUuid& uuidExecuted, quint16 usResult)
{
    PV_CMD clReply = outcome(uuidExecuted, device(clRequest), usResult);
    const auto it = clRequest.constFind(keySender());
    if (it != clRequest.constEnd())
        clReply.insert(keySender(), it.value());
    return clReply;
}
