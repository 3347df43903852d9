// The real libusb 0.1 backend: ClLibUsbApi and ClUsbController against a camera emulated by
// umockdev at the usbdevfs level, so that libusb's own enumeration, URB submission and
// reaping run. Registered to run under
// umockdev-wrapper, which preloads the library that redirects /dev and sysfs.
//
// glib before Qt: Qt's keyword macros must not reach glib's headers.
#include <umockdev.h>

#include "protocol/ClResultCode.h"
#include "usb/ClLibUsbApi.h"
#include "usb/ClUsbController.h"
#include "virtualcamera/ClVirtualEchoDevice.h"

#include <QDir>
#include <QFile>
#include <QHash>
#include <QMutex>
#include <QSignalSpy>
#include <QtTest>

#include <cerrno>
#include <cstddef>
#include <cstring>
#include <linux/usbdevice_fs.h>
#include <sys/ioctl.h>
#include <unistd.h>

namespace {
const char* const pszDevNode = "/dev/bus/usb/001/002";

// The camera's side of the usbdevfs calls libusb makes: descriptor reads, interface claims
// and bulk URBs. A 32-byte request is answered as ClVirtualEchoDevice does.
class ClUmockdevCamera
{
public:
    // Why umockdev could not be set up; empty when it was.
    QString strError;

    ClUmockdevCamera()
    {
        if (!qgetenv("LD_PRELOAD").contains("libumockdev-preload")) {
            strError = QStringLiteral("not running under umockdev-wrapper");
            return;
        }
        m_pstTestbed = umockdev_testbed_new();
        m_pszSysPath
            = umockdev_testbed_add_device(m_pstTestbed, "usb", "1-1", nullptr, "idVendor", "09a1", "idProduct", "0201",
                                          nullptr, "DEVNAME", pszDevNode, "DEVTYPE", "usb_device", nullptr);
        m_pstHandler = umockdev_ioctl_base_new();
        g_signal_connect(m_pstHandler, "handle-ioctl", G_CALLBACK(onIoctl), this);
        g_signal_connect(m_pstHandler, "handle-read", G_CALLBACK(onRead), this);
        g_signal_connect(m_pstHandler, "client-vanished", G_CALLBACK(onVanished), this);
        GError* pstError = nullptr;
        if (!umockdev_testbed_attach_ioctl(m_pstTestbed, pszDevNode, m_pstHandler, &pstError)) {
            strError = QString::fromUtf8(pstError->message);
            g_error_free(pstError);
            return;
        }
        // libusb 0.1 lists the bus directories itself; the node it opens must exist there for
        // the preload to route its calls to the handler.
        QDir().mkpath(QFileInfo(nodePath()).path());
        QFile clNode(nodePath());
        if (!clNode.open(QIODevice::WriteOnly))
            strError = QStringLiteral("cannot create the device node");
    }

    ~ClUmockdevCamera()
    {
        if (m_pstHandler) {
            umockdev_testbed_detach_ioctl(m_pstTestbed, pszDevNode, nullptr);
            g_object_unref(m_pstHandler);
        }
        for (const Urb& stUrb : std::as_const(m_lstPendingIn) + m_lstCompleted)
            stUrb.release();
        g_free(m_pszSysPath);
        if (m_pstTestbed)
            g_object_unref(m_pstTestbed);
    }

    // Takes the device off the emulated bus: every later call fails with ENODEV.
    void remove()
    {
        {
            QMutexLocker clLocker(&m_clLock);
            m_bGone = true;
        }
        QFile::remove(nodePath());
        umockdev_testbed_remove_device(m_pstTestbed, m_pszSysPath);
    }

    // Claims fail with this errno from now on (0: they succeed): EPERM as the kernel
    // answers a node opened read-only, EBUSY as it answers one claimed elsewhere.
    void failClaims(int iErrno)
    {
        QMutexLocker clLocker(&m_clLock);
        m_iClaimErrno = iErrno;
    }

    // The device node as it sits in the testbed.
    QString node() const { return nodePath(); }

    // What the tool did, in order: "claim 0", "release 0", "write <hex>".
    QStringList log() const
    {
        QMutexLocker clLocker(&m_clLock);
        return m_lstLog;
    }

private:
    struct Urb
    {
        UMockdevIoctlData* pstUrb;     // the client's struct usbdevfs_urb
        UMockdevIoctlData* pstBuffer;  // its data buffer
        usbdevfs_urb* head() const { return reinterpret_cast<usbdevfs_urb*>(pstUrb->data); }
        void release() const
        {
            g_object_unref(pstBuffer);
            g_object_unref(pstUrb);
        }
    };

    static QByteArray descriptors()
    {
        return QByteArray::fromHex("1201000200000040a1090102000101020301"  // device 09a1:0201, one configuration
                                   "090220000101008032"                    // configuration of 32 bytes in all
                                   "0904000002ff000000"                    // interface 0 with two endpoints
                                   "07058102000200"                        // bulk IN 0x81
                                   "07050202000200");                      // bulk OUT 0x02
    }

    QString nodePath() const
    {
        gchar* pszRoot = umockdev_testbed_get_root_dir(m_pstTestbed);
        const QString strPath = QString::fromUtf8(pszRoot) + QString::fromLatin1(pszDevNode);
        g_free(pszRoot);
        return strPath;
    }

    // libusb reads the device descriptor and then each configuration from the node.
    static gboolean onRead(UMockdevIoctlBase*, UMockdevIoctlClient* pstClient, gpointer pSelf)
    {
        auto* pclSelf = static_cast<ClUmockdevCamera*>(pSelf);
        UMockdevIoctlData* pstArg = umockdev_ioctl_client_get_arg(pstClient);
        const QByteArray clDescriptors = descriptors();
        QMutexLocker clLocker(&pclSelf->m_clLock);
        int& lOffset = pclSelf->m_hashReadOffsets[pstClient];
        const int lCount = qBound(0, int(clDescriptors.size()) - lOffset, int(pstArg->data_len));
        std::memcpy(pstArg->data, clDescriptors.constData() + lOffset, size_t(lCount));
        lOffset += lCount;
        umockdev_ioctl_client_complete(pstClient, lCount, 0);
        return TRUE;
    }

    static void onVanished(UMockdevIoctlBase*, UMockdevIoctlClient* pstClient, gpointer pSelf)
    {
        auto* pclSelf = static_cast<ClUmockdevCamera*>(pSelf);
        QMutexLocker clLocker(&pclSelf->m_clLock);
        pclSelf->m_hashReadOffsets.remove(pstClient);
    }

    static gboolean onIoctl(UMockdevIoctlBase*, UMockdevIoctlClient* pstClient, gpointer pSelf)
    {
        auto* pclSelf = static_cast<ClUmockdevCamera*>(pSelf);
        QMutexLocker clLocker(&pclSelf->m_clLock);
        const int lErrno = pclSelf->m_bGone ? ENODEV : pclSelf->handle(pstClient);
        umockdev_ioctl_client_complete(pstClient, lErrno ? -1 : 0, lErrno);
        return TRUE;
    }

    // One call of the tool; the errno it fails with, 0 when it succeeds.
    int handle(UMockdevIoctlClient* pstClient)
    {
        UMockdevIoctlData* pstArg = umockdev_ioctl_client_get_arg(pstClient);
        switch (umockdev_ioctl_client_get_request(pstClient)) {
        case USBDEVFS_CLAIMINTERFACE:
        case USBDEVFS_RELEASEINTERFACE: {
            UMockdevIoctlData* pstNumber = umockdev_ioctl_data_resolve(pstArg, 0, sizeof(unsigned int), nullptr);
            const unsigned int uInterface = *reinterpret_cast<unsigned int*>(pstNumber->data);
            g_object_unref(pstNumber);
            if (uInterface != 0)
                return EINVAL;
            const bool bClaim = umockdev_ioctl_client_get_request(pstClient) == USBDEVFS_CLAIMINTERFACE;
            if (bClaim && m_iClaimErrno != 0)
                return m_iClaimErrno;
            // As the kernel: a node this user may not write was opened read-only, and
            // usbdevfs refuses to claim through such a descriptor.
            if (bClaim && ::access(QFile::encodeName(nodePath()).constData(), W_OK) != 0)
                return EPERM;
            m_lstLog.append(bClaim ? QStringLiteral("claim 0") : QStringLiteral("release 0"));
            return 0;
        }
        case USBDEVFS_SUBMITURB:
            return submit(pstArg);
        case USBDEVFS_REAPURB:
        case USBDEVFS_REAPURBNDELAY:
            return reap(pstArg);
        }
        return ENOTTY;
    }

    int submit(UMockdevIoctlData* pstArg)
    {
        Urb stUrb {umockdev_ioctl_data_resolve(pstArg, 0, sizeof(usbdevfs_urb), nullptr), nullptr};
        stUrb.pstBuffer = umockdev_ioctl_data_resolve(stUrb.pstUrb, offsetof(usbdevfs_urb, buffer),
                                                      size_t(stUrb.head()->buffer_length), nullptr);
        if (stUrb.head()->endpoint & 0x80) {
            m_lstPendingIn.append(stUrb);
            return 0;
        }
        const QByteArray clRequest(reinterpret_cast<const char*>(stUrb.pstBuffer->data), stUrb.head()->buffer_length);
        m_lstLog.append(QStringLiteral("write ") + QString::fromLatin1(clRequest.toHex()));
        if (clRequest.size() == 32)
            m_lstResponses.append(ClVirtualEchoDevice::responseTo(clRequest));
        stUrb.head()->actual_length = stUrb.head()->buffer_length;
        stUrb.head()->status = 0;
        m_lstCompleted.append(stUrb);
        return 0;
    }

    int reap(UMockdevIoctlData* pstArg)
    {
        while (!m_lstPendingIn.isEmpty() && !m_lstResponses.isEmpty()) {
            const Urb stUrb = m_lstPendingIn.takeFirst();
            QByteArray clResponse = m_lstResponses.takeFirst();
            const int lCount = qMin(int(clResponse.size()), stUrb.head()->buffer_length);
            umockdev_ioctl_data_update(stUrb.pstBuffer, 0, reinterpret_cast<guint8*>(clResponse.data()), lCount);
            stUrb.head()->actual_length = lCount;
            stUrb.head()->status = 0;
            m_lstCompleted.append(stUrb);
        }
        if (m_lstCompleted.isEmpty())
            return EAGAIN;
        // The client's argument comes to point at the finished URB, and keeps it alive.
        const Urb stUrb = m_lstCompleted.takeFirst();
        umockdev_ioctl_data_set_ptr(pstArg, 0, stUrb.pstUrb);
        stUrb.release();
        return 0;
    }

    UMockdevTestbed* m_pstTestbed = nullptr;
    UMockdevIoctlBase* m_pstHandler = nullptr;
    gchar* m_pszSysPath = nullptr;
    mutable QMutex m_clLock;
    bool m_bGone = false;
    int m_iClaimErrno = 0;
    QHash<UMockdevIoctlClient*, int> m_hashReadOffsets;
    QList<Urb> m_lstPendingIn;
    QList<Urb> m_lstCompleted;
    QList<QByteArray> m_lstResponses;
    QStringList m_lstLog;
};

struct usb_device* findCamera(ClLibUsbApi& clApi)
{
    clApi.findBusses();
    clApi.findDevices();
    for (usb_bus* pstBus = clApi.getBusses(); pstBus; pstBus = pstBus->next) {
        for (struct usb_device* pstDevice = pstBus->devices; pstDevice; pstDevice = pstDevice->next) {
            if (pstDevice->descriptor.idVendor == 0x09A1 && pstDevice->descriptor.idProduct == 0x0201)
                return pstDevice;
        }
    }
    return nullptr;
}

}  // namespace

class TestLibUsbBackend : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void errorMapping_data();
    void errorMapping();
    void controllerOnRealLibUsb();
    void cameraThatCannotBeUsed_data();
    void cameraThatCannotBeUsed();
};

void TestLibUsbBackend::errorMapping_data()
{
    QTest::addColumn<int>("lLibUsb");
    QTest::addColumn<int>("lSeam");
    QTest::newRow("no device") << -ENODEV << -5;
    QTest::newRow("shut down") << -ESHUTDOWN << -5;
    QTest::newRow("node gone") << -ENOENT << -5;
    QTest::newRow("i/o error") << -EIO << -5;
    QTest::newRow("timed out") << -ETIMEDOUT << -116;
    QTest::newRow("busy") << -EBUSY << -16;
    QTest::newRow("access denied") << -EACCES << -13;
    QTest::newRow("not permitted") << -EPERM << -13;
    QTest::newRow("stall") << -EPIPE << -EPIPE;
    QTest::newRow("bytes") << 32 << 32;
}

void TestLibUsbBackend::errorMapping()
{
    QFETCH(int, lLibUsb);
    QFETCH(int, lSeam);
    QCOMPARE(ClLibUsbApi::mapError(lLibUsb), lSeam);
    // libusb 0.1 reads a time-out of 0 as "wait for ever".
    QCOMPARE(ClLibUsbApi::boundedTimeout(0), 1);
    QCOMPARE(ClLibUsbApi::boundedTimeout(1000), 1000);
}

void TestLibUsbBackend::controllerOnRealLibUsb()
{
    ClUmockdevCamera clCamera;
    if (!clCamera.strError.isEmpty())
        QSKIP(qPrintable(QStringLiteral("umockdev unavailable: ") + clCamera.strError));
    ClLibUsbApi clApi;
    clApi.setDebug(0);
    clApi.init();
    struct usb_device* pstDevice = findCamera(clApi);
    QVERIFY2(pstDevice, "libusb did not enumerate the emulated camera");
    QCOMPARE(QByteArray(pstDevice->bus->dirname), QByteArray("001"));
    QCOMPARE(pstDevice->descriptor.bNumConfigurations, 1);

    // Opened with its interface claimed, closed with it released, and opened again.
    ClUsbController clController(pstDevice, &clApi);
    QSignalSpy clClosed(&clController, &ClUsbController::sigClose);
    QVERIFY(clController.open());
    QCOMPARE(clController.endpoints(), QList<unsigned char>({0x81, 0x02}));
    clController.close();
    QVERIFY(clController.open());

    // One request and its response.
    const QByteArray clRequest = QByteArray::fromHex("0000beef200000000350000007000000") + QByteArray(16, '\0');
    QCOMPARE(clController.bulkWrite(clRequest, 1000), 32);
    unsigned short usError = 0;
    QCOMPARE(clController.bulkRead(1000, 0xFF, &usError).toHex(), ClVirtualEchoDevice::responseTo(clRequest).toHex());
    QCOMPARE(usError, 0);

    QCOMPARE(clCamera.log(),
             QStringList({"claim 0", "release 0", "claim 0",
                          QStringLiteral("write ") + QString::fromLatin1(clRequest.toHex())}));

    // Pulled out: the next transfer finds it gone, which closes the controller once, and the
    // next scan no longer lists it.
    clCamera.remove();
    QCOMPARE(clController.bulkWrite(clRequest, 1000), int(ClResultCode::usNoCamera));
    QVERIFY(!clController.isOpen());
    QCOMPARE(clClosed.count(), 2);
    QVERIFY(findCamera(clApi) == nullptr);
}

void TestLibUsbBackend::cameraThatCannotBeUsed_data()
{
    QTest::addColumn<int>("iClaimErrno");
    QTest::addColumn<bool>("bNodeLocked");
    QTest::addColumn<ClUsbController::Failure>("eFailure");
    using Failure = ClUsbController::Failure;
    // Without the udev rule the node is 0664 root:root: libusb 0.1 falls back to opening
    // it read-only, and the kernel refuses the claim.
    QTest::newRow("claim not permitted") << EPERM << false << Failure::Refused;
    QTest::newRow("claimed elsewhere") << EBUSY << false << Failure::Busy;
    // The same through the node's permissions: readable (so libusb 0.1 lists it; one it
    // cannot read it does not list at all) but not writable.
    QTest::newRow("node without write permission") << 0 << true << Failure::Refused;
}

void TestLibUsbBackend::cameraThatCannotBeUsed()
{
    QFETCH(int, iClaimErrno);
    QFETCH(bool, bNodeLocked);
    QFETCH(ClUsbController::Failure, eFailure);
    if (bNodeLocked && geteuid() == 0)
        QSKIP("root writes a node whatever its permissions");
    ClUmockdevCamera clCamera;
    if (!clCamera.strError.isEmpty())
        QSKIP(qPrintable(QStringLiteral("umockdev unavailable: ") + clCamera.strError));
    clCamera.failClaims(iClaimErrno);
    if (bNodeLocked)
        QVERIFY(QFile::setPermissions(clCamera.node(),
                                      QFileDevice::ReadOwner | QFileDevice::ReadGroup | QFileDevice::ReadOther));
    ClLibUsbApi clApi;
    clApi.setDebug(0);
    clApi.init();
    struct usb_device* pstDevice = findCamera(clApi);
    QVERIFY2(pstDevice, "libusb did not enumerate the emulated camera");

    ClUsbController clController(pstDevice, &clApi);
    QVERIFY(!clController.open());
    QCOMPARE(clController.lastFailure(), eFailure);
    QCOMPARE(clController.deviceNode(), QString::fromLatin1(pszDevNode));

    // Once the cause is gone (the rule applied, the other program closed) it opens.
    clCamera.failClaims(0);
    if (bNodeLocked)
        QVERIFY(QFile::setPermissions(clCamera.node(), QFileDevice::ReadOwner | QFileDevice::WriteOwner));
    QVERIFY(clController.open());
    QCOMPARE(clController.lastFailure(), ClUsbController::Failure::None);
    clController.close();
}

QTEST_GUILESS_MAIN(TestLibUsbBackend)
#include "TestLibUsbBackend.moc"
