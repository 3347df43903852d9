#pragma once
// The keys of the command envelope and how replies are read, for every side of the
// wire: pages, the window's session, the update services, the worker and its tests.
// A completion (result reply) and an error notice (transport-error reply) carry the
// executed kind in "PARAM2" and the result code in "PARAM3"; "PARAM1" is the camera
// handle, compared and never dereferenced outside the worker.
#include <QObject>
#include <QString>
#include <QUuid>

#include "PvCmd.h"

class ClEnvelope
{
public:
    static const QString& keyCmd();
    static const QString& keySender();
    // "PARAM1" ... "PARAM8"; any other index gives an empty key.
    static const QString& keyParam(int lIndex);
    static const QString& keyDevice() { return keyParam(1); }

    static QUuid kind(const PV_CMD& clCommand);
    static void* device(const PV_CMD& clCommand);
    static QObject* sender(const PV_CMD& clCommand);
    static bool isCompletion(const PV_CMD& clCommand);
    static bool isErrorNotice(const PV_CMD& clCommand);
    // A completion or an error notice: the answer that ends a command without values.
    static bool isOutcome(const PV_CMD& clCommand) { return isCompletion(clCommand) || isErrorNotice(clCommand); }
    // The error notice of a camera that is gone: its removal notice follows, so there is
    // nothing to tell the user.
    static bool isCameraGone(const PV_CMD& clCommand);
    static QUuid executedKind(const PV_CMD& clCommand);
    static quint16 resultCode(const PV_CMD& clCommand);

    // A completion, or an error notice for a transport code, of uuidExecuted.
    static PV_CMD outcome(const QUuid& uuidExecuted, void* pHandle, quint16 usResult);
    // The outcome of clRequest: carries its "Sender" over, so that the end of a command
    // reaches the page that sent it even when another page is shown by then.
    static PV_CMD outcomeOf(const PV_CMD& clRequest, const QUuid& uuidExecuted, quint16 usResult);
};
