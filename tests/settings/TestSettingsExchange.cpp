// Settings by name against the real worker and emulated cameras of both models: every
// setting of the table is read, changed and read back through the camera, so a setting
// mapped to the wrong command, field or type fails here. Also what the camera lacks (never
// asked), a refused Set, and a value the camera did not keep. (A camera pulled out in the
// middle of a write: tests/cli's TestCliCommands.)
#include "protocol/ClCommandCatalogue.h"
#include "protocol/ClResultCode.h"
#include "protocol/ClResultText.h"
#include "protocol/ScheduleSettings.h"
#include "protocol/SupportedCommands.h"
#include "protocol/TypedKinds.h"
#include "settings/ClSettingTable.h"
#include "settings/ClSettingValue.h"
#include "settings/ClSettingsExchange.h"
#include "tests/support/ClWorkerRig.h"
#include "usb/ClUsbService.h"
#include "virtualcamera/ClVirtualCamera.h"

#include <QSize>
#include <QtTest>

namespace {
// A valid value other than lCurrent, as a person would pick one.
QVariant anotherValue(const ClSettingDefinition& stSetting, const QVariant& clCurrent)
{
    const QString strNow = ClSettingValue::toText(stSetting, clCurrent);
    QStringList lstCandidates;
    switch (stSetting.eType) {
    case ClSettingType::Switch:
        return !clCurrent.toBool();
    case ClSettingType::Number:
        lstCandidates = {QString::number(stSetting.llMin), QString::number(stSetting.llMax)};
        break;
    case ClSettingType::Choice:
    case ClSettingType::ImageSize:
        for (const ClSettingChoice& stChoice : stSetting.lstChoices)
            lstCandidates.append(stChoice.strToken);
        break;
    case ClSettingType::Text:
        lstCandidates = {QStringLiteral("abc"), QStringLiteral("xyz")};
        break;
    case ClSettingType::Host:
        lstCandidates = {QStringLiteral("10.1.2.3"), QStringLiteral("10.1.2.4")};
        break;
    case ClSettingType::Mask:
        lstCandidates = {QStringLiteral("255.255.0.0"), QStringLiteral("255.255.255.0")};
        break;
    case ClSettingType::DayPeriod:
        lstCandidates = {QStringLiteral("22:00-06:30"), QStringLiteral("off")};
        break;
    }
    for (const QString& strCandidate : lstCandidates) {
        if (strCandidate != strNow)
            return ClSettingValue::fromText(stSetting, strCandidate, nullptr);
    }
    return QVariant();
}

struct Camera
{
    ClWorkerRig clRig;
    ClVirtualCamera* pclCamera = nullptr;
    void* pHandle = nullptr;
    ClSettingsExchange clExchange;
    ClSettingsReport stLast;
    bool bDone = false;

    explicit Camera(int lModel) : pclCamera(new ClVirtualCamera(lModel))
    {
        pHandle = clRig.plug(pclCamera);
        QObject::connect(&clExchange, &ClSettingsExchange::sigSendCommand, &clRig.service(),
                         &ClUsbService::slotReceiveCommand);
        QObject::connect(&clRig.service(), &ClUsbService::sigSendCommand, &clExchange,
                         &ClSettingsExchange::slotReceiveCommand);
        auto fnDone = [this](const ClSettingsReport& stReport) {
            stLast = stReport;
            bDone = true;
        };
        QObject::connect(&clExchange, &ClSettingsExchange::sigReadDone, fnDone);
        QObject::connect(&clExchange, &ClSettingsExchange::sigWriteDone, fnDone);
        clExchange.setCamera(pHandle, supportedCommands(lModel, pclCamera->firmwareVersion()));
    }

    bool read(const QStringList& lstNames = QStringList())
    {
        bDone = false;
        clExchange.read(lstNames);
        return QTest::qWaitFor([this] { return bDone; }, 20000);
    }

    bool write(const QMap<QString, QVariant>& mapValues, const QMap<QString, QVariant>& mapCurrent)
    {
        bDone = false;
        clExchange.write(mapValues, mapCurrent);
        return QTest::qWaitFor([this] { return bDone; }, 20000);
    }

    int asked(const QUuid& uuidKind) const
    {
        const ClCommandEntry* pstEntry = ClCommandCatalogue::findByRequest(uuidKind);
        int lCount = 0;
        for (const ClVirtualCamera::Request& stRequest : pclCamera->requests())
            lCount += stRequest.stPacket.usCode == pstEntry->usCode ? 1 : 0;
        return lCount;
    }
};
}  // namespace

class TestSettingsExchange : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() { PvCmd::registerMetaTypes(); }

    void everySettingChangesOnTheCamera_data()
    {
        QTest::addColumn<int>("lModel");
        QTest::newRow("Tovu") << 0;
        QTest::newRow("Tovu-S") << 1;
    }

    void everySettingChangesOnTheCamera()
    {
        QFETCH(int, lModel);
        Camera clCamera(lModel);
        QVERIFY(clCamera.pHandle);
        QVERIFY(clCamera.read());
        const ClSettingsReport stBefore = clCamera.stLast;
        QCOMPARE(stBefore.mapFailed, (QMap<QString, QString>()));
        QCOMPARE(stBefore.mapValues.size() + stBefore.lstUnsupported.size(), ClSettingTable::all().size());

        QMap<QString, QVariant> mapWanted;
        for (auto it = stBefore.mapValues.cbegin(); it != stBefore.mapValues.cend(); ++it) {
            const ClSettingDefinition& stSetting = *ClSettingTable::find(it.key());
            const QVariant clOther = anotherValue(stSetting, it.value());
            QVERIFY2(clOther.isValid(), qPrintable(it.key()));
            mapWanted.insert(it.key(), clOther);
        }
        QVERIFY(clCamera.write(mapWanted, stBefore.mapValues));
        QVERIFY2(clCamera.stLast.isComplete(),
                 qPrintable(QStringList(clCamera.stLast.mapFailed.values()).join(QLatin1Char('\n'))
                            + clCamera.stLast.mapFailed.keys().join(QLatin1Char(' '))));
        QCOMPARE(clCamera.stLast.lstWritten.size(), mapWanted.size());

        // What the camera keeps, read again from scratch.
        QVERIFY(clCamera.read());
        for (auto it = mapWanted.cbegin(); it != mapWanted.cend(); ++it) {
            const ClSettingDefinition& stSetting = *ClSettingTable::find(it.key());
            QVERIFY2(ClSettingValue::isSame(stSetting, clCamera.stLast.mapValues.value(it.key()), it.value()),
                     qPrintable(it.key()));
        }
        // And by the camera's own fields, where a setting is one field of several.
        QCOMPARE(clCamera.pclCamera->text(ClTovuCommandGetCameraName::usCommandCode), QByteArray("abc"));
        if (lModel == 0) {
            const auto arrInterval = clCamera.pclCamera->numbers(ClTovuCommandGetIntervalTimer::usCommandCode);
            QCOMPARE(qint64(arrInterval[1]), mapWanted.value(QStringLiteral("stream.interval.start")).toLongLong());
            QCOMPARE(qint64(arrInterval[2]), mapWanted.value(QStringLiteral("stream.interval.period")).toLongLong());
            QVERIFY(arrInterval[1] != arrInterval[2]);
        }
    }

    void whatTheCameraLacksIsNeverAsked()
    {
        Camera clCamera(0);
        QVERIFY(clCamera.read());
        QVERIFY(clCamera.stLast.lstUnsupported.contains(QStringLiteral("schedule.enabled")));
        QVERIFY(clCamera.stLast.lstUnsupported.contains(QStringLiteral("basic.key_lock")));
        for (const QString& strName : clCamera.stLast.lstUnsupported)
            QCOMPARE(clCamera.asked(ClSettingTable::find(strName)->uuidGet), 0);

        const QMap<QString, QVariant> mapWanted = {{QStringLiteral("schedule.enabled"), true}};
        QVERIFY(clCamera.write(mapWanted, clCamera.stLast.mapValues));
        QCOMPARE(clCamera.stLast.lstUnsupported, QStringList {QStringLiteral("schedule.enabled")});
        QCOMPARE(clCamera.asked(requestKind<ClTovuCommandSetScheOnOff>()), 0);
    }

    void refusedSetIsReportedAndTheRestIsWritten()
    {
        Camera clCamera(1);
        QVERIFY(clCamera.read());
        const QMap<QString, QVariant> mapCurrent = clCamera.stLast.mapValues;
        clCamera.pclCamera->setFaultStatus(ClResultCode::usParameterRejected);
        clCamera.pclCamera->injectFault(ClVirtualCamera::Fault::Status, 1);
        const QMap<QString, QVariant> mapWanted = {{QStringLiteral("basic.camera_name"), QStringLiteral("new")},
                                                   {QStringLiteral("basic.battery_alarm"), false}};
        QVERIFY(clCamera.write(mapWanted, mapCurrent));
        QCOMPARE(clCamera.stLast.mapFailed.value(QStringLiteral("basic.camera_name")),
                 ClResultText::text(ClResultCode::usParameterRejected));
        QCOMPARE(clCamera.stLast.lstWritten, QStringList {QStringLiteral("basic.battery_alarm")});
        QCOMPARE(clCamera.stLast.lstNotWritten, QStringList {QStringLiteral("basic.camera_name")});
        QVERIFY(!clCamera.stLast.mapValues.value(QStringLiteral("basic.battery_alarm")).toBool());
    }

    void valueTheCameraDidNotKeepIsAFailure()
    {
        Camera clCamera(1);
        QVERIFY(clCamera.read());
        const QMap<QString, QVariant> mapCurrent = clCamera.stLast.mapValues;
        // The camera confirms the name, then holds another one when it is read back.
        QObject::connect(&clCamera.clExchange, &ClSettingsExchange::sigWritten, &clCamera.clRig, [&clCamera] {
            clCamera.pclCamera->setText(ClTovuCommandGetCameraName::usCommandCode, "other");
        });
        QVERIFY(clCamera.write({{QStringLiteral("basic.camera_name"), QStringLiteral("mine")}}, mapCurrent));
        QVERIFY(!clCamera.stLast.isComplete());
        QCOMPARE(clCamera.stLast.lstWritten, QStringList {QStringLiteral("basic.camera_name")});
        QVERIFY(clCamera.stLast.mapFailed.value(QStringLiteral("basic.camera_name")).contains(QStringLiteral("other")));
    }

    void networkIsWrittenLastAndItsModeAfterItsAddresses()
    {
        Camera clCamera(0);
        QVERIFY(clCamera.read());
        const QMap<QString, QVariant> mapCurrent = clCamera.stLast.mapValues;
        clCamera.pclCamera->clearRequests();
        const quint32 ulOtherMode = mapCurrent.value(QStringLiteral("network.mode")).toUInt() == 2 ? 1 : 2;
        const QMap<QString, QVariant> mapWanted = {
            {QStringLiteral("network.mode"), qint64(ulOtherMode)},
            {QStringLiteral("network.adhoc.address"), QStringLiteral("10.9.8.7")},
            {QStringLiteral("basic.battery_alarm"), !mapCurrent.value(QStringLiteral("basic.battery_alarm")).toBool()}};
        QVERIFY(clCamera.write(mapWanted, mapCurrent));
        QVERIFY(clCamera.stLast.isComplete());
        QList<quint16> lstSets;
        for (const ClVirtualCamera::Request& stRequest : clCamera.pclCamera->requests()) {
            if ((stRequest.stPacket.usCode & 0xF800) == 0x5800)
                lstSets.append(stRequest.stPacket.usCode);
        }
        QCOMPARE(
            lstSets,
            (QList<quint16> {ClTovuCommandSetBatteryAlarm::usCommandCode, ClTovuCommandSetAdhocAddress::usCommandCode,
                             ClTovuCommandSetWifiMode::usCommandCode}));
    }
};

QTEST_GUILESS_MAIN(TestSettingsExchange)
#include "TestSettingsExchange.moc"
