#pragma once
// Reads and writes settings by name with one camera as steps that return their report:
// a ClSettingsExchange between the caller and the USB worker, whose own deadline bounds
// every command, and an outer bound for the whole run in case the worker itself stalls.
#include "ClCliCamera.h"
#include "settings/ClSettingsReport.h"
#include "protocol/PvCmd.h"

#include <QList>
#include <QObject>
#include <QUuid>

class ClSettingsExchange;

class ClCameraSettings : public QObject
{
    Q_OBJECT

public:
    ClCameraSettings(const ClCliCamera& stCamera, int lCommandMs, QObject* pclParent = nullptr);

    const QList<QUuid>& supported() const { return lstSupported; }
    ClSettingsReport read(const QStringList& lstNames);
    ClSettingsReport write(const QMap<QString, QVariant>& mapValues, const QMap<QString, QVariant>& mapCurrent);

    // The names to read before writing lstNames: they and every setting written with them
    // in one command, which keeps the camera's value.
    static QStringList withPartners(const QStringList& lstNames);

Q_SIGNALS:
    void sigSendCommand(PV_CMD clCommand);
    void sigWritten(QString strName);

public Q_SLOTS:
    void slotReceiveCommand(PV_CMD clCommand);

private:
    ClSettingsReport waitForReport();

    ClSettingsExchange* pclExchange;
    QList<QUuid> lstSupported;
    int lCommandMs;
    bool bDone = false;
    ClSettingsReport stLast;
};
