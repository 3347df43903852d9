// The command catalogue and the availability table: kinds and lookups, how arguments
// become request parameters and parameters become reply values where a pattern or a
// command's own encoding (addresses, sizes, countries) has an edge, and firmware versions
// the availability table cannot read. Every command's full
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
        auto addRow = [](const char* pszName, const char* pszCommand, const QVariantList& lstArgs,
                         const QList<quint32>& lstParams) {
            QTest::newRow(pszName) << QByteArray("ClTovuCommand") + pszCommand << lstArgs << lstParams;
        };
        addRow("-1", "SetTimezone", {-1}, {0xFFFFFFFF});
        addRow("a number as text", "SetTimezone", {QStringLiteral("12")}, {12});
        addRow("no number", "SetTimezone", {}, {0});
        addRow("switch off", "SetLedStart", {false}, {1});
        addRow("no switch is off", "SetLedStart", {}, {1});
        // The two switches that take a number: anything but 0 is on.
        addRow("switch by number 5", "SetLedOnSecure", {5}, {2});
        addRow("switch by number 0", "SetLedOnSecure", {0}, {1});
        addRow("operations ignore arguments", "Restart", {7}, {});
        // Factory checks: a negative number is replaced by the check's default.
        addRow("white balance -1", "ExecAwbCheck", {-1}, {50});
        addRow("white balance -80", "ExecAwbCheck", {-80}, {50});
        addRow("white balance 0", "ExecAwbCheck", {0}, {0});
        addRow("dot errors -1", "ExecDotErrorCheck", {-1}, {4});
        addRow("negative inside a layout", "SetRecParameter", {1, -2, 3}, {1, 0xFFFFFFFE, 3});
        // Neither a part beyond 255 nor a fifth part may change the other bytes.
        addRow("address part beyond 255", "SetInfraAddress", {QStringLiteral("10.300.0.1")}, {0x0A000001});
        addRow("address of five parts", "SetInfraAddress", {QStringLiteral("1.2.3.4.5")}, {0x01020304});
        addRow("address of letters", "SetInfraAddress", {QStringLiteral("a.b.c.d")}, {0});
        addRow("largest recording size", "SetRecImagesize", {QSize(1920, 1080)}, {1});
        addRow("smallest recording size", "SetRecImagesize", {QSize(320, 240)}, {4});
        addRow("largest live size", "SetLiveImagesize", {QSize(800, 480)}, {1});
        // A size the table does not know goes out as 0.
        addRow("unknown recording size", "SetRecImagesize", {QSize(1280, 960)}, {0});
        addRow("unknown live size", "SetLiveImagesize", {QSize(1280, 720)}, {0});
        addRow("country of one letter", "SetCountry", {QStringLiteral("U")}, {'U', 0});
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
        auto addRow = [](const char* pszName, const char* pszCommand, const QList<quint32>& lstParams,
                         const QVariantList& lstValues) {
            QTest::newRow(pszName) << QByteArray("ClTovuCommand") + pszCommand << lstParams << lstValues;
        };
        // A switch is on for 2 alone.
        addRow("switch 1", "GetBatteryAlarm", {1}, {false});
        addRow("switch 0", "GetBatteryAlarm", {0}, {false});
        addRow("switch 3", "GetBatteryAlarm", {3}, {false});
        // Total and used bytes in two 32-bit halves each, high half first.
        addRow("storage", "GetSdInfo", {1, 5, 0, 7, 9}, {qulonglong(4294967301ull), qulonglong(7), uint(9)});
        addRow("signed values", "GetScheCycle", {0xFFFFFFFF, 2, 3, 2}, {-1, 2, 3, true});
        addRow("signed and unsigned", "GetLiveParameter", {1, 0xFFFFFFFF, 0xFFFFFFFF}, {1, -1, uint(0xFFFFFFFF)});
        // A code the table does not know reads as an invalid size.
        addRow("unknown recording size", "GetRecImagesize", {0}, {QSize(-1, -1)});
        addRow("smallest live size", "GetLiveImagesize", {2}, {QSize(320, 240)});
        addRow("unknown live size", "GetLiveImagesize", {3}, {QSize(-1, -1)});
        // Each letter is the low byte of its parameter.
        addRow("country", "GetCountry", {0x1275, 0x73}, {QStringLiteral("us")});
        addRow("no country", "GetCountry", {0, 0}, {QString()});
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

    // Versions and models the table cannot read or has no commands for list nothing; the
    // boundaries of each model's firmware are held against the camera in tests/system.
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
        // Older than each model's first firmware; the first itself is held against the camera.
        QTest::newRow("Tovu before its first") << 0 << QStringLiteral("01.03.022") << false;
        QTest::newRow("Tovu-S before its first") << 1 << QStringLiteral("01.00.010") << false;
        QTest::newRow("Tovu-D before its first") << 2 << QStringLiteral("00.00.000") << false;
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
