// Profiles as files: what a saved profile holds, and every way a file can be unfit, each
// refused as a whole with a message that names the fault. Also the text people type for a
// setting, which goes through the same checks.
#include "protocol/ScheduleSettings.h"
#include "settings/ClSettingTable.h"
#include "settings/ClSettingValue.h"
#include "settings/ClSettingsProfile.h"

#include <QJsonDocument>
#include <QJsonObject>
#include <QSize>
#include <QTemporaryDir>
#include <QtTest>

namespace {
QByteArray profileWith(const QString& strSettings, const QString& strHead = QString())
{
    const QString strStart
        = strHead.isEmpty() ? QStringLiteral("\"format\": \"tovu-settings-profile\", \"version\": 1") : strHead;
    return QStringLiteral("{%1, \"settings\": {%2}}").arg(strStart, strSettings).toUtf8();
}

const ClSettingDefinition& setting(const char* pszName)
{
    const ClSettingDefinition* pstSetting = ClSettingTable::find(QLatin1String(pszName));
    Q_ASSERT(pstSetting);
    return *pstSetting;
}
}  // namespace

class TestSettingsProfile : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() { PvCmd::registerMetaTypes(); }

    void typedValues_data()
    {
        QTest::addColumn<QString>("strName");
        QTest::addColumn<QString>("strText");
        QTest::addColumn<QVariant>("clWire");  // invalid: refused
        QTest::newRow("zone by offset") << "basic.time_zone"
                                        << "GMT+9:00" << QVariant(qint64(9));
        QTest::newRow("zone west of Greenwich") << "basic.time_zone"
                                                << "gmt-5:00" << QVariant(qint64(17));
        QTest::newRow("zone unknown") << "basic.time_zone"
                                      << "GMT+13:00" << QVariant();
        QTest::newRow("bit rate in kbit/s") << "stream.recording.bit_rate"
                                            << "2000" << QVariant(qint64(2000000));
        QTest::newRow("bit rate below") << "stream.recording.bit_rate"
                                        << "383" << QVariant();
        QTest::newRow("bit rate above") << "stream.recording.bit_rate"
                                        << "15361" << QVariant();
        QTest::newRow("bit rate huge") << "stream.recording.bit_rate"
                                       << "9223372036854775807" << QVariant();
        QTest::newRow("port's own default") << "network.rtsp_port"
                                            << "554" << QVariant(qint64(554));
        QTest::newRow("port reserved") << "network.rtsp_port"
                                       << "1023" << QVariant();
        QTest::newRow("port top") << "network.http_port"
                                  << "65535" << QVariant(qint64(65535));
        QTest::newRow("port over") << "network.http_port"
                                   << "65536" << QVariant();
        QTest::newRow("frame rate the slider has") << "stream.live.frame_rate"
                                                   << "6" << QVariant(qint64(6));
        QTest::newRow("frame rate between its steps") << "stream.live.frame_rate"
                                                      << "20" << QVariant();
        QTest::newRow("minutes to seconds") << "basic.auto_wifi_off"
                                            << "10" << QVariant(qint64(600));
        QTest::newRow("minutes zero") << "basic.auto_wifi_off"
                                      << "0" << QVariant();
        QTest::newRow("switch") << "basic.battery_alarm"
                                << "off" << QVariant(false);
        QTest::newRow("switch word") << "basic.battery_alarm"
                                     << "maybe" << QVariant();
        QTest::newRow("size") << "stream.live.image_size"
                              << "320x240" << QVariant(QSize(320, 240));
        QTest::newRow("size of the other table") << "stream.live.image_size"
                                                 << "1920x1080" << QVariant();
        QTest::newRow("name") << "basic.camera_name"
                              << "cam-2" << QVariant(QStringLiteral("cam-2"));
        QTest::newRow("name too long") << "basic.camera_name"
                                       << "camera-12" << QVariant();
        QTest::newRow("mask") << "network.infrastructure.subnet_mask"
                              << "255.255.252.0" << QVariant(QStringLiteral("255.255.252.0"));
        QTest::newRow("mask with a hole") << "network.infrastructure.subnet_mask"
                                          << "255.0.255.0" << QVariant();
        QTest::newRow("host ending in 255") << "network.infrastructure.address"
                                            << "192.168.1.255" << QVariant();
        QTest::newRow("day off") << "schedule.days.friday"
                                 << "off" << QVariant(QStringLiteral("off"));
        QTest::newRow("day period") << "schedule.days.friday"
                                    << "22:00-06:30" << QVariant(QStringLiteral("22:00-06:30"));
        QTest::newRow("day off the step") << "schedule.days.friday"
                                          << "08:05-17:00" << QVariant();
        QTest::newRow("day without end") << "schedule.days.friday"
                                         << "08:00" << QVariant();
    }

    void typedValues()
    {
        QFETCH(QString, strName);
        QFETCH(QString, strText);
        QFETCH(QVariant, clWire);
        const ClSettingDefinition& stSetting = *ClSettingTable::find(strName);
        QString strError;
        const QVariant clValue = ClSettingValue::fromText(stSetting, strText, &strError);
        if (!clWire.isValid()) {
            QVERIFY(!clValue.isValid());
            QVERIFY(!strError.isEmpty());
            return;
        }
        QVERIFY2(strError.isEmpty(), qPrintable(strError));
        if (stSetting.eType == ClSettingType::DayPeriod)
            QCOMPARE(ClSettingValue::toText(stSetting, clValue), clWire.toString());
        else
            QVERIFY(ClSettingValue::isSame(stSetting, clValue, clWire));
    }

    void savedProfileReadsBackWithoutSecrets()
    {
        ClSettingsProfile clProfile;
        clProfile.strModel = QStringLiteral("Tovu-S");
        clProfile.strFirmware = QStringLiteral("01.00.011");
        clProfile.strSerial = QStringLiteral("TV0A1");
        clProfile.dtRead = QDateTime(QDate(2026, 12, 7), QTime(10, 0), Qt::UTC);
        QString strError;
        clProfile.mapValues.insert(QStringLiteral("basic.time_zone"), qint64(1));
        clProfile.mapValues.insert(QStringLiteral("stream.live.bit_rate"), qint64(1500000));
        clProfile.mapValues.insert(QStringLiteral("network.infrastructure.key"), QStringLiteral("top secret"));
        clProfile.mapValues.insert(
            QStringLiteral("schedule.days.monday"),
            ClSettingValue::fromText(setting("schedule.days.monday"), QStringLiteral("08:00-17:30"), &strError));

        const QByteArray baJson = clProfile.toJson(false);
        QVERIFY(!baJson.contains("top secret"));
        const QJsonObject clSettings
            = QJsonDocument::fromJson(baJson).object().value(QStringLiteral("settings")).toObject();
        QCOMPARE(clSettings.value(QStringLiteral("basic.time_zone")).toString(), QStringLiteral("GMT+1:00"));
        QCOMPARE(clSettings.value(QStringLiteral("stream.live.bit_rate")).toDouble(), 1500.0);

        ClSettingsProfile clRead;
        QCOMPARE(clRead.fromJson(baJson), QStringList());
        QCOMPARE(clRead.strSerial, clProfile.strSerial);
        QCOMPARE(clRead.dtRead, clProfile.dtRead);
        QCOMPARE(clRead.mapValues.size(), 3);
        QCOMPARE(clRead.mapValues.value(QStringLiteral("stream.live.bit_rate")).toLongLong(), 1500000);
        QCOMPARE(ClSettingValue::toText(setting("schedule.days.monday"),
                                        clRead.mapValues.value(QStringLiteral("schedule.days.monday"))),
                 QStringLiteral("08:00-17:30"));

        QVERIFY(clProfile.toJson(true).contains("top secret"));
    }

    void unfitFilesAreRefused_data()
    {
        QTest::addColumn<QByteArray>("baJson");
        QTest::addColumn<QString>("strMessage");
        QTest::newRow("not JSON") << QByteArray("{\"format\": ") << "not valid JSON";
        QTest::newRow("an array") << QByteArray("[1, 2]") << "not a JSON object";
        QTest::newRow("another format") << profileWith(QString(),
                                                       QStringLiteral("\"format\": \"something-else\", \"version\": 1"))
                                        << "not a settings profile";
        QTest::newRow("newer version") << profileWith(
            QString(), QStringLiteral("\"format\": \"tovu-settings-profile\", \"version\": 2"))
                                       << "format version 2";
        QTest::newRow("version as text") << profileWith(
            QString(), QStringLiteral("\"format\": \"tovu-settings-profile\", \"version\": \"1\""))
                                         << "no valid format version";
        QTest::newRow("no settings") << QByteArray("{\"format\": \"tovu-settings-profile\", \"version\": 1}")
                                     << "\"settings\"";
        QTest::newRow("unknown name") << profileWith(QStringLiteral("\"basic.colour\": 3"))
                                      << "basic.colour: no such setting";
        QTest::newRow("out of range") << profileWith(QStringLiteral("\"stream.live.bit_rate\": 20000"))
                                      << "stream.live.bit_rate: out of range";
        QTest::newRow("fraction") << profileWith(QStringLiteral("\"network.http_port\": 8080.5"))
                                  << "network.http_port: expected a whole number";
        QTest::newRow("wrong type") << profileWith(QStringLiteral("\"basic.battery_alarm\": \"on\""))
                                    << "basic.battery_alarm: expected true or false";
        QTest::newRow("wrong pattern") << profileWith(QStringLiteral("\"basic.camera_name\": \"my camera\""))
                                       << "basic.camera_name: does not match";
        QTest::newRow("too big") << QByteArray(ClSettingsProfile::llMaxFileSize + 1, ' ') << "larger than";
        // One fault among good settings refuses them all; every fault is named.
        QTest::newRow("good settings and two faults")
            << profileWith(QStringLiteral("\"basic.camera_name\": \"good\", \"network.rtsp_port\": 80, "
                                          "\"basic.nothing\": 1"))
            << "basic.nothing: no such setting\nnetwork.rtsp_port: out of range";
    }

    void unfitFilesAreRefused()
    {
        QFETCH(QByteArray, baJson);
        QFETCH(QString, strMessage);
        ClSettingsProfile clProfile;
        clProfile.strSerial = QStringLiteral("kept");
        const QStringList lstFaults = clProfile.fromJson(baJson);
        QVERIFY(!lstFaults.isEmpty());
        QVERIFY2(lstFaults.join(QLatin1Char('\n')).contains(strMessage), qPrintable(lstFaults.join(QLatin1Char('\n'))));
        QCOMPARE(clProfile.strSerial, QStringLiteral("kept"));
        QVERIFY(clProfile.mapValues.isEmpty());
    }

    void fileOverTheCapIsNotRead()
    {
        QTemporaryDir clDir;
        const QString strPath = clDir.filePath(QStringLiteral("big.json"));
        QFile clFile(strPath);
        QVERIFY(clFile.open(QIODevice::WriteOnly));
        clFile.write(profileWith(QStringLiteral("\"basic.camera_name\": \"%1\"")
                                     .arg(QString(int(ClSettingsProfile::llMaxFileSize), QLatin1Char('a')))));
        clFile.close();
        ClSettingsProfile clProfile;
        QVERIFY(clProfile.load(strPath).join(QString()).contains(QStringLiteral("larger than")));
        QVERIFY(clProfile.load(clDir.filePath(QStringLiteral("missing.json")))
                    .join(QString())
                    .contains(QStringLiteral("Cannot read")));
    }
};

QTEST_GUILESS_MAIN(TestSettingsProfile)
#include "TestSettingsProfile.moc"
