#include "TestAvailability.h"

#include <QtTest>

#include "ClCommandAvailability.h"
#include "ClCommandCatalogue.h"
#include "ClCommandKinds.h"
#include "ClDocListGen.h"
#include "ClNeoListGen.h"
#include "ClSecListGen.h"
#include "SupportedCommands.h"

using namespace ClAvailability;

namespace {
QUuid request(const char* pszClassName)
{
    return ClCommandCatalogue::requestKind(pszClassName);
}

QMap<quint8, int> countsByFlags()
{
    QMap<quint8, int> mapCounts;
    for (const ClCommandAvailability::stRecord& stRecord : ClCommandAvailability::records())
        ++mapCounts[stRecord.ucFlags];
    return mapCounts;
}
}  // namespace

void TestAvailability::recordCounts()
{
    const QMap<quint8, int> mapCounts = countsByFlags();
    QCOMPARE(mapCounts.value(All), 143);
    QCOMPARE(mapCounts.value(Models12), 42);
    QCOMPARE(mapCounts.value(Models01), 30);
    QCOMPARE(mapCounts.value(Late0Models12), 6);
    QCOMPARE(mapCounts.value(Models02), 5);
    QCOMPARE(mapCounts.value(Model0), 3);
    // The radio tests and the audio port setter are listed for model 2 alone.
    QCOMPARE(mapCounts.value(Model2), 101);
    QCOMPARE(mapCounts.size(), 7);
    QCOMPARE(ClCommandAvailability::records().size(), 330);
}

void TestAvailability::replyKindsShareTheirRequestsFlags()
{
    QHash<QUuid, quint8> hashFlags;
    for (const ClCommandAvailability::stRecord& stRecord : ClCommandAvailability::records()) {
        QVERIFY(!hashFlags.contains(stRecord.uuidKind));
        hashFlags.insert(stRecord.uuidKind, stRecord.ucFlags);
    }
    for (const ClCommandEntry& stEntry : ClCommandCatalogue::entries()) {
        if (stEntry.uuidReply.isNull())
            continue;
        QCOMPARE(hashFlags.value(stEntry.uuidReply), hashFlags.value(stEntry.uuidRequest));
    }
}

void TestAvailability::extraKinds()
{
    const QList<QUuid> lstEveryModel0 = supportedCommands(0, QStringLiteral("01.03.023"));
    const QList<QUuid> lstModel1 = supportedCommands(1, QStringLiteral("01.00.011"));
    const QList<QUuid> lstModel2 = supportedCommands(2, QStringLiteral("00.00.001"));
    const QList<QUuid> lstFixed = {
        ClCommandKinds::cameraConnected(), ClCommandKinds::cameraRemoved(), ClCommandKinds::result(),
        ClCommandKinds::transportError(), QUuid("{9603e69d-8799-4090-bdd9-0c9947420018}"),
        QUuid("{405bfe84-a8f7-4a4a-bee9-790a3d3adc9d}"), QUuid("{5568656a-bde3-4b7e-a4c6-3237c4cc3467}"),
        QUuid("{a5a94cad-baf0-40bc-828c-532ba8aebacb}")};
    for (const QUuid& uuidKind : lstFixed) {
        QVERIFY(lstEveryModel0.contains(uuidKind));
        QVERIFY(lstModel1.contains(uuidKind));
        QVERIFY(lstModel2.contains(uuidKind));
    }
    const QUuid uuidSchedule("{1544057D-5AC5-4066-BE3B-6037B9EA58D1}");
    QVERIFY(!lstEveryModel0.contains(uuidSchedule));
    QVERIFY(lstModel1.contains(uuidSchedule));
    QVERIFY(lstModel2.contains(uuidSchedule));
    QCOMPARE(request("ClTovuCommandGetScheSetting"), uuidSchedule);
}

void TestAvailability::radioTestsOnlyForModel2()
{
    // The radio tests and the audio port setter belong to the model-2 camera alone.
    const QList<QUuid> lstModels01 = supportedCommands(0, QStringLiteral("01.03.023")) +
                                     supportedCommands(0, QStringLiteral("01.03.025")) +
                                     supportedCommands(1, QStringLiteral("01.00.011"));
    const QList<QUuid> lstModel2 = supportedCommands(2, QStringLiteral("00.00.001"));
    for (const char* pszClassName : {"ClTovuCommandMfgTx", "ClTovuCommandMfgAcc", "ClTovuCommandSetAudioUpPort"}) {
        QVERIFY2(!lstModels01.contains(request(pszClassName)), pszClassName);
        QVERIFY2(lstModel2.contains(request(pszClassName)), pszClassName);
    }
}

void TestAvailability::model0Windows()
{
    const QList<QUuid> lstEarly = supportedCommands(0, QStringLiteral("01.03.024"));
    const QList<QUuid> lstLate = supportedCommands(0, QStringLiteral("01.03.025"));
    QCOMPARE(lstEarly, ClCommandAvailability::kindsWith(Model0Early));
    QCOMPARE(lstEarly.size(), 143 + 30 + 5 + 3);
    QCOMPARE(lstLate, ClCommandAvailability::kindsWith(Model0Late));
    QCOMPARE(lstLate.size(), 143 + 30 + 6 + 5 + 3);
    QCOMPARE(supportedCommands(0, QStringLiteral("02.00.000")), lstLate);
    QCOMPARE(supportedCommands(0, QStringLiteral("01.03.023")), lstEarly);
    QVERIFY(supportedCommands(0, QStringLiteral("01.03.022")).isEmpty());

    QVERIFY(!lstEarly.contains(request("ClTovuCommandGetHttpPort")));
    QVERIFY(lstLate.contains(request("ClTovuCommandGetHttpPort")));
    QVERIFY(lstLate.contains(ClCommandCatalogue::replyKind("ClTovuCommandGetRotate180")));
}

void TestAvailability::model1Window()
{
    QVERIFY(supportedCommands(1, QStringLiteral("01.00.010")).isEmpty());
    const QList<QUuid> lstModel1 = supportedCommands(1, QStringLiteral("01.00.011"));
    QCOMPARE(lstModel1.size(), 143 + 42 + 30 + 6);
    QCOMPARE(supportedCommands(1, QStringLiteral("99.99.999")), lstModel1);
}

void TestAvailability::model2Window()
{
    QVERIFY(supportedCommands(2, QStringLiteral("00.00.000")).isEmpty());
    const QList<QUuid> lstModel2 = supportedCommands(2, QStringLiteral("00.00.001"));
    QCOMPARE(lstModel2.size(), 143 + 101 + 42 + 6 + 5);
    QVERIFY(lstModel2.contains(request("ClTovuCommandStreamSteal")));
    QVERIFY(!lstModel2.contains(request("ClTovuCommandGetAdhocKey")));
}

void TestAvailability::malformedVersions_data()
{
    QTest::addColumn<QString>("strVersion");
    QTest::newRow("short parts") << QStringLiteral("1.3.25");
    QTest::newRow("long last part") << QStringLiteral("01.03.0250");
    QTest::newRow("empty") << QString();
    QTest::newRow("letters") << QStringLiteral("01.03.02a");
    QTest::newRow("other separator") << QStringLiteral("01-03-025");
    QTest::newRow("trailing space") << QStringLiteral("01.03.025 ");
    QTest::newRow("leading text") << QStringLiteral("v01.03.025");
}

void TestAvailability::malformedVersions()
{
    QFETCH(QString, strVersion);
    for (int lModel = 0; lModel <= 2; ++lModel)
        QVERIFY(supportedCommands(lModel, strVersion).isEmpty());
}

void TestAvailability::unknownModels()
{
    QVERIFY(supportedCommands(-1, QStringLiteral("01.03.025")).isEmpty());
    QVERIFY(supportedCommands(3, QStringLiteral("01.03.025")).isEmpty());
}

void TestAvailability::intervalTimerOnlyOnModel0()
{
    const QUuid uuidInterval = request("ClTovuCommandGetIntervalTimer");
    QVERIFY(supportedCommands(0, QStringLiteral("01.03.023")).contains(uuidInterval));
    QVERIFY(supportedCommands(0, QStringLiteral("01.03.030")).contains(uuidInterval));
    QVERIFY(!supportedCommands(1, QStringLiteral("01.00.011")).contains(uuidInterval));
    QVERIFY(!supportedCommands(1, QStringLiteral("05.00.000")).contains(uuidInterval));
    QVERIFY(!supportedCommands(2, QStringLiteral("00.00.001")).contains(uuidInterval));
}

void TestAvailability::pageControls()
{
    // The kinds the settings pages test, and where each control appears.
    struct stCase {
        const char* pszClassName;
        bool bEarly, bLate, bModel1;
    };
    const stCase astCases[] = {
        {"ClTovuCommandGetTimeStampOnOff", false, false, true},
        {"ClTovuCommandGetAutoPoweroffSetting", true, true, false},
        {"ClTovuCommandGetSecureKeyLock", false, false, true},
        {"ClTovuCommandGetLedStart", true, true, false},
        {"ClTovuCommandGetStartMode", false, false, true},
        {"ClTovuCommandGetHttpPort", false, true, true},
        {"ClTovuCommandGetRotate180", false, true, true},
        {"ClTovuCommandGetLiveBitrate", false, false, true},
        {"ClTovuCommandGetWifiInfo", true, true, true},
        {"ClTovuCommandGetAccesspointList", true, true, true},
    };
    const QList<QUuid> lstEarly = supportedCommands(0, QStringLiteral("01.03.024"));
    const QList<QUuid> lstLate = supportedCommands(0, QStringLiteral("01.03.025"));
    const QList<QUuid> lstModel1 = supportedCommands(1, QStringLiteral("01.00.011"));
    for (const stCase& stOne : astCases) {
        const QUuid uuidKind = request(stOne.pszClassName);
        QVERIFY2(lstEarly.contains(uuidKind) == stOne.bEarly, stOne.pszClassName);
        QVERIFY2(lstLate.contains(uuidKind) == stOne.bLate, stOne.pszClassName);
        QVERIFY2(lstModel1.contains(uuidKind) == stOne.bModel1, stOne.pszClassName);
    }
}

void TestAvailability::windowBounds()
{
    const ClNeoListGen clNeo;
    QCOMPARE(clNeo.windowBound(1), QStringLiteral("01.03.023"));
    QCOMPARE(clNeo.windowBound(2), QStringLiteral("01.03.025"));
    QCOMPARE(clNeo.windowBound(3), QString());
    QVERIFY(clNeo.isInWindow(QStringLiteral("01.03.024"), 1));
    QVERIFY(!clNeo.isInWindow(QStringLiteral("01.03.025"), 1));
    QVERIFY(!clNeo.isInWindow(QStringLiteral("01.03.025"), 3));
    QCOMPARE(ClSecListGen().windowBound(1), QStringLiteral("01.00.011"));
    QCOMPARE(ClSecListGen().windowBound(2), QString());
    QCOMPARE(ClDocListGen().windowBound(1), QStringLiteral("00.00.001"));
}
