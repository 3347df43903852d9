// glib before Qt: Qt's keyword macros must not reach glib's headers.
#include <umockdev.h>

#include "ClUmockdevCamera.h"

#include "ClScriptedCamera.h"
#include "ClTovuCommand.h"
#include "ClVirtualEchoDevice.h"

#include <QDir>
#include <QFile>
#include <QHash>
#include <QMutex>

#include <cerrno>
#include <cstddef>
#include <cstring>
#include <deque>
#include <sys/ioctl.h>
#include <linux/usbdevice_fs.h>

namespace {
const char* const pszDevNode = "/dev/bus/usb/001/002";

struct Urb
{
    UMockdevIoctlData* pstUrb = nullptr;     // the client's struct usbdevfs_urb
    UMockdevIoctlData* pstBuffer = nullptr;  // its data buffer
};
}  // namespace

struct ClUmockdevCamera::Private
{
    UMockdevTestbed* pstTestbed = nullptr;
    UMockdevIoctlBase* pstHandler = nullptr;
    gchar* pszSysPath = nullptr;
    QString strError;

    mutable QMutex clLock;
    Mode eMode = Mode::Answer;
    QHash<UMockdevIoctlClient*, int> hashReadOffsets;
    std::deque<Urb> dqPendingIn;
    std::deque<Urb> dqCompleted;
    std::deque<QByteArray> dqResponses;
    QList<QByteArray> lstRequests;
    QList<int> lstClaimed;
    QList<int> lstReleased;
    int lDiscarded = 0;

    static gboolean onIoctl(UMockdevIoctlBase*, UMockdevIoctlClient* pstClient, gpointer pUser);
    static gboolean onRead(UMockdevIoctlBase*, UMockdevIoctlClient* pstClient, gpointer pUser);
    static void onVanished(UMockdevIoctlBase*, UMockdevIoctlClient* pstClient, gpointer pUser);

    void submit(UMockdevIoctlClient* pstClient);
    void reap(UMockdevIoctlClient* pstClient);
    void discard(UMockdevIoctlClient* pstClient);
    void interfaceCall(UMockdevIoctlClient* pstClient, bool bClaim);
    void connectInfo(UMockdevIoctlClient* pstClient);
    static void release(Urb& stUrb);
};

QByteArray ClUmockdevCamera::descriptors()
{
    return QByteArray::fromHex(
        "1201000200000040a1090102000101020301"  // device 09a1:0201, one configuration
        "090220000101008032"                        // configuration of 32 bytes in all
        "0904000002ff000000"                        // interface 0 with two endpoints
        "07058102000200"                            // bulk IN 0x81
        "07050202000200");                          // bulk OUT 0x02
}

ClUmockdevCamera::ClUmockdevCamera() : m_upPrivate(std::make_unique<Private>())
{
    Private& d = *m_upPrivate;
    const QByteArray clPreload = qgetenv("LD_PRELOAD");
    if (!clPreload.contains("libumockdev-preload")) {
        d.strError = QStringLiteral("not running under umockdev-wrapper");
        return;
    }
    d.pstTestbed = umockdev_testbed_new();
    d.pszSysPath = umockdev_testbed_add_device(d.pstTestbed, "usb", "1-1", nullptr,
                                               "idVendor", "09a1", "idProduct", "0201", "busnum", "1",
                                               "devnum", "2", "speed", "480", "dev", "189:1", nullptr,
                                               "DEVNAME", pszDevNode, "DEVTYPE", "usb_device", "BUSNUM", "001",
                                               "DEVNUM", "002", nullptr);
    QByteArray clDescriptors = descriptors();
    umockdev_testbed_set_attribute_binary(d.pstTestbed, d.pszSysPath, "descriptors",
                                          reinterpret_cast<guint8*>(clDescriptors.data()), int(clDescriptors.size()));

    d.pstHandler = umockdev_ioctl_base_new();
    g_signal_connect(d.pstHandler, "handle-ioctl", G_CALLBACK(Private::onIoctl), &d);
    g_signal_connect(d.pstHandler, "handle-read", G_CALLBACK(Private::onRead), &d);
    g_signal_connect(d.pstHandler, "client-vanished", G_CALLBACK(Private::onVanished), &d);
    GError* pstError = nullptr;
    if (!umockdev_testbed_attach_ioctl(d.pstTestbed, pszDevNode, d.pstHandler, &pstError)) {
        d.strError = QString::fromUtf8(pstError->message);
        g_error_free(pstError);
        return;
    }
    // libusb 0.1 lists the bus directories itself; the node it opens must exist there for
    // the preload to route its calls to the handler above.
    gchar* pszRoot = umockdev_testbed_get_root_dir(d.pstTestbed);
    const QString strRoot = QString::fromUtf8(pszRoot);
    g_free(pszRoot);
    QDir().mkpath(strRoot + QStringLiteral("/dev/bus/usb/001"));
    QFile clNode(strRoot + QString::fromLatin1(pszDevNode));
    if (!clNode.open(QIODevice::WriteOnly))
        d.strError = QStringLiteral("cannot create the device node");
}

ClUmockdevCamera::~ClUmockdevCamera()
{
    Private& d = *m_upPrivate;
    if (d.pstTestbed && d.pstHandler)
        umockdev_testbed_detach_ioctl(d.pstTestbed, pszDevNode, nullptr);
    {
        QMutexLocker clLocker(&d.clLock);
        for (Urb& stUrb : d.dqPendingIn)
            Private::release(stUrb);
        for (Urb& stUrb : d.dqCompleted)
            Private::release(stUrb);
        d.dqPendingIn.clear();
        d.dqCompleted.clear();
    }
    if (d.pstHandler)
        g_object_unref(d.pstHandler);
    g_free(d.pszSysPath);
    if (d.pstTestbed)
        g_object_unref(d.pstTestbed);
}

bool ClUmockdevCamera::isReady() const
{
    return m_upPrivate->strError.isEmpty();
}

QString ClUmockdevCamera::error() const
{
    return m_upPrivate->strError;
}

void ClUmockdevCamera::setMode(Mode eMode)
{
    QMutexLocker clLocker(&m_upPrivate->clLock);
    m_upPrivate->eMode = eMode;
}

void ClUmockdevCamera::remove()
{
    Private& d = *m_upPrivate;
    setMode(Mode::Gone);
    gchar* pszRoot = umockdev_testbed_get_root_dir(d.pstTestbed);
    QFile::remove(QString::fromUtf8(pszRoot) + QString::fromLatin1(pszDevNode));
    g_free(pszRoot);
    umockdev_testbed_remove_device(d.pstTestbed, d.pszSysPath);
}

QList<QByteArray> ClUmockdevCamera::requests() const
{
    QMutexLocker clLocker(&m_upPrivate->clLock);
    return m_upPrivate->lstRequests;
}

QList<int> ClUmockdevCamera::claimedInterfaces() const
{
    QMutexLocker clLocker(&m_upPrivate->clLock);
    return m_upPrivate->lstClaimed;
}

QList<int> ClUmockdevCamera::releasedInterfaces() const
{
    QMutexLocker clLocker(&m_upPrivate->clLock);
    return m_upPrivate->lstReleased;
}

int ClUmockdevCamera::discardedUrbs() const
{
    QMutexLocker clLocker(&m_upPrivate->clLock);
    return m_upPrivate->lDiscarded;
}

void ClUmockdevCamera::Private::release(Urb& stUrb)
{
    if (stUrb.pstBuffer)
        g_object_unref(stUrb.pstBuffer);
    if (stUrb.pstUrb)
        g_object_unref(stUrb.pstUrb);
    stUrb = Urb();
}

gboolean ClUmockdevCamera::Private::onRead(UMockdevIoctlBase*, UMockdevIoctlClient* pstClient, gpointer pUser)
{
    // libusb reads the device descriptor and then each configuration from the node.
    auto* d = static_cast<Private*>(pUser);
    UMockdevIoctlData* pstArg = umockdev_ioctl_client_get_arg(pstClient);
    const QByteArray clDescriptors = descriptors();
    QMutexLocker clLocker(&d->clLock);
    int& lOffset = d->hashReadOffsets[pstClient];
    const int lCount = qBound(0, int(clDescriptors.size()) - lOffset, pstArg->data_len);
    std::memcpy(pstArg->data, clDescriptors.constData() + lOffset, size_t(lCount));
    lOffset += lCount;
    umockdev_ioctl_client_complete(pstClient, lCount, 0);
    return TRUE;
}

void ClUmockdevCamera::Private::onVanished(UMockdevIoctlBase*, UMockdevIoctlClient* pstClient, gpointer pUser)
{
    auto* d = static_cast<Private*>(pUser);
    QMutexLocker clLocker(&d->clLock);
    d->hashReadOffsets.remove(pstClient);
}

gboolean ClUmockdevCamera::Private::onIoctl(UMockdevIoctlBase*, UMockdevIoctlClient* pstClient, gpointer pUser)
{
    auto* d = static_cast<Private*>(pUser);
    QMutexLocker clLocker(&d->clLock);
    switch (umockdev_ioctl_client_get_request(pstClient)) {
    case USBDEVFS_CONNECTINFO:
        d->connectInfo(pstClient);
        break;
    case USBDEVFS_CLAIMINTERFACE:
        d->interfaceCall(pstClient, true);
        break;
    case USBDEVFS_RELEASEINTERFACE:
        d->interfaceCall(pstClient, false);
        break;
    case USBDEVFS_SUBMITURB:
        d->submit(pstClient);
        break;
    case USBDEVFS_REAPURB:
    case USBDEVFS_REAPURBNDELAY:
        d->reap(pstClient);
        break;
    case USBDEVFS_DISCARDURB:
        d->discard(pstClient);
        break;
    default:
        umockdev_ioctl_client_complete(pstClient, -1, ENOTTY);
        break;
    }
    return TRUE;
}

void ClUmockdevCamera::Private::connectInfo(UMockdevIoctlClient* pstClient)
{
    UMockdevIoctlData* pstArg = umockdev_ioctl_client_get_arg(pstClient);
    UMockdevIoctlData* pstInfo = umockdev_ioctl_data_resolve(pstArg, 0, sizeof(usbdevfs_connectinfo), nullptr);
    if (pstInfo) {
        auto* pstConnect = reinterpret_cast<usbdevfs_connectinfo*>(pstInfo->data);
        pstConnect->devnum = 2;
        pstConnect->slow = 0;
        g_object_unref(pstInfo);
    }
    umockdev_ioctl_client_complete(pstClient, 0, 0);
}

void ClUmockdevCamera::Private::interfaceCall(UMockdevIoctlClient* pstClient, bool bClaim)
{
    UMockdevIoctlData* pstArg = umockdev_ioctl_client_get_arg(pstClient);
    UMockdevIoctlData* pstNumber = umockdev_ioctl_data_resolve(pstArg, 0, sizeof(unsigned int), nullptr);
    if (!pstNumber) {
        umockdev_ioctl_client_complete(pstClient, -1, EFAULT);
        return;
    }
    const int lInterface = int(*reinterpret_cast<unsigned int*>(pstNumber->data));
    g_object_unref(pstNumber);
    if (eMode == Mode::Gone) {
        umockdev_ioctl_client_complete(pstClient, -1, ENODEV);
        return;
    }
    if (lInterface != 0) {
        umockdev_ioctl_client_complete(pstClient, -1, EINVAL);
        return;
    }
    (bClaim ? lstClaimed : lstReleased).append(lInterface);
    umockdev_ioctl_client_complete(pstClient, 0, 0);
}

void ClUmockdevCamera::Private::submit(UMockdevIoctlClient* pstClient)
{
    if (eMode == Mode::Gone) {
        umockdev_ioctl_client_complete(pstClient, -1, ENODEV);
        return;
    }
    UMockdevIoctlData* pstArg = umockdev_ioctl_client_get_arg(pstClient);
    Urb stUrb;
    stUrb.pstUrb = umockdev_ioctl_data_resolve(pstArg, 0, sizeof(usbdevfs_urb), nullptr);
    if (!stUrb.pstUrb) {
        umockdev_ioctl_client_complete(pstClient, -1, EFAULT);
        return;
    }
    auto* pstHead = reinterpret_cast<usbdevfs_urb*>(stUrb.pstUrb->data);
    stUrb.pstBuffer = umockdev_ioctl_data_resolve(stUrb.pstUrb, offsetof(usbdevfs_urb, buffer),
                                                  size_t(qMax(0, pstHead->buffer_length)), nullptr);
    if (!stUrb.pstBuffer || pstHead->type != USBDEVFS_URB_TYPE_BULK) {
        release(stUrb);
        umockdev_ioctl_client_complete(pstClient, -1, EINVAL);
        return;
    }
    if (pstHead->endpoint & 0x80) {
        dqPendingIn.push_back(stUrb);
    } else {
        const QByteArray clRequest(reinterpret_cast<const char*>(stUrb.pstBuffer->data), pstHead->buffer_length);
        lstRequests.append(clRequest);
        if (eMode == Mode::Answer && clRequest.size() == 32) {
            const ClTovuCommand clHead(clRequest);
            if (clHead.code() == ClScriptedCamera::usMachineNameCode)
                dqResponses.push_back(ClScriptedCamera::textPacket(clHead.sequence(), 0, "Tovu"));
            else
                dqResponses.push_back(ClVirtualEchoDevice::responseTo(clRequest));
        }
        pstHead->actual_length = pstHead->buffer_length;
        pstHead->status = 0;
        dqCompleted.push_back(stUrb);
    }
    umockdev_ioctl_client_complete(pstClient, 0, 0);
}

void ClUmockdevCamera::Private::reap(UMockdevIoctlClient* pstClient)
{
    if (eMode == Mode::Gone) {
        umockdev_ioctl_client_complete(pstClient, -1, ENODEV);
        return;
    }
    while (!dqPendingIn.empty() && !dqResponses.empty()) {
        Urb stUrb = dqPendingIn.front();
        dqPendingIn.pop_front();
        const QByteArray clResponse = dqResponses.front();
        dqResponses.pop_front();
        auto* pstHead = reinterpret_cast<usbdevfs_urb*>(stUrb.pstUrb->data);
        const int lCount = qMin(int(clResponse.size()), pstHead->buffer_length);
        umockdev_ioctl_data_update(stUrb.pstBuffer, 0,
                                   reinterpret_cast<guint8*>(const_cast<char*>(clResponse.constData())), lCount);
        pstHead->actual_length = lCount;
        pstHead->status = 0;
        dqCompleted.push_back(stUrb);
    }
    if (dqCompleted.empty()) {
        umockdev_ioctl_client_complete(pstClient, -1, EAGAIN);
        return;
    }
    Urb stUrb = dqCompleted.front();
    dqCompleted.pop_front();
    umockdev_ioctl_data_set_ptr(umockdev_ioctl_client_get_arg(pstClient), 0, stUrb.pstUrb);
    umockdev_ioctl_client_complete(pstClient, 0, 0);
    release(stUrb);
}

void ClUmockdevCamera::Private::discard(UMockdevIoctlClient* pstClient)
{
    // The argument is the client's address of the URB to cancel.
    UMockdevIoctlData* pstArg = umockdev_ioctl_client_get_arg(pstClient);
    gulong ulAddress = 0;
    std::memcpy(&ulAddress, pstArg->data, qMin(sizeof(ulAddress), size_t(pstArg->data_len)));
    for (auto it = dqPendingIn.begin(); it != dqPendingIn.end(); ++it) {
        if (it->pstUrb->client_addr == ulAddress) {
            auto* pstHead = reinterpret_cast<usbdevfs_urb*>(it->pstUrb->data);
            pstHead->status = -ENOENT;
            pstHead->actual_length = 0;
            dqCompleted.push_back(*it);
            dqPendingIn.erase(it);
            ++lDiscarded;
            umockdev_ioctl_client_complete(pstClient, 0, 0);
            return;
        }
    }
    umockdev_ioctl_client_complete(pstClient, -1, EINVAL);
}
