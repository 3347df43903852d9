#pragma once
// Envelopes as the USB worker sends them back to the window, for tests that play the
// camera's part: a completion of a request (or an error notice about it), an answer, the
// notices of a camera coming and going; and the envelopes a spy has seen.
#include "protocol/ClCommandCatalogue.h"
#include "protocol/ClCommandKinds.h"
#include "protocol/ClEnvelope.h"
#include "protocol/PvCmd.h"
#include "protocol/TypedKinds.h"

#include <QSignalSpy>

namespace ReplyTestSupport {
// The camera's completion of a request, or (bTransport) an error notice about it.
inline PV_CMD completion(const char* pszClass, quint16 usCode, bool bTransport = false)
{
    return {{"CMD", bTransport ? ClCommandKinds::transportError() : ClCommandKinds::result()},
            {"PARAM2", ClCommandCatalogue::requestKindOf(pszClass)},
            {"PARAM3", QVariant::fromValue(usCode)}};
}

// The answer of a Get command, carrying its value.
inline PV_CMD answer(const char* pszClass, const QVariant& clValue)
{
    return {{"CMD", ClCommandCatalogue::replyKindOf(pszClass)}, {"PARAM2", clValue}};
}

// An envelope of one camera (its handle in "PARAM1").
inline PV_CMD envelope(const QUuid& uuidKind, void* pDevice, const QVariant& clParam2 = {},
                       const QVariant& clParam3 = {})
{
    return {{"CMD", uuidKind}, {"PARAM1", QVariant::fromValue(pDevice)}, {"PARAM2", clParam2}, {"PARAM3", clParam3}};
}

inline PV_CMD connectNotice(void* pDevice, qint32 lModel, quint16 usStatus = 0)
{
    return envelope(ClCommandKinds::cameraConnected(), pDevice, lModel, QVariant::fromValue(usStatus));
}

inline PV_CMD removalNotice(void* pDevice)
{
    return envelope(ClCommandKinds::cameraRemoved(), pDevice);
}

// The outcome of a camera's command as the worker reports it: a completion, or an
// error notice for a transport code.
inline PV_CMD outcome(void* pDevice, const QUuid& uuidExecuted, quint16 usCode)
{
    return ClEnvelope::outcome(uuidExecuted, pDevice, usCode);
}

inline PV_CMD versionAnswer(void* pDevice, const QString& strVersion = QStringLiteral("01.03.025"))
{
    return envelope(replyKind<ClTovuCommandGetFwVersion>(), pDevice, strVersion);
}

// An answer to the session's own question carries the session as its sender.
inline PV_CMD secureAnswer(void* pDevice, qint32 lMode, QObject* pclSender = nullptr)
{
    PV_CMD clCommand = envelope(replyKind<ClTovuCommandGetSecureCurr>(), pDevice, lMode);
    clCommand["Sender"] = QVariant::fromValue(pclSender);
    return clCommand;
}

inline QList<PV_CMD> envelopes(const QSignalSpy& clSpy)
{
    QList<PV_CMD> lstCommands;
    for (const QList<QVariant>& lstArguments : clSpy)
        lstCommands.append(lstArguments.at(0).value<PV_CMD>());
    return lstCommands;
}

inline QList<QUuid> kinds(const QSignalSpy& clSpy)
{
    QList<QUuid> lstKinds;
    for (const PV_CMD& clCommand : envelopes(clSpy))
        lstKinds.append(ClEnvelope::kind(clCommand));
    return lstKinds;
}
}  // namespace ReplyTestSupport
