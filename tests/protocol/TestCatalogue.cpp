// The command catalogue and the availability table: kinds and lookups, how arguments
// become request parameters and parameters become reply values where a pattern has an
// edge, and firmware versions the availability table cannot read. Every command's full
// round trip is in tests/system (TestWorkerCatalogue), and which model and firmware lists
// which kind is held against the camera there too (TestWorkerAvailability).
#include <QSet>
#include <QtTest>

#include "CommandTestSupport.h"
#include "protocol/ClCommandCatalogue.h"
#include "protocol/ClCommandKinds.h"
#include "protocol/SupportedCommands.h"

using namespace CommandTestSupport;

namespace {
// Derived while this unit's statics are initialised, before main runs.
const QUuid uuidDerivedEarly = ClCommandKinds::request("ClTovuCommandGetTime");

const ClCommandEntry& entry(const QByteArray& clClassName)
{
    const ClCommandEntry* pstEntry = ClCommandCatalogue::findByClass(clClassName.constData());
    if (!pstEntry)
        qFatal("no catalogue entry %s", clClassName.constData());
    return *pstEntry;
}
}  // namespace

class TestCatalogue : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void lookups()
    {
        QCOMPARE(uuidDerivedEarly, ClCommandCatalogue::requestKindOf("ClTovuCommandGetTime"));
        QCOMPARE(ClCommandCatalogue::entries().size(), 220);
        QSet<QUuid> setKinds
            = {ClCommandKinds::cameraConnected(), ClCommandKinds::cameraRemoved(), ClCommandKinds::result(),
               ClCommandKinds::transportError(),  ClCommandKinds::rawRead(),       ClCommandKinds::rawReadReply(),
               ClCommandKinds::spareEvent()};
        QCOMPARE(setKinds.size(), 7);
        for (const ClCommandEntry& stEntry : ClCommandCatalogue::entries()) {
            QCOMPARE(ClCommandCatalogue::findByRequest(stEntry.uuidRequest), &stEntry);
            QCOMPARE(ClCommandCatalogue::findByClass(stEntry.pszClassName), &stEntry);
            // Pages compute kinds from class names; fixed kinds included, they are the catalogue's.
            QCOMPARE(ClCommandKinds::request(stEntry.pszClassName), stEntry.uuidRequest);
            if (!stEntry.uuidReply.isNull())
                QCOMPARE(ClCommandKinds::reply(stEntry.pszClassName), stEntry.uuidReply);
            // No kind names two things.
            for (const QUuid& uuidKind : {stEntry.uuidRequest, stEntry.uuidReply}) {
                QVERIFY2(uuidKind.isNull() || !setKinds.contains(uuidKind), stEntry.pszClassName);
                setKinds.insert(uuidKind);
            }
        }
        QVERIFY(!ClCommandCatalogue::findByRequest(ClCommandKinds::result()));
        QVERIFY(!ClCommandCatalogue::findByRequest(QUuid()));
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression("no command class"));
        QVERIFY(ClCommandCatalogue::requestKindOf("ClTovuCommandGetNothing").isNull());
    }

    void arguments_data()
    {
        QTest::addColumn<QByteArray>("clClass");
        QTest::addColumn<QVariantList>("lstArgs");
        QTest::addColumn<QList<quint32>>("lstParams");

        QTest::newRow("-1") << QByteArray("ClTovuCommandSetTimezone") << QVariantList {-1}
                            << QList<quint32> {0xFFFFFFFF};
        QTest::newRow("a number as text")
            << QByteArray("ClTovuCommandSetTimezone") << QVariantList {QStringLiteral("12")} << QList<quint32> {12};
        QTest::newRow("no number") << QByteArray("ClTovuCommandSetTimezone") << QVariantList {} << QList<quint32> {0};
        QTest::newRow("switch off") << QByteArray("ClTovuCommandSetLedStart") << QVariantList {false}
                                    << QList<quint32> {1};
        QTest::newRow("no switch is off")
            << QByteArray("ClTovuCommandSetLedStart") << QVariantList {} << QList<quint32> {1};
        // The two switches that take a number: anything but 0 is on.
        QTest::newRow("switch by number 5")
            << QByteArray("ClTovuCommandSetLedOnSecure") << QVariantList {5} << QList<quint32> {2};
        QTest::newRow("switch by number 0")
            << QByteArray("ClTovuCommandSetLedOnSecure") << QVariantList {0} << QList<quint32> {1};
        QTest::newRow("operations ignore arguments")
            << QByteArray("ClTovuCommandRestart") << QVariantList {7} << QList<quint32> {};
        // Factory checks: a negative number is replaced by the check's default.
        QTest::newRow("white balance -1")
            << QByteArray("ClTovuCommandExecAwbCheck") << QVariantList {-1} << QList<quint32> {50};
        QTest::newRow("white balance -80")
            << QByteArray("ClTovuCommandExecAwbCheck") << QVariantList {-80} << QList<quint32> {50};
        QTest::newRow("white balance 0") << QByteArray("ClTovuCommandExecAwbCheck") << QVariantList {0}
                                         << QList<quint32> {0};
        QTest::newRow("dot errors -1") << QByteArray("ClTovuCommandExecDotErrorCheck") << QVariantList {-1}
                                       << QList<quint32> {4};
        QTest::newRow("negative inside a layout") << QByteArray("ClTovuCommandSetRecParameter")
                                                  << QVariantList {1, -2, 3} << QList<quint32> {1, 0xFFFFFFFE, 3};
    }

    void arguments()
    {
        QFETCH(QByteArray, clClass);
        QFETCH(QVariantList, lstArgs);
        QFETCH(QList<quint32>, lstParams);
        PV_CMD clRequest;
        for (int i = 0; i < lstArgs.size(); ++i)
            clRequest.insert(QStringLiteral("PARAM%1").arg(i + 2), lstArgs.at(i));
        const QByteArray clBytes = entry(clClass).pfnBuild(clRequest)->toByteArray();
        lstParams.resize(5, 0);
        for (int i = 0; i < 5; ++i)
            QCOMPARE(u32At(clBytes, 12 + 4 * i), lstParams.at(i));
    }

    void replies_data()
    {
        QTest::addColumn<QByteArray>("clClass");
        QTest::addColumn<QList<quint32>>("lstParams");
        QTest::addColumn<QVariantList>("lstValues");

        // A switch is on for 2 alone.
        QTest::newRow("switch 1") << QByteArray("ClTovuCommandGetBatteryAlarm") << QList<quint32> {1}
                                  << QVariantList {false};
        QTest::newRow("switch 0") << QByteArray("ClTovuCommandGetBatteryAlarm") << QList<quint32> {0}
                                  << QVariantList {false};
        QTest::newRow("switch 3") << QByteArray("ClTovuCommandGetBatteryAlarm") << QList<quint32> {3}
                                  << QVariantList {false};
        // Total and used bytes in two 32-bit halves each, high half first.
        QTest::newRow("storage") << QByteArray("ClTovuCommandGetSdInfo") << QList<quint32> {1, 5, 0, 7, 9}
                                 << QVariantList {qulonglong(4294967301ull), qulonglong(7), uint(9)};
        QTest::newRow("signed values") << QByteArray("ClTovuCommandGetScheCycle")
                                       << QList<quint32> {0xFFFFFFFF, 2, 3, 2} << QVariantList {-1, 2, 3, true};
        QTest::newRow("signed and unsigned")
            << QByteArray("ClTovuCommandGetLiveParameter") << QList<quint32> {1, 0xFFFFFFFF, 0xFFFFFFFF}
            << QVariantList {1, -1, uint(0xFFFFFFFF)};
    }

    void replies()
    {
        QFETCH(QByteArray, clClass);
        QFETCH(QList<quint32>, lstParams);
        QFETCH(QVariantList, lstValues);
        lstParams.resize(5, 0);
        const std::unique_ptr<ClTovuCommand> upCommand = entry(clClass).pfnBuild(PV_CMD());
        const PV_CMD clReply
            = replyTo(*upCommand, lstParams[0], lstParams[1], lstParams[2], lstParams[3], lstParams[4]);
        QCOMPARE(clReply.size(), lstValues.size());
        for (int i = 0; i < lstValues.size(); ++i) {
            const QVariant clValue = clReply.value(QStringLiteral("PARAM%1").arg(i + 2));
            QCOMPARE(clValue.metaType(), lstValues.at(i).metaType());
            QCOMPARE(clValue, lstValues.at(i));
        }
    }

    // Versions and models the table cannot read list nothing; the boundaries of each
    // model's firmware are held against the camera in tests/system.
    void unreadableVersions_data()
    {
        QTest::addColumn<int>("lModel");
        QTest::addColumn<QString>("strVersion");
        QTest::addColumn<bool>("bListed");
        QTest::newRow("Tovu, readable") << 0 << QStringLiteral("01.03.025") << true;
        QTest::newRow("Tovu-S, readable") << 1 << QStringLiteral("99.99.999") << true;
        QTest::newRow("unknown model") << -1 << QStringLiteral("01.03.025") << false;
        QTest::newRow("model 3") << 3 << QStringLiteral("01.03.025") << false;
        QTest::newRow("short parts") << 0 << QStringLiteral("1.3.25") << false;
        QTest::newRow("long last part") << 0 << QStringLiteral("01.03.0250") << false;
        QTest::newRow("empty") << 0 << QString() << false;
        QTest::newRow("letters") << 0 << QStringLiteral("01.03.02a") << false;
        QTest::newRow("leading text") << 0 << QStringLiteral("v01.03.025") << false;
        QTest::newRow("trailing space") << 1 << QStringLiteral("01.00.011 ") << false;
    }

    void unreadableVersions()
    {
        QFETCH(int, lModel);
        QFETCH(QString, strVersion);
        QFETCH(bool, bListed);
        QCOMPARE(!supportedCommands(lModel, strVersion).isEmpty(), bListed);
    }
};

QTEST_GUILESS_MAIN(TestCatalogue)
#include "TestCatalogue.moc"
