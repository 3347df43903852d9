// The rules settings keep to, whoever asks: the pages' fields, the command line and
// profiles. Addresses and masks as the camera takes them, and ports as a finished field
// corrects them; and the numbers of the recording page.
#include "settings/ClSettingRules.h"
#include "settings/ClStreamRates.h"

#include <QtTest>

class TestSettingRules : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void masks_data()
    {
        QTest::addColumn<QString>("strMask");
        QTest::addColumn<bool>("bValid");
        QTest::newRow("255.255.240.0") << "255.255.240.0" << true;
        QTest::newRow("255.255.255.0") << "255.255.255.0" << true;
        QTest::newRow("0.0.0.0") << "0.0.0.0" << true;
        QTest::newRow("255.255.255.255") << "255.255.255.255" << true;
        QTest::newRow("255.255.255.254") << "255.255.255.254" << true;
        QTest::newRow("128.0.0.0") << "128.0.0.0" << true;
        QTest::newRow("hole 255.0.255.0") << "255.0.255.0" << false;
        QTest::newRow("not an edge 255.255.250.0") << "255.255.250.0" << false;
        QTest::newRow("ones after the edge") << "255.240.0.1" << false;
        QTest::newRow("three parts") << "255.255.255" << false;
        QTest::newRow("256") << "256.0.0.0" << false;
        QTest::newRow("empty") << "" << false;
    }

    void masks()
    {
        QFETCH(QString, strMask);
        QFETCH(bool, bValid);
        QCOMPARE(ClSettingRules::isSubnetMask(strMask), bValid);
    }

    void hosts_data()
    {
        QTest::addColumn<QString>("strHost");
        QTest::addColumn<bool>("bValid");
        QTest::newRow("192.168.0.10") << "192.168.0.10" << true;
        QTest::newRow("leading zeros") << "192.168.001.10" << true;
        // The last part allows none: 010 is no host number the expression knows.
        QTest::newRow("leading zero last") << "192.168.1.010" << false;
        QTest::newRow("network .0") << "192.168.0.0" << false;
        QTest::newRow("broadcast .255") << "192.168.0.255" << false;
        QTest::newRow(".254") << "10.0.0.254" << true;
        QTest::newRow("part 256") << "192.256.0.1" << false;
        QTest::newRow("five parts") << "1.2.3.4.5" << false;
        QTest::newRow("trailing dot") << "192.168.0." << false;
        QTest::newRow("letters") << "a.b.c.d" << false;
    }

    void hosts()
    {
        QFETCH(QString, strHost);
        QFETCH(bool, bValid);
        QCOMPARE(ClSettingRules::isHostAddress(strHost), bValid);
    }

    void portCorrection_data()
    {
        QTest::addColumn<QString>("strText");
        QTest::addColumn<int>("lDefault");
        QTest::addColumn<int>("lCorrected");
        QTest::newRow("HTTP 80 stays") << "80" << 80 << 80;
        QTest::newRow("HTTP 81 is the default") << "81" << 80 << 80;
        QTest::newRow("65536 is the top") << "65536" << 554 << 65535;
        QTest::newRow("65535 stays") << "65535" << 554 << 65535;
        QTest::newRow("1024 stays") << "1024" << 80 << 1024;
        QTest::newRow("1023 is the default") << "1023" << 554 << 554;
        QTest::newRow("RTSP 554 stays") << "554" << 554 << 554;
        QTest::newRow("RTSP 80 is the default") << "80" << 554 << 554;
        QTest::newRow("empty is the default") << "" << 554 << 554;
        QTest::newRow("0 is the default") << "0" << 80 << 80;
    }

    void portCorrection()
    {
        QFETCH(QString, strText);
        QFETCH(int, lDefault);
        QFETCH(int, lCorrected);
        QCOMPARE(ClSettingRules::correctedPort(strText, lDefault), lCorrected);
    }

    void patterns_data()
    {
        QTest::addColumn<QString>("strPattern");
        QTest::addColumn<QString>("strText");
        QTest::addColumn<bool>("bMatches");
        const QString strName = ClSettingRules::cameraNamePattern();
        QTest::newRow("name: all its characters") << strName << QStringLiteral("a-Z_.~09") << true;
        QTest::newRow("name: nine characters") << strName << QStringLiteral("abcdefghi") << false;
        QTest::newRow("name: empty") << strName << QString() << false;
        QTest::newRow("name: a space") << strName << QStringLiteral("my cam") << false;
        QTest::newRow("name: a pattern matched only in part") << strName << QStringLiteral("cam!") << false;
        const QString strKey = ClSettingRules::networkKeyPattern();
        QTest::newRow("key: spaces and symbols") << strKey << QStringLiteral("a b~!") << true;
        QTest::newRow("key: 63 characters") << strKey << QString(63, QLatin1Char('k')) << true;
        QTest::newRow("key: 64 characters") << strKey << QString(64, QLatin1Char('k')) << false;
        QTest::newRow("key: not ASCII") << strKey << QStringLiteral("schl\u00fcssel") << false;
        const QString strSsid = ClSettingRules::ssidPattern();
        QTest::newRow("SSID: 32 characters") << strSsid << QString(32, QLatin1Char('s')) << true;
        QTest::newRow("SSID: 33 characters") << strSsid << QString(33, QLatin1Char('s')) << false;
        const QString strPassword = ClSettingRules::streamPasswordPattern();
        QTest::newRow("password: 16 characters") << strPassword << QString(16, QLatin1Char('p')) << true;
        QTest::newRow("password: a space") << strPassword << QStringLiteral("pass word") << false;
    }

    void patterns()
    {
        QFETCH(QString, strPattern);
        QFETCH(QString, strText);
        QFETCH(bool, bMatches);
        QCOMPARE(ClSettingRules::matches(strPattern, strText), bMatches);
    }

    void scheduleTimes()
    {
        QVERIFY(ClSettingRules::isScheduleTime(0, 0));
        QVERIFY(ClSettingRules::isScheduleTime(23, 50));
        QVERIFY(!ClSettingRules::isScheduleTime(23, 55));
        QVERIFY(!ClSettingRules::isScheduleTime(24, 0));
        QVERIFY(!ClSettingRules::isScheduleTime(-1, 0));
    }

    // The numbers of the recording page: the highest bit rate by resolution and frame
    // rate, the recordable time by card size and bit rate, and the frame-rate positions.
    void maximumBitRate_data()
    {
        QTest::addColumn<int>("lIndex");
        QTest::addColumn<int>("lFps");
        QTest::addColumn<int>("lMaximum");
        QTest::newRow("640x480 at 5 fps") << 2 << 5 << 768000;
        QTest::newRow("1920x1080 at 30 fps is clamped") << 0 << 30 << 15360000;
        QTest::newRow("1280x720 at 1 fps") << 1 << 1 << 456000;
        QTest::newRow("1280x720 at 10 fps") << 1 << 10 << 4608000;
        QTest::newRow("320x240 at 1 fps is raised to the lowest") << 3 << 1 << 384000;
        QTest::newRow("unknown resolution") << 9 << 30 << 384000;
    }

    void maximumBitRate()
    {
        QFETCH(int, lIndex);
        QFETCH(int, lFps);
        QFETCH(int, lMaximum);
        QCOMPARE(ClStreamRates::maximumBitRate(lIndex, lFps), lMaximum);
    }

    void estimate_data()
    {
        QTest::addColumn<int>("lSdIndex");
        QTest::addColumn<qint64>("llBitRate");
        QTest::addColumn<bool>("bDays");
        QTest::addColumn<double>("dValue");
        QTest::addColumn<QString>("strText");
        // t = 19456 tenths of seconds: 5 tenths of hours.
        QTest::newRow("2G at 8000000") << 0 << qint64(8000000) << false << 0.5
                                       << QStringLiteral("Recordable up to approx. 0.5 hour(s)");
        // t = 6805333: 78 days' tenths.
        QTest::newRow("32G at 384000") << 4 << qint64(384000) << true << 7.8
                                       << QStringLiteral("Recordable up to approx. 7.8 day(s)");
        // Just under a day still counts in hours.
        QTest::newRow("8G at 768000") << 2 << qint64(768000) << false << 23.4
                                      << QStringLiteral("Recordable up to approx. 23.4 hour(s)");
        // t = 898844: a day's worth, the first that counts in days.
        QTest::newRow("8G at 720000") << 2 << qint64(720000) << true << 1.0
                                      << QStringLiteral("Recordable up to approx. 1 day(s)");
        // No bit rate or no card: nothing to divide by, nothing recorded.
        QTest::newRow("no bit rate") << 0 << qint64(0) << false << 0.0
                                     << QStringLiteral("Recordable up to approx. 0 hour(s)");
        QTest::newRow("unknown card") << 7 << qint64(384000) << false << 0.0
                                      << QStringLiteral("Recordable up to approx. 0 hour(s)");
    }

    void estimate()
    {
        QFETCH(int, lSdIndex);
        QFETCH(qint64, llBitRate);
        QFETCH(bool, bDays);
        QFETCH(double, dValue);
        QFETCH(QString, strText);
        const ClStreamRates::Estimate stEstimate
            = ClStreamRates::estimate(ClStreamRates::sdCapacityOf(lSdIndex), llBitRate);
        QCOMPARE(stEstimate.bDays, bDays);
        QCOMPARE(stEstimate.dValue, dValue);
        QCOMPARE(ClStreamRates::estimateText(stEstimate), strText);
    }

    void frameRatePositions()
    {
        QCOMPARE(ClStreamRates::frameRateOf(1, false), 6);
        QCOMPARE(ClStreamRates::frameRateOf(1, true), 5);
        QCOMPARE(ClStreamRates::positionOf(5, false), -1);
        QCOMPARE(ClStreamRates::positionOf(5, true), 1);
        // A camera's odd frame rates land on the nearest position, never outside the scale.
        QCOMPARE(ClStreamRates::nearestPosition(0, false), 0);
        QCOMPARE(ClStreamRates::nearestPosition(7, false), 1);
        QCOMPARE(ClStreamRates::nearestPosition(4000000000LL, true), 4);
        QCOMPARE(ClStreamRates::frameRateOf(5, false), 0);
    }
};

QTEST_GUILESS_MAIN(TestSettingRules)
#include "TestSettingRules.moc"
