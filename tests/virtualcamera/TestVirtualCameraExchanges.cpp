// The emulated camera's longer exchanges through literal packets: live pictures, sound, log
// and motion-area blocks, firmware updates with the restart they cause, restarts and power,
// and the faults injected into its answers.
#include "ClRawCameraLink.h"
#include "ClVirtualCamera.h"
#include "ClVirtualCameraPicture.h"
#include "ClVirtualFirmwareImage.h"
#include "ClVirtualUsbBus.h"

#include <QImage>
#include <QSignalSpy>
#include <QtTest>

#include <memory>

using Params = ClRawCameraLink::Params;
using Fault = ClVirtualCamera::Fault;

namespace {
struct Rig
{
    explicit Rig(int lModel, int lSecureMode = 2)
    {
        pclCamera = new ClVirtualCamera(lModel, QString(), lSecureMode);
        pclCamera->setRestartDelay(20);
        clBus.plug(pclCamera);
        upLink = std::make_unique<ClRawCameraLink>(clBus);
    }
    quint16 statusOf(const QByteArray& clRequest) { return ClRawCameraLink::status(upLink->exchange(clRequest)); }
    quint16 sendBlock(quint16 usCode, const QByteArray& clBlock, quint32 ulAnnounced)
    {
        if (upLink->write(ClRawCameraLink::command(usCode, Params{ulAnnounced}, 0x4242)) != 32)
            return 0xFFFF;
        upLink->write(ClRawCameraLink::dataPacket(clBlock, 0x4242));
        return ClRawCameraLink::status(upLink->read());
    }

    ClVirtualUsbBus clBus;
    ClVirtualCamera* pclCamera = nullptr;
    std::unique_ptr<ClRawCameraLink> upLink;
};

bool nearColour(const QColor& clA, const QColor& clB)
{
    return qAbs(clA.red() - clB.red()) < 40 && qAbs(clA.green() - clB.green()) < 40
           && qAbs(clA.blue() - clB.blue()) < 40;
}
}  // namespace

class TestVirtualCameraExchanges : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void pictureFollowsSettings();
    void pictureShowsTheCameraClock();
    void soundLogAndMotionArea();
    void firmwareUpdateRestartsWithNewVersion();
    void firmwareUpdateRefused_data();
    void firmwareUpdateRefused();
    void restartComesBackInStartMode();
    void powerOffStaysAway();
    void answerFaults();
    void foreignSequencesForever();
    void lyingAnswers();
};

void TestVirtualCameraExchanges::pictureFollowsSettings()
{
    Rig stRig(0);
    quint16 usStatus = 0xFFFF;
    const QByteArray clNormal = stRig.upLink->collect(0x3001, &usStatus);
    QCOMPARE(usStatus, 0);
    QImage clImage = QImage::fromData(clNormal, "JPEG");
    QVERIFY(!clImage.isNull());
    QCOMPARE(clImage.size(), QSize(800, 480));
    QVERIFY(nearColour(clImage.pixelColor(10, 10), ClVirtualCameraPicture::clMarker));
    QVERIFY(!nearColour(clImage.pixelColor(789, 469), ClVirtualCameraPicture::clMarker));

    // Rotated by 180 degrees: the marker moves to the opposite corner.
    QCOMPARE(stRig.statusOf(ClRawCameraLink::command(0x5855, {2})), 0);
    clImage = QImage::fromData(stRig.upLink->collect(0x3001), "JPEG");
    QVERIFY(nearColour(clImage.pixelColor(789, 469), ClVirtualCameraPicture::clMarker));
    QVERIFY(!nearColour(clImage.pixelColor(10, 10), ClVirtualCameraPicture::clMarker));

    // The picture quality setting is the JPEG quality: the darker end compresses harder.
    QCOMPARE(stRig.statusOf(ClRawCameraLink::command(0x5849, {0})), 0);
    const QByteArray clFine = stRig.upLink->collect(0x3001);
    QCOMPARE(stRig.statusOf(ClRawCameraLink::command(0x5849, {4})), 0);
    const QByteArray clCoarse = stRig.upLink->collect(0x3001);
    QVERIFY(!QImage::fromData(clCoarse, "JPEG").isNull());
    QVERIFY2(clCoarse.size() * 2 < clFine.size(), qPrintable(QStringLiteral("%1 vs %2").arg(clCoarse.size()).arg(clFine.size())));

    // The live-view size sets the frame size; the third model's stream steal gets the same.
    QCOMPARE(stRig.statusOf(ClRawCameraLink::command(0x5814, {2})), 0);
    QCOMPARE(QImage::fromData(stRig.upLink->collect(0x3001), "JPEG").size(), QSize(320, 240));
}

void TestVirtualCameraExchanges::pictureShowsTheCameraClock()
{
    // Two cameras whose clocks differ by hours draw different frames.
    Rig stMorning(0);
    Rig stEvening(0);
    QCOMPARE(stMorning.statusOf(ClRawCameraLink::command(0x5831, {20140305, 70000})), 0);
    QCOMPARE(stEvening.statusOf(ClRawCameraLink::command(0x5831, {20140305, 190000})), 0);
    const QImage clMorning = QImage::fromData(stMorning.upLink->collect(0x3001), "JPEG");
    const QImage clEvening = QImage::fromData(stEvening.upLink->collect(0x3001), "JPEG");
    QVERIFY(!clMorning.isNull() && !clEvening.isNull());
    // The hour digits sit in the middle band of the frame.
    QVERIFY(clMorning.copy(160, 250, 160, 86) != clEvening.copy(160, 250, 160, 86));
}

void TestVirtualCameraExchanges::soundLogAndMotionArea()
{
    Rig stRig(2);
    stRig.pclCamera->setSupportChecked(false);
    const QByteArray clSound = stRig.upLink->collect(0x3002);
    QVERIFY(clSound.startsWith("RIFF"));
    QCOMPARE(clSound.mid(8, 4), QByteArray("WAVE"));
    QVERIFY(stRig.upLink->collect(0x3003).contains("power on"));

    const QByteArray clArea = QByteArray::fromHex("000102030405060708090a0b0c0d0e0f");
    QCOMPARE(stRig.sendBlock(0x5867, clArea, quint32(clArea.size())), 0);
    QCOMPARE(stRig.pclCamera->requests().last().clData, clArea);
    QCOMPARE(stRig.pclCamera->requests().last().stPacket.usType, 2);
    QCOMPARE(stRig.upLink->collect(0x5067), clArea);

    // A block of another length than announced, or too large a block, is refused.
    QCOMPARE(stRig.sendBlock(0x5867, clArea, 15), 0xFFFB);
    QCOMPARE(stRig.statusOf(ClRawCameraLink::command(0x5867, {4097})), 0xFFFB);
    // A data packet nobody asked for gets no answer.
    QCOMPARE(stRig.upLink->write(ClRawCameraLink::dataPacket(clArea, 0x7777)), clArea.size() + 8);
    QVERIFY(stRig.upLink->read().isEmpty());
    QCOMPARE(stRig.pclCamera->motionArea(), clArea);
}

void TestVirtualCameraExchanges::firmwareUpdateRestartsWithNewVersion()
{
    Rig stRig(1);
    QSignalSpy clLeft(stRig.pclCamera, &ClVirtualCamera::sigLeftBus);
    QSignalSpy clBack(stRig.pclCamera, &ClVirtualCamera::sigBackOnBus);

    // Two files: the image's head may come in any of them; the first head counts.
    const QByteArray clImage = ClVirtualFirmwareImage::make(QStringLiteral("01.00.012"), QStringLiteral("Tovu-S"), 3000);
    QCOMPARE(stRig.sendBlock(0x2001, QByteArray(500, 'x'), 500), 0);
    QCOMPARE(stRig.sendBlock(0x2001, clImage, quint32(clImage.size())), 0);
    QCOMPARE(stRig.pclCamera->firmwareVersion(), QStringLiteral("01.00.011"));
    QCOMPARE(stRig.statusOf(ClRawCameraLink::command(0x2002, {1})), 0);
    QCOMPARE(stRig.pclCamera->pendingFirmwareVersion(), QStringLiteral("01.00.012"));

    QVERIFY(clLeft.wait(2000));
    QVERIFY(!stRig.clBus.isPlugged(stRig.pclCamera));
    QVERIFY(clBack.wait(2000));
    QVERIFY(stRig.upLink->reopen());
    QCOMPARE(ClRawCameraLink::text(stRig.upLink->exchange(ClRawCameraLink::command(0x503A))), QByteArray("01.00.012"));
    QCOMPARE(stRig.pclCamera->pendingFirmwareVersion(), QString());
}

void TestVirtualCameraExchanges::firmwareUpdateRefused_data()
{
    QTest::addColumn<QByteArray>("clImage");
    QTest::newRow("no head") << QByteArray(1000, 'x');
    QTest::newRow("for another model") << ClVirtualFirmwareImage::make(QStringLiteral("01.03.026"), QStringLiteral("Tovu-S"));
    QTest::newRow("version not NN.NN.NNN") << ClVirtualFirmwareImage::make(QStringLiteral("1.3.26"));
}

void TestVirtualCameraExchanges::firmwareUpdateRefused()
{
    QFETCH(QByteArray, clImage);
    Rig stRig(0);
    QSignalSpy clLeft(stRig.pclCamera, &ClVirtualCamera::sigLeftBus);
    QCOMPARE(stRig.sendBlock(0x2001, clImage, quint32(clImage.size())), 0);
    QCOMPARE(stRig.statusOf(ClRawCameraLink::command(0x2002, {1})), 0xFFFB);
    QVERIFY(!clLeft.wait(100));
    QCOMPARE(stRig.pclCamera->firmwareVersion(), QStringLiteral("01.03.025"));
}

void TestVirtualCameraExchanges::restartComesBackInStartMode()
{
    Rig stRig(1);
    QSignalSpy clBack(stRig.pclCamera, &ClVirtualCamera::sigBackOnBus);
    QCOMPARE(stRig.statusOf(ClRawCameraLink::command(0x5852, {1})), 0);
    QCOMPARE(stRig.statusOf(ClRawCameraLink::command(0x5832, {7})), 0);
    QCOMPARE(stRig.statusOf(ClRawCameraLink::command(0x6805, {2})), 0);
    QCOMPARE(stRig.statusOf(ClRawCameraLink::command(0x6802)), 0);
    QVERIFY(clBack.wait(2000));
    QVERIFY(stRig.upLink->reopen());
    QCOMPARE(ClRawCameraLink::param(stRig.upLink->exchange(ClRawCameraLink::command(0x5056)), 1), 1u);
    QCOMPARE(ClRawCameraLink::param(stRig.upLink->exchange(ClRawCameraLink::command(0x5032)), 1), 7u);
    QVERIFY(!stRig.pclCamera->isRecording());
}

void TestVirtualCameraExchanges::powerOffStaysAway()
{
    Rig stRig(0);
    QSignalSpy clLeft(stRig.pclCamera, &ClVirtualCamera::sigLeftBus);
    QSignalSpy clBack(stRig.pclCamera, &ClVirtualCamera::sigBackOnBus);
    QCOMPARE(stRig.statusOf(ClRawCameraLink::command(0x6801)), 0);
    QVERIFY(clLeft.wait(2000));
    QVERIFY(!clBack.wait(200));
    stRig.pclCamera->powerOn();
    QVERIFY(clBack.wait(2000));
    QVERIFY(stRig.clBus.isPlugged(stRig.pclCamera));
}

void TestVirtualCameraExchanges::answerFaults()
{
    Rig stRig(0);
    ClRawCameraLink& clLink = *stRig.upLink;

    stRig.pclCamera->injectFault(Fault::ForeignSequenceFirst);
    const QByteArray clForeign = clLink.exchange(ClRawCameraLink::command(0x5032));
    QVERIFY(ClRawCameraLink::sequence(clForeign) != 0x1234);
    QCOMPARE(ClRawCameraLink::sequence(clLink.read()), 0x1234);

    stRig.pclCamera->injectFault(Fault::Short);
    QCOMPARE(clLink.exchange(ClRawCameraLink::command(0x5032)).size(), 12);

    stRig.pclCamera->setFaultStatus(0xFFFE);
    stRig.pclCamera->injectFault(Fault::Status, 2);
    QCOMPARE(ClRawCameraLink::status(clLink.exchange(ClRawCameraLink::command(0x5032))), 0xFFFE);
    QCOMPARE(ClRawCameraLink::status(clLink.exchange(ClRawCameraLink::command(0x5049))), 0xFFFE);
    QCOMPARE(ClRawCameraLink::status(clLink.exchange(ClRawCameraLink::command(0x5049))), 0);

    stRig.pclCamera->injectFault(Fault::Silent);
    QVERIFY(clLink.exchange(ClRawCameraLink::command(0x5032)).isEmpty());

    stRig.pclCamera->injectFault(Fault::Garbage);
    const QByteArray clGarbage = clLink.exchange(ClRawCameraLink::command(0x5032));
    QCOMPARE(clGarbage.size(), 32);
    QCOMPARE(ClRawCameraLink::sequence(clGarbage), 0x1234);

    // Faults are used up: the next exchange is clean.
    QCOMPARE(ClRawCameraLink::status(clLink.exchange(ClRawCameraLink::command(0x5032))), 0);
    QVERIFY(clLink.read().isEmpty());
}

void TestVirtualCameraExchanges::foreignSequencesForever()
{
    Rig stRig(0);
    stRig.pclCamera->injectFault(Fault::ForeignSequenceForever);
    QCOMPARE(stRig.upLink->write(ClRawCameraLink::command(0x5032)), 32);
    for (int i = 0; i < 50; ++i) {
        const QByteArray clPacket = stRig.upLink->read();
        QCOMPARE(clPacket.size(), 32);
        QVERIFY(ClRawCameraLink::sequence(clPacket) != 0x1234);
    }
    stRig.pclCamera->clearAllFaults();
    stRig.upLink->read();  // the last foreign packet already queued
    QCOMPARE(ClRawCameraLink::status(stRig.upLink->exchange(ClRawCameraLink::command(0x5032))), 0);
}

void TestVirtualCameraExchanges::lyingAnswers()
{
    Rig stRig(0);
    ClRawCameraLink& clLink = *stRig.upLink;

    stRig.pclCamera->injectFault(Fault::LyingDataLength);
    // Waits for an answer of its shape: a plain answer goes through untouched.
    QCOMPARE(ClRawCameraLink::status(clLink.exchange(ClRawCameraLink::command(0x5032))), 0);
    const QByteArray clFirst = clLink.exchange(ClRawCameraLink::command(0x3003));
    QCOMPARE(ClRawCameraLink::param(clFirst, 1), 64u * 1024 * 1024 + 1);
    QCOMPARE(ClRawCameraLink::le32(clLink.read(), 4), 64u * 1024 * 1024 + 1);
    while (!clLink.read().isEmpty()) {
    }

    stRig.pclCamera->injectFault(Fault::LyingAccesspointCount);
    QVERIFY(ClRawCameraLink::param(clLink.exchange(ClRawCameraLink::command(0x5002)), 1) > 256);
    while (!clLink.read().isEmpty()) {
    }

    stRig.pclCamera->injectFault(Fault::LyingTextLength);
    const QByteArray clText = clLink.exchange(ClRawCameraLink::command(0x5030));
    QVERIFY(qint64(ClRawCameraLink::le32(clText, 12)) > clText.size());
}

QTEST_GUILESS_MAIN(TestVirtualCameraExchanges)
#include "TestVirtualCameraExchanges.moc"
