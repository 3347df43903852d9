#pragma once
// "Save settings..." and "Load settings..." of the help page: every setting of the camera
// into a profile file, and a profile's settings into the camera after the user has seen
// what would change. Talks to the camera through its page, so the answers come back to
// the page even when the user has moved on to another one.
#include "settings/ClSettingsExchange.h"
#include "settings/ClSettingsProfile.h"

#include <QObject>
#include <QPointer>

#include <functional>

class ClWidgetBase;

class ClSettingsTransfer : public QObject
{
    Q_OBJECT

public:
    // Picks the file to save to (bSave) or to load; empty when the user cancels.
    using FileChooser = std::function<QString(bool bSave)>;

    explicit ClSettingsTransfer(ClWidgetBase* pclPage);

    // The connected camera's model and firmware; -1 when it is gone.
    void setCamera(qint32 lModel, const QString& strVersion);
    void setSerialNumber(const QString& strSerial) { strSerialNo = strSerial; }
    bool isBusy() const { return clExchange.isBusy(); }
    // The page hands over every envelope of the camera while a transfer runs.
    void receive(const PV_CMD& clCommand);
    // A test picks the file instead of the dialog.
    static void setTestFileChooser(FileChooser fnChooser);

Q_SIGNALS:
    void sigBusyChanged(bool bBusy);

public Q_SLOTS:
    void slotSave();
    void slotLoad();

private:
    void onRead(const ClSettingsReport& stReport);
    void onWritten(const ClSettingsReport& stReport);
    QString chooseFile(bool bSave);
    void tell(const QString& strText);

    ClWidgetBase* pclPage;
    ClSettingsExchange clExchange;
    QList<QUuid> lstSupported;
    qint32 lModel = -1;
    QString strVersion;
    QString strSerialNo;
    QString strPath;
    bool bLoading = false;
    ClSettingsProfile clProfile;
};
