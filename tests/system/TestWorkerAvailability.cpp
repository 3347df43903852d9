// The tool's lists of supported kinds held against the emulated camera's own account of
// its models: every command of the catalogue is asked of a camera of each model, at
// firmware versions around each boundary, through the real worker. A list names a
// command's request and reply kinds exactly when the camera answers the command with
// anything but usNotSupported; beside the commands it names only the notice and raw-read
// kinds. A wrong row on either side shows here as the command it is about.
#include "protocol/ClCommandCatalogue.h"
#include "protocol/ClCommandKinds.h"
#include "protocol/ClResultCode.h"
#include "protocol/SupportedCommands.h"
#include "protocol/TypedKinds.h"
#include "tests/support/ClWorkerRig.h"
#include "virtualcamera/ClVirtualCamera.h"

#include <QSignalSpy>
#include <QtTest>

namespace {
// Whether the camera refused each command as not supported, by class name.
void askEveryCommand(ClWorkerRig& clRig, void* pHandle, ClVirtualCamera& clCamera,
                     QHash<QByteArray, bool>* phashRefused)
{
    for (const ClCommandEntry& stEntry : ClCommandCatalogue::entries()) {
        const QByteArray clClass(stEntry.pszClassName);
        clCamera.clearRequests();
        QSignalSpy clLeft(&clCamera, &ClVirtualCamera::sigLeftBus);
        // An empty block never leaves the PC.
        const PV_CMD clArgs
            = stEntry.eExchange == ClExchange::SendData ? ClWorkerRig::args({QByteArray("block")}) : PV_CMD();
        const PV_CMD clAnswer = clRig.request(pHandle, stEntry.uuidRequest, clArgs);

        const QList<ClVirtualCamera::Request> lstRequests = clCamera.requests();
        const auto itAsked = std::find_if(lstRequests.cbegin(), lstRequests.cend(), [&](const auto& stRequest) {
            return stRequest.stPacket.usType == 0 && stRequest.stPacket.usCode == stEntry.usCode;
        });
        QVERIFY2(itAsked != lstRequests.cend(), clClass + " did not reach the camera");
        const bool bRefused = itAsked->usStatus == ClResultCode::usNotSupported;
        phashRefused->insert(clClass, bRefused);

        // The page learns of the refusal. The schedule list has no response of its own: the
        // worker drops the refusal as a wrong entry packet and runs out of entries.
        if (bRefused && stEntry.eExchange != ClExchange::ScheduleList)
            QVERIFY2(ClWorkerRig::resultOf(clAnswer) == ClResultCode::usNotSupported, clClass);
        if (bRefused && !stEntry.uuidReply.isNull())
            QVERIFY2(ClWorkerRig::kindOf(clAnswer) != stEntry.uuidReply, clClass);

        // Answered, these two take the camera off the bus.
        if (!bRefused && stEntry.uuidRequest == requestKind<ClTovuCommandPowerOff>()) {
            QVERIFY(!clLeft.isEmpty() || clLeft.wait());
            clCamera.powerOn();
            pHandle = clRig.waitForAnnouncement();
        } else if (!bRefused && stEntry.uuidRequest == requestKind<ClTovuCommandRestart>()) {
            pHandle = clRig.waitForAnnouncement();
        }
        QVERIFY2(pHandle, clClass + " took the camera away for good");
    }
}
}  // namespace

class TestWorkerAvailability : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void listedExactlyWhenAnswered_data();
    void listedExactlyWhenAnswered();
};

void TestWorkerAvailability::initTestCase()
{
    PvCmd::registerMetaTypes();
}

void TestWorkerAvailability::listedExactlyWhenAnswered_data()
{
    QTest::addColumn<int>("lModel");
    QTest::addColumn<QString>("strFirmware");
    auto addRow = [](const char* pszName, int lModel, const char* pszFirmware) {
        QTest::newRow(pszName) << lModel << QString::fromLatin1(pszFirmware);
    };
    addRow("Tovu, first firmware", 0, "01.03.023");
    addRow("Tovu, last before the HTTP port", 0, "01.03.024");
    addRow("Tovu with the HTTP port", 0, "01.03.025");
    addRow("Tovu, later", 0, "01.03.026");
    addRow("Tovu-S, first firmware", 1, "01.00.011");
    addRow("Tovu-S, later", 1, "01.00.012");
    addRow("Tovu-D, first firmware", 2, "00.00.001");
    addRow("Tovu-D, later", 2, "00.00.002");
}

void TestWorkerAvailability::listedExactlyWhenAnswered()
{
    QFETCH(int, lModel);
    QFETCH(QString, strFirmware);

    const QList<QUuid> lstListed = supportedCommands(lModel, strFirmware);
    const QSet<QUuid> setListed(lstListed.cbegin(), lstListed.cend());

    ClWorkerRig clRig;
    auto* pclCamera = new ClVirtualCamera(lModel, strFirmware);
    pclCamera->setRestartDelay(0);
    void* pHandle = clRig.plug(pclCamera);
    QVERIFY(pHandle);
    QHash<QByteArray, bool> hashRefused;
    askEveryCommand(clRig, pHandle, *pclCamera, &hashRefused);
    if (QTest::currentTestFailed())
        return;

    // Every difference at once, so that one run names all the rows to look at.
    QStringList lstDiffering;
    QSet<QUuid> setCommandKinds;
    for (const ClCommandEntry& stEntry : ClCommandCatalogue::entries()) {
        const bool bListed = setListed.contains(stEntry.uuidRequest);
        if (bListed == hashRefused.value(stEntry.pszClassName))
            lstDiffering << QStringLiteral("%1 (0x%2): %3 by the tool, %4 by the camera")
                                .arg(QLatin1String(stEntry.pszClassName))
                                .arg(stEntry.usCode, 4, 16, QLatin1Char('0'))
                                .arg(bListed ? QStringLiteral("listed") : QStringLiteral("not listed"),
                                     bListed ? QStringLiteral("refused") : QStringLiteral("answered"));
        setCommandKinds << stEntry.uuidRequest;
        if (stEntry.uuidReply.isNull())
            continue;
        setCommandKinds << stEntry.uuidReply;
        if (setListed.contains(stEntry.uuidReply) != bListed)
            lstDiffering << QStringLiteral("%1: its reply kind listed apart from its request kind")
                                .arg(QLatin1String(stEntry.pszClassName));
    }
    QVERIFY2(lstDiffering.isEmpty(), qPrintable(lstDiffering.join(QStringLiteral("; "))));

    const QSet<QUuid> setOthers {ClCommandKinds::cameraConnected(), ClCommandKinds::cameraRemoved(),
                                 ClCommandKinds::result(),          ClCommandKinds::transportError(),
                                 ClCommandKinds::spareEvent(),      ClCommandKinds::rawRead(),
                                 ClCommandKinds::rawReadReply()};
    QCOMPARE(setListed - setCommandKinds, setOthers);
}

QTEST_GUILESS_MAIN(TestWorkerAvailability)
#include "TestWorkerAvailability.moc"
