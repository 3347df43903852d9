// How fast a command goes round: envelope, worker thread, virtual bus, emulated camera and
// the reply back on this thread; and how fast a 16 MiB firmware block goes to the camera.
#include "protocol/ClCommandCatalogue.h"
#include "tests/support/ClWorkerRig.h"
#include "usb/ClUsbService.h"
#include "virtualcamera/ClVirtualCamera.h"
#include "virtualcamera/ClVirtualFirmwareImage.h"

#include <QElapsedTimer>
#include <QtTest>

#include <memory>

class BenchCameraExchanges : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init();
    void cleanup();
    void getRoundTrip();
    void setRoundTrip();
    void textRoundTrip();
    void pictureRoundTrip();
    void firmware16MiB();

private:
    std::unique_ptr<ClWorkerRig> m_upRig;
    void* m_pHandle = nullptr;
};

void BenchCameraExchanges::init()
{
    PvCmd::registerMetaTypes();
    m_upRig = std::make_unique<ClWorkerRig>();
    m_upRig->service().setResponseTimeout(5000);
    m_pHandle = m_upRig->plug(new ClVirtualCamera(1));
    QVERIFY(m_pHandle);
}

void BenchCameraExchanges::cleanup()
{
    m_upRig.reset();
}

void BenchCameraExchanges::getRoundTrip()
{
    const QUuid uuidReply = ClCommandCatalogue::replyKindOf("ClTovuCommandGetTimezone");
    QBENCHMARK
    {
        const PV_CMD clAnswer = m_upRig->request(m_pHandle, "ClTovuCommandGetTimezone");
        if (clAnswer.value(QStringLiteral("CMD")).toUuid() != uuidReply)
            QFAIL("no value reply");
        m_upRig->clear();
    }
}

void BenchCameraExchanges::setRoundTrip()
{
    const PV_CMD clArgs = ClWorkerRig::args({9});
    QBENCHMARK
    {
        const PV_CMD clAnswer = m_upRig->request(m_pHandle, "ClTovuCommandSetTimezone", clArgs);
        if (clAnswer.value(QStringLiteral("PARAM3")).toUInt() != 0)
            QFAIL("set failed");
        m_upRig->clear();
    }
}

void BenchCameraExchanges::textRoundTrip()
{
    QBENCHMARK
    {
        const PV_CMD clAnswer = m_upRig->request(m_pHandle, "ClTovuCommandGetWifiInfo");
        if (clAnswer.value(QStringLiteral("PARAM3")).toString().isEmpty())
            QFAIL("no Wi-Fi state");
        m_upRig->clear();
    }
}

void BenchCameraExchanges::pictureRoundTrip()
{
    QBENCHMARK
    {
        const PV_CMD clAnswer = m_upRig->request(m_pHandle, "ClTovuCommandReqJpeg");
        if (clAnswer.value(QStringLiteral("PARAM2")).value<QImage>().isNull())
            QFAIL("no picture");
        m_upRig->clear();
    }
}

void BenchCameraExchanges::firmware16MiB()
{
    const QByteArray clImage
        = ClVirtualFirmwareImage::make(QStringLiteral("01.00.012"), QStringLiteral("Tovu-S"), 16 * 1024 * 1024 - 64);
    const PV_CMD clArgs = ClWorkerRig::args({clImage});
    QBENCHMARK
    {
        const PV_CMD clAnswer = m_upRig->request(m_pHandle, "ClTovuCommandExecFwUpdateData", clArgs, 60000);
        if (clAnswer.isEmpty() || clAnswer.value(QStringLiteral("PARAM3")).toUInt() != 0)
            QFAIL("firmware block refused");
        m_upRig->clear();
    }
}

QTEST_GUILESS_MAIN(BenchCameraExchanges)
#include "BenchCameraExchanges.moc"
