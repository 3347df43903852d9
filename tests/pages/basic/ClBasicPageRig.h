#pragma once
// A basic settings page against the real USB worker and an emulated camera: the page sits
// in a stand-in window whose envelopes go to the worker with the camera's handle, and the
// worker's replies come back to the page as the window would pass them on. Keeps what the
// page sent, so that tests check both what went out and what the camera keeps.
#include "app/framework/ClPageHost.h"
#include "protocol/PvCmd.h"
#include "tests/support/ClWorkerRig.h"

#include <QList>
#include <QStringList>
#include <QUuid>

class ClVirtualCamera;
class ClWidgetBase;

class ClBasicPageRig : public QObject
{
    Q_OBJECT

public:
    explicit ClBasicPageRig(int lModel = 0, const QString& strFirmware = QString());
    ~ClBasicPageRig() override;

    ClVirtualCamera& camera() { return *pclCamera; }
    ClPageHost& host() { return clHost; }
    ClWorkerRig& worker() { return clWorker; }

    // Tells the page the camera's model and firmware, attaches it and waits for its chain.
    void attach(ClWidgetBase* pclPage);
    // Waits until every envelope the page sent has been answered and no new one follows.
    bool settle(int lTimeoutMs = 5000);

    // What the page sent, in order, and their kinds.
    const QList<PV_CMD>& sent() const { return lstSent; }
    QList<QUuid> sentKinds() const;
    void clearSent() { lstSent.clear(); }
    // The last envelope of a kind the page sent; empty when none.
    PV_CMD lastSent(const QUuid& uuidKind) const;

    // The boxes shown, answered OK; and the log bar's messages.
    QStringList lstBoxes;
    QStringList lstLogs;

private:
    int answersReceived() const;

    ClWorkerRig clWorker;
    ClPageHost clHost;
    ClVirtualCamera* pclCamera = nullptr;  // the bus's
    void* pHandle = nullptr;
    int lModel = 0;
    QList<PV_CMD> lstSent;
    int lSentTotal = 0;  // every envelope gets one reply
};
