#pragma once
// The update controller of the main window. This stand-in carries the controller's
// interface only: it never finds an update.
#include "PvCmd.h"

#include <QObject>
#include <QStringList>

class QWidget;

class ClTovuDownload : public QObject
{
    Q_OBJECT

public:
    explicit ClTovuDownload(QWidget* parent);

    bool isAutoUpdate() const { return bAutoUpdate; }
    void setAutoUpdate(bool bAuto) { bAutoUpdate = bAuto; }
    bool isBusy() const { return false; }
    void setCameraVersion(QString strVersion) { strCameraVersion = strVersion; }
    void clearCameraVersion() { strCameraVersion.clear(); }
    void stop();
    void setUpdateKind(qint32 lKind) { lUpdateKind = lKind; }
    void start(QStringList lstArguments);

Q_SIGNALS:
    void sigSendCommand(PV_CMD clCommand);
    void sigError(QString strError);
    void sigEndUpdate();

public Q_SLOTS:
    void slotReceiveCommand(PV_CMD clCommand);

private:
    bool bAutoUpdate = false;
    qint32 lUpdateKind = 0;
    QString strCameraVersion;
};
