#pragma once
// Finds the attached cameras through the USB worker: waits for their announcements, each
// wait bounded, then asks every identified camera its serial number and firmware version.
// Cameras that cannot be used (no permission, held by another program) are noted.
#include "ClCliCamera.h"
#include "protocol/PvCmd.h"

#include <QList>
#include <QObject>
#include <QStringList>
#include <QUuid>

class ClCameraDiscovery : public QObject
{
    Q_OBJECT

public:
    explicit ClCameraDiscovery(QObject* pclParent = nullptr);

    // lExpected > 0: waits until that many cameras are announced; 0: until lQuietMs pass
    // without another announcement after the first. Never longer than lLimitMs in all; each
    // question to a camera is given lAskMs.
    QList<ClCliCamera> discover(int lExpected, int lLimitMs, int lQuietMs, int lAskMs);
    // Why cameras on the bus could not be used, one line each.
    QStringList unusable() const { return lstUnusable; }

Q_SIGNALS:
    void sigSendCommand(PV_CMD clCommand);

public Q_SLOTS:
    void slotReceiveCommand(PV_CMD clCommand);

private:
    // The text the camera answers to a text query; empty when it did not answer in time.
    QString askText(void* pHandle, const QUuid& uuidRequest, const QUuid& uuidReply, int lAskMs);

    QList<ClCliCamera> lstCameras;
    QStringList lstUnusable;
    int lAnnouncements = 0;
    // The question under way and its answer.
    void* pAsked = nullptr;
    QUuid uuidAskedRequest;
    QUuid uuidAskedReply;
    PV_CMD clAnswer;
    bool bAnswered = false;
};
