// The commands the emulated camera answers follow its firmware version: a release's
// commands from that release on, and a version of another form counted as the model's
// first firmware.
#include "virtualcamera/ClVirtualCameraSupport.h"

#include <QtTest>

class TestVirtualCameraSupport : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void versionForms_data()
    {
        QTest::addColumn<QString>("strVersion");
        QTest::addColumn<bool>("bWellFormed");
        QTest::newRow("the first") << QStringLiteral("01.03.023") << true;
        QTest::newRow("the ports release") << QStringLiteral("01.03.025") << true;
        QTest::newRow("a later one") << QStringLiteral("02.00.000") << true;
        QTest::newRow("empty") << QString() << false;
        QTest::newRow("no leading zeros") << QStringLiteral("1.3.25") << false;
        QTest::newRow("one digit too many") << QStringLiteral("01.03.0250") << false;
        QTest::newRow("one digit short") << QStringLiteral("01.03.02") << false;
        QTest::newRow("dashes") << QStringLiteral("01-03-025") << false;
        QTest::newRow("a letter") << QStringLiteral("01.03.02x") << false;
        QTest::newRow("a full-width digit") << QStringLiteral("01.03.02\uFF15") << false;
        QTest::newRow("a space before") << QStringLiteral(" 01.03.025") << false;
    }
    void versionForms()
    {
        QFETCH(QString, strVersion);
        QFETCH(bool, bWellFormed);
        const QSet<quint16> setFirst = ClVirtualCameraSupport::answered(0, QStringLiteral("01.03.023"));
        const QSet<quint16> setPorts = ClVirtualCameraSupport::answered(0, QStringLiteral("01.03.025"));
        QVERIFY(setPorts.contains(setFirst));
        QVERIFY(setPorts.size() > setFirst.size());

        const QSet<quint16> setSeen = ClVirtualCameraSupport::answered(0, strVersion);
        if (!bWellFormed)
            QCOMPARE(setSeen, setFirst);
        else if (strVersion == QLatin1String("01.03.023"))
            QCOMPARE(setSeen, setFirst);
        else
            QCOMPARE(setSeen, setPorts);
    }
};

QTEST_GUILESS_MAIN(TestVirtualCameraSupport)
#include "TestVirtualCameraSupport.moc"
