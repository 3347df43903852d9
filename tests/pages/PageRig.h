#pragma once
// A page in a stand-in window in front of the real USB worker and an emulated camera, wired
// as the window wires the page shown: what the page sends gets the camera's handle and goes
// to the worker, and what the worker answers about that camera comes back. Keeps what the
// page sent, the log bar's messages and the boxes shown (answered with the button the test
// chose), so that tests check what went out, what the user saw and what the camera keeps.
#include "framework/ClMessageBox.h"
#include "framework/ClPageHost.h"
#include "framework/ClWidgetBase.h"
#include "protocol/ClCommandKinds.h"
#include "protocol/ClEnvelope.h"
#include "protocol/PvCmd.h"
#include "protocol/TypedKinds.h"
#include "tests/support/ClWorkerRig.h"
#include "usb/ClUsbService.h"
#include "virtualcamera/ClVirtualCamera.h"

#include <QKeyEvent>
#include <QtTest>

class PageRig : public QObject
{
public:
    // Plugs a camera of the model in; the bus owns it.
    explicit PageRig(int lModel = 0, const QString& strFirmware = QString(), int lSecureMode = 2)
        : pclCamera(new ClVirtualCamera(lModel, strFirmware, lSecureMode))
    {
        PvCmd::registerMetaTypes();
        ClMessageBox::setTestResponder([this](const QString& strText, QMessageBox::StandardButtons) {
            lstBoxes.append(strText);
            return eAnswer;
        });
        pHandle = clWorker.plug(pclCamera);
        // The worker's own name query was answered before the page asks anything.
        lAnswersBefore = answerCount();
        connect(&clHost, &ClPageHost::sigSendCommand, this, [this](PV_CMD clCommand) {
            lstSent.append(clCommand);
            ++lSentTotal;
            clCommand.insert(ClEnvelope::keyDevice(), QVariant::fromValue(pHandle));
            clWorker.service().slotReceiveCommand(clCommand);
        });
        connect(&clWorker.service(), &ClUsbService::sigSendCommand, this, [this](PV_CMD clCommand) {
            if (ClEnvelope::device(clCommand) == pHandle)
                clHost.slotDeliverCommand(clCommand);
        });
        connect(&clHost, &ClPageHost::sigSetLog, this, [this](const QString& strText) { lstLogs.append(strText); });
    }
    ~PageRig() override { ClMessageBox::setTestResponder({}); }

    ClVirtualCamera& camera() { return *pclCamera; }
    ClPageHost& host() { return clHost; }
    ClWorkerRig& worker() { return clWorker; }
    // Null when the camera was not announced in time.
    void* handle() const { return pHandle; }

    // Tells the page (or a section of pages) the camera's model and firmware, attaches it
    // and waits for its chain.
    template <class Page> void attach(Page* pclPage)
    {
        QVERIFY(pHandle);
        pclPage->setCameraInfo(pclCamera->model(), pclCamera->firmwareVersion());
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
    // Waits until every envelope sent has been answered, and still is a moment later (a
    // reply may have led to the next request).
    bool settle(int lTimeoutMs = 5000)
    {
        QElapsedTimer clClock;
        clClock.start();
        int lQuiet = 0;
        while (clClock.elapsed() < lTimeoutMs) {
            QTest::qWait(10);
            lQuiet = answerCount() - lAnswersBefore >= lSentTotal ? lQuiet + 1 : 0;
            if (lQuiet >= 5)
                return true;
        }
        return false;
    }

    // What the page sent since the last clear, in order: kinds, the number of one kind, and
    // the last of a kind (empty when none).
    QList<QUuid> sentKinds() const
    {
        QList<QUuid> lstKinds;
        for (const PV_CMD& clCommand : lstSent)
            lstKinds.append(ClEnvelope::kind(clCommand));
        return lstKinds;
    }
    int sentCount(const QUuid& uuidKind) const { return int(sentKinds().count(uuidKind)); }
    PV_CMD lastSent(const QUuid& uuidKind) const
    {
        for (auto it = lstSent.crbegin(); it != lstSent.crend(); ++it) {
            if (ClEnvelope::kind(*it) == uuidKind)
                return *it;
        }
        return PV_CMD();
    }
    // The camera's requests of one wire code.
    int received(quint16 usCode) const
    {
        int lCount = 0;
        for (const ClVirtualCamera::Request& stRequest : pclCamera->requests())
            lCount += stRequest.stPacket.usCode == usCode ? 1 : 0;
        return lCount;
    }

    QList<PV_CMD> lstSent;
    QStringList lstBoxes;
    QStringList lstLogs;
    QMessageBox::StandardButton eAnswer = QMessageBox::Ok;

private:
    ClWorkerRig clWorker;
    ClPageHost clHost;
    ClVirtualCamera* pclCamera;  // the bus's
    void* pHandle = nullptr;
    int answerCount() const
    {
        int lAnswers = 0;
        for (const PV_CMD& clEnvelope : clWorker.envelopes())
            lAnswers += ClWorkerRig::kindOf(clEnvelope) != ClCommandKinds::cameraConnected() ? 1 : 0;
        return lAnswers;
    }

    int lSentTotal = 0;  // every envelope gets one answer
    int lAnswersBefore = 0;
};

// Types text key by key as a keyboard would, including characters QTest's own key tables
// do not know (accented letters).
inline void typeText(QWidget* pclWidget, const QString& strText)
{
    for (const QChar cChar : strText) {
        for (QEvent::Type eType : {QEvent::KeyPress, QEvent::KeyRelease}) {
            QKeyEvent clKey(eType, Qt::Key_unknown, Qt::NoModifier, QString(cChar));
            QCoreApplication::sendEvent(pclWidget, &clKey);
        }
    }
}
