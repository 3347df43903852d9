#pragma once
// Cameras on a virtual bus and the command runner in process: each run gets its own USB
// worker on the bus, as each start of tovu-settings does, and its output as text.
#include "cli/ClCliRunner.h"
#include "protocol/ClCommandCatalogue.h"
#include "protocol/ClTovuCommands.h"
#include "settings/ClSettingTable.h"
#include "virtualcamera/ClVirtualCamera.h"
#include "virtualcamera/ClVirtualUsbBus.h"

#include <QLoggingCategory>
#include <QSet>
#include <QTextStream>

#include <functional>

struct CliRun
{
    int lExit = -1;
    QString strOut;
    QString strErr;
};

class CliRig
{
public:
    CliRig()
    {
        clBus.setImmediateTimeouts(true);
        // Every run opens and announces each camera again; the worker's notes on it hide
        // the failures.
        QLoggingCategory::setFilterRules(QStringLiteral("tovu.*.info=false"));
    }

    ClVirtualCamera* plug(int lModel, const QByteArray& baSerial)
    {
        auto* pclCamera = new ClVirtualCamera(lModel);
        pclCamera->setText(ClTovuCommandGetSerialNo::usCommandCode, baSerial);
        clBus.plug(pclCamera);
        return pclCamera;
    }

    // fnSetUp may connect to the runner's signals before it starts.
    CliRun run(const QStringList& lstArguments, const std::function<void(ClCliRunner&)>& fnSetUp = {})
    {
        CliRun stRun;
        QTextStream clOut(&stRun.strOut);
        QTextStream clErr(&stRun.strErr);
        ClCliRunner clRunner(&clBus, clOut, clErr);
        if (fnSetUp)
            fnSetUp(clRunner);
        stRun.lExit = clRunner.run(QStringList {QStringLiteral("tovu-settings")} + lstArguments);
        clOut.flush();
        clErr.flush();
        return stRun;
    }

    // How many Set commands of the table's settings the camera was sent; with lstOnly, of
    // those settings only.
    static int setCount(const ClVirtualCamera& clCamera, const QStringList& lstOnly = {})
    {
        QSet<quint16> setCodes;
        for (const ClSettingDefinition& stSetting : ClSettingTable::all()) {
            if (lstOnly.isEmpty() || lstOnly.contains(stSetting.strName))
                setCodes.insert(ClCommandCatalogue::findByRequest(stSetting.uuidSet)->usCode);
        }
        int lCount = 0;
        for (const ClVirtualCamera::Request& stRequest : clCamera.requests()) {
            if (setCodes.contains(stRequest.stPacket.usCode))
                ++lCount;
        }
        return lCount;
    }

    ClVirtualUsbBus clBus;
};
