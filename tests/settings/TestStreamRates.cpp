// The numbers of the recording page: the highest bit rate by resolution and frame rate,
// the recordable time by card size and bit rate, and the frame-rate positions.
#include "settings/ClStreamRates.h"

#include <QtTest>

class TestStreamRates : public QObject
{
    Q_OBJECT

private Q_SLOTS:
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

QTEST_GUILESS_MAIN(TestStreamRates)
#include "TestStreamRates.moc"
