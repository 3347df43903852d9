#include "ClCameraSettings.h"

#include "ClCliWait.h"
#include "protocol/SupportedCommands.h"
#include "settings/ClSettingTable.h"
#include "settings/ClSettingsExchange.h"

namespace {
// Settings beyond this many commands' deadlines count as never answered.
constexpr int lCommandsBound = 200;
}  // namespace

ClCameraSettings::ClCameraSettings(const ClCliCamera& stCamera, int lCommandMs_, QObject* pclParent)
    : QObject(pclParent),
      pclExchange(new ClSettingsExchange(this)),
      lstSupported(supportedCommands(stCamera.lModel, stCamera.strFirmware)),
      lCommandMs(lCommandMs_)
{
    pclExchange->setCamera(stCamera.pHandle, lstSupported);
    pclExchange->setDeadline(lCommandMs);
    connect(pclExchange, &ClSettingsExchange::sigSendCommand, this, &ClCameraSettings::sigSendCommand);
    connect(pclExchange, &ClSettingsExchange::sigWritten, this, &ClCameraSettings::sigWritten);
    connect(pclExchange, &ClSettingsExchange::sigReadDone, this, [this](const ClSettingsReport& stReport) {
        stLast = stReport;
        bDone = true;
    });
    connect(pclExchange, &ClSettingsExchange::sigWriteDone, this, [this](const ClSettingsReport& stReport) {
        stLast = stReport;
        bDone = true;
    });
}

void ClCameraSettings::slotReceiveCommand(PV_CMD clCommand)
{
    pclExchange->slotReceiveCommand(clCommand);
}

ClSettingsReport ClCameraSettings::waitForReport()
{
    if (!ClCliWait::until([this] { return bDone; }, lCommandMs * lCommandsBound)) {
        // The exchange's own deadline ends every command; this is for a worker gone silent.
        stLast = ClSettingsReport();
        stLast.bCameraGone = true;
    }
    return stLast;
}

ClSettingsReport ClCameraSettings::read(const QStringList& lstNames)
{
    bDone = false;
    pclExchange->read(lstNames);
    return waitForReport();
}

ClSettingsReport ClCameraSettings::write(const QMap<QString, QVariant>& mapValues,
                                         const QMap<QString, QVariant>& mapCurrent)
{
    bDone = false;
    pclExchange->write(mapValues, mapCurrent);
    return waitForReport();
}

QStringList ClCameraSettings::withPartners(const QStringList& lstNames)
{
    QStringList lstOut;
    for (const ClSettingDefinition& stSetting : ClSettingTable::all()) {
        for (const QString& strName : lstNames) {
            const ClSettingDefinition* pstNamed = ClSettingTable::find(strName);
            if (pstNamed && pstNamed->uuidSet == stSetting.uuidSet && pstNamed->lDayCode == stSetting.lDayCode) {
                lstOut.append(stSetting.strName);
                break;
            }
        }
    }
    return lstOut;
}
