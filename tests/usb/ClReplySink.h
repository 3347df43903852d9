#pragma once
// Collects the USB worker's replies on the test thread, as the main window would.
#include "PvCmd.h"

#include <QObject>
#include <QUuid>

class ClReplySink : public QObject
{
    Q_OBJECT

public:
    QList<PV_CMD> lstReplies;

    int count(const QUuid& uuidKind) const
    {
        int lCount = 0;
        for (const PV_CMD& clReply : lstReplies)
            lCount += clReply.value(QStringLiteral("CMD")).toUuid() == uuidKind ? 1 : 0;
        return lCount;
    }
    PV_CMD first(const QUuid& uuidKind) const
    {
        for (const PV_CMD& clReply : lstReplies) {
            if (clReply.value(QStringLiteral("CMD")).toUuid() == uuidKind)
                return clReply;
        }
        return PV_CMD();
    }

public Q_SLOTS:
    void slotReceiveCommand(PV_CMD clReply) { lstReplies.append(clReply); }
};
