#include "ClSettingsTransfer.h"

#include "framework/ClMessageBox.h"
#include "framework/ClWidgetBase.h"
#include "protocol/ClEnvelope.h"
#include "protocol/SupportedCommands.h"
#include "settings/ClSettingTable.h"
#include "settings/ClSettingValue.h"
#include "settings/ClSettingsPlan.h"

#include <QDateTime>
#include <QFileDialog>

namespace {
ClSettingsTransfer::FileChooser& testChooser()
{
    static ClSettingsTransfer::FileChooser fnChooser;
    return fnChooser;
}

QString failures(const QMap<QString, QString>& mapFailed)
{
    QStringList lstLines;
    for (auto it = mapFailed.cbegin(); it != mapFailed.cend(); ++it)
        lstLines.append(QStringLiteral("%1: %2").arg(it.key(), it.value()));
    return lstLines.join(QLatin1Char('\n'));
}
}  // namespace

ClSettingsTransfer::ClSettingsTransfer(ClWidgetBase* pclOwner) : QObject(pclOwner), pclPage(pclOwner)
{
    // Through the page, so that the answers come back to it by its "Sender".
    connect(&clExchange, &ClSettingsExchange::sigSendCommand, this,
            [this](PV_CMD clCommand) { pclPage->sendCommand(ClEnvelope::kind(clCommand), clCommand, false, 0); });
    connect(&clExchange, &ClSettingsExchange::sigReadDone, this, &ClSettingsTransfer::onRead);
    connect(&clExchange, &ClSettingsExchange::sigWriteDone, this, &ClSettingsTransfer::onWritten);
}

void ClSettingsTransfer::setTestFileChooser(FileChooser fnChooser)
{
    testChooser() = std::move(fnChooser);
}

void ClSettingsTransfer::setCamera(qint32 lNewModel, const QString& strNewVersion)
{
    lModel = lNewModel;
    strVersion = strNewVersion;
    lstSupported = supportedCommands(lModel, strVersion);
    clExchange.setCamera(nullptr, lstSupported);
    if (lModel < 0) {
        strSerialNo.clear();
        clExchange.cameraGone();
    }
}

void ClSettingsTransfer::receive(const PV_CMD& clCommand)
{
    if (clExchange.isBusy())
        clExchange.slotReceiveCommand(clCommand);
}

QString ClSettingsTransfer::chooseFile(bool bSave)
{
    if (testChooser())
        return testChooser()(bSave);
    const QString strFilter = tr("Settings profiles (*.json)");
    if (bSave) {
        return QFileDialog::getSaveFileName(pclPage, tr("Save settings"), QStringLiteral("tovu-settings.json"),
                                            strFilter);
    }
    return QFileDialog::getOpenFileName(pclPage, tr("Load settings"), QString(), strFilter);
}

void ClSettingsTransfer::tell(const QString& strText)
{
    ClMessageBox(pclPage, strText, ClMessageBox::applicationTitle(), QMessageBox::Ok).exec();
}

void ClSettingsTransfer::slotSave()
{
    if (lModel < 0 || clExchange.isBusy())
        return;
    strPath = chooseFile(true);
    if (strPath.isEmpty())
        return;
    bLoading = false;
    Q_EMIT sigBusyChanged(true);
    clExchange.read(QStringList());
}

void ClSettingsTransfer::slotLoad()
{
    if (lModel < 0 || clExchange.isBusy())
        return;
    const QString strFile = chooseFile(false);
    if (strFile.isEmpty())
        return;
    ClSettingsProfile clLoaded;
    const QStringList lstFaults = clLoaded.load(strFile);
    if (!lstFaults.isEmpty()) {
        tell(tr("This file cannot be loaded; nothing was written to the camera:\n%1")
                 .arg(lstFaults.mid(0, 20).join(QLatin1Char('\n'))));
        return;
    }
    clProfile = clLoaded;
    bLoading = true;
    Q_EMIT sigBusyChanged(true);
    clExchange.read(clProfile.mapValues.keys());
}

void ClSettingsTransfer::onRead(const ClSettingsReport& stReport)
{
    if (stReport.bCameraGone) {
        Q_EMIT sigBusyChanged(false);
        return;
    }
    if (!bLoading) {
        ClSettingsProfile clSaved;
        clSaved.strModel = ClSettingsProfile::modelName(lModel);
        clSaved.strFirmware = strVersion;
        clSaved.strSerial = strSerialNo;
        clSaved.dtRead = QDateTime::currentDateTimeUtc();
        clSaved.mapValues = stReport.mapValues;
        const QString strError = clSaved.save(strPath, false);
        Q_EMIT sigBusyChanged(false);
        if (!strError.isEmpty()) {
            tell(tr("The settings could not be saved: %1").arg(strError));
            return;
        }
        QString strText = tr("The settings of this camera were saved to %1.\nPasswords and network keys are not saved.")
                              .arg(strPath);
        if (!stReport.mapFailed.isEmpty())
            strText
                += QLatin1Char('\n') + tr("These settings could not be read:\n%1").arg(failures(stReport.mapFailed));
        tell(strText);
        return;
    }

    const ClSettingsPlan clPlan = ClSettingsPlan::make(clProfile.mapValues, stReport.mapValues, lstSupported);
    QString strSkipped;
    if (!clPlan.lstUnsupported.isEmpty())
        strSkipped = QStringLiteral("\n\n")
            + tr("Not on this camera, skipped:\n%1").arg(clPlan.lstUnsupported.join(QLatin1Char('\n')));
    if (clPlan.lstChanges.isEmpty()) {
        Q_EMIT sigBusyChanged(false);
        tell(tr("The camera already has every setting of this file.") + strSkipped);
        return;
    }
    const QString strQuestion
        = tr("These settings will change:\n%1").arg(clPlan.describe(false).join(QLatin1Char('\n'))) + strSkipped
        + QStringLiteral("\n\n") + tr("Apply them to the camera?");
    ClMessageBox clAsk(pclPage, strQuestion, ClMessageBox::applicationTitle(), QMessageBox::Yes | QMessageBox::No);
    // The camera may have gone while the question was open.
    if (clAsk.exec() != 1 || lModel < 0) {
        Q_EMIT sigBusyChanged(false);
        return;
    }
    clExchange.write(clPlan.wantedChanges(), stReport.mapValues);
}

void ClSettingsTransfer::onWritten(const ClSettingsReport& stReport)
{
    Q_EMIT sigBusyChanged(false);
    if (stReport.bCameraGone) {
        tell(tr("The camera was disconnected while the settings were written.\nWritten: %1\nNot written: %2")
                 .arg(stReport.lstWritten.join(QStringLiteral(", ")),
                      stReport.lstNotWritten.join(QStringLiteral(", "))));
        return;
    }
    if (stReport.mapFailed.isEmpty()) {
        tell(tr("The settings of the file were applied."));
        return;
    }
    tell(tr("These settings were not applied:\n%1").arg(failures(stReport.mapFailed)));
}
