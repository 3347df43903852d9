#pragma once
// A settings page (the basic and network pages) against the real USB worker and an emulated camera: the page sits
// in a stand-in window whose envelopes go to the worker with the camera's handle, and the
// worker's replies come back to the page as the window would pass them on. Keeps what the
// page sent, so that tests check both what went out and what the camera keeps.
#include "app/framework/ClMessageBox.h"
#include "app/framework/ClPageHost.h"
#include "app/framework/ClWidgetBase.h"
#include "protocol/ClCommandKinds.h"
#include "protocol/ClEnvelope.h"
#include "protocol/PvCmd.h"
#include "tests/support/ClWorkerRig.h"
#include "usb/ClUsbService.h"
#include "virtualcamera/ClVirtualCamera.h"

#include <QKeyEvent>
#include <QtTest>

class ClBasicPageRig : public QObject
{
public:
    explicit ClBasicPageRig(int lModel_ = 0, const QString& strFirmware = QString()) : lModel(lModel_)
    {
        PvCmd::registerMetaTypes();
        ClMessageBox::setTestResponder([this](const QString& strText, QMessageBox::StandardButtons) {
            lstBoxes.append(strText);
            return QMessageBox::Ok;
        });
        pclCamera = new ClVirtualCamera(lModel, strFirmware);
        pHandle = clWorker.plug(pclCamera);
        connect(&clHost, &ClPageHost::sigSendCommand, this, [this](PV_CMD clCommand) {
            lstSent.append(clCommand);
            ++lSentTotal;
            clCommand.insert(ClEnvelope::keyDevice(), QVariant::fromValue(pHandle));
            clWorker.service().slotReceiveCommand(clCommand);
        });
        connect(&clWorker.service(), &ClUsbService::sigSendCommand, &clHost, &ClPageHost::sigReceiveCommand);
        connect(&clHost, &ClPageHost::sigSetLog, this, [this](const QString& strText) { lstLogs.append(strText); });
    }
    ~ClBasicPageRig() override { ClMessageBox::setTestResponder({}); }

    ClVirtualCamera& camera() { return *pclCamera; }
    ClPageHost& host() { return clHost; }

    // Tells the page the camera's model and firmware, attaches it and waits for its chain.
    void attach(ClWidgetBase* pclPage)
    {
        QVERIFY(pHandle);
        pclPage->setCameraInfo(lModel, pclCamera->firmwareVersion());
        pclPage->activate(&clHost);
        QVERIFY(settle());
    }
    // Forgets what was sent, applies the page and waits for the camera's answers.
    void apply(ClWidgetBase* pclPage)
    {
        lstSent.clear();
        pclPage->slotApply();
        QVERIFY(settle());
    }
    // Waits until every envelope the page sent has been answered and no new one follows.
    bool settle(int lTimeoutMs = 5000)
    {
        QElapsedTimer clClock;
        clClock.start();
        // Answered, and still answered a moment later: a reply may have led to the next request.
        int lQuiet = 0;
        while (clClock.elapsed() < lTimeoutMs) {
            QTest::qWait(10);
            lQuiet = answersReceived() >= lSentTotal ? lQuiet + 1 : 0;
            if (lQuiet >= 5)
                return true;
        }
        return false;
    }

    // What the page sent, in order, and their kinds; and the last envelope of a kind (empty
    // when none).
    const QList<PV_CMD>& sent() const { return lstSent; }
    QList<QUuid> sentKinds() const
    {
        QList<QUuid> lstKinds;
        for (const PV_CMD& clCommand : lstSent)
            lstKinds.append(ClEnvelope::kind(clCommand));
        return lstKinds;
    }
    void clearSent() { lstSent.clear(); }
    PV_CMD lastSent(const QUuid& uuidKind) const
    {
        for (auto it = lstSent.crbegin(); it != lstSent.crend(); ++it) {
            if (ClEnvelope::kind(*it) == uuidKind)
                return *it;
        }
        return PV_CMD();
    }

    // The boxes shown, answered OK; and the log bar's messages.
    QStringList lstBoxes;
    QStringList lstLogs;

private:
    int answersReceived() const
    {
        int lCount = 0;
        for (const PV_CMD& clEnvelope : clWorker.envelopes())
            lCount += ClWorkerRig::kindOf(clEnvelope) != ClCommandKinds::cameraConnected() ? 1 : 0;
        return lCount;
    }

    ClWorkerRig clWorker;
    ClPageHost clHost;
    ClVirtualCamera* pclCamera = nullptr;  // the bus's
    void* pHandle = nullptr;
    int lModel = 0;
    QList<PV_CMD> lstSent;
    int lSentTotal = 0;  // every envelope gets one reply
};

// Types text key by key as a keyboard would, including characters QTest's own key
// tables do not know (accented letters).
inline void typeText(QWidget* pclWidget, const QString& strText)
{
    for (const QChar cChar : strText) {
        QKeyEvent clPress(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, QString(cChar));
        QCoreApplication::sendEvent(pclWidget, &clPress);
        QKeyEvent clRelease(QEvent::KeyRelease, Qt::Key_unknown, Qt::NoModifier, QString(cChar));
        QCoreApplication::sendEvent(pclWidget, &clRelease);
    }
}
