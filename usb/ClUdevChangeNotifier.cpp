#include "ClUdevChangeNotifier.h"

#include "ClUsbLog.h"

#include <QFileInfo>
#include <QSocketNotifier>
#include <QTimer>

#include <libudev.h>

ClUdevChangeNotifier::ClUdevChangeNotifier(QObject* pclParent) : ClUsbChangeNotifier(pclParent) {}

ClUdevChangeNotifier::~ClUdevChangeNotifier()
{
    delete m_pclSocketNotifier;
    m_pclSocketNotifier = nullptr;
    // Only this class's own monitor is released here; a subclass cleans up its own.
    ClUdevChangeNotifier::closeMonitor();
}

void ClUdevChangeNotifier::start()
{
    if (m_pclSocketNotifier || m_pclPollTimer)
        return;
    const bool bDaemon = isUdevRunning();
    const int lDescriptor = bDaemon ? openMonitor() : -1;
    if (lDescriptor >= 0) {
        m_pclSocketNotifier = new QSocketNotifier(lDescriptor, QSocketNotifier::Read, this);
        connect(m_pclSocketNotifier, &QSocketNotifier::activated, this, &ClUdevChangeNotifier::onActivated);
        return;
    }
    qCInfo(lcTovuUsb) << (bDaemon ? "no udev monitor" : "no udev daemon") << "; looking for cameras every"
                      << m_lPollIntervalMs << "ms";
    m_pclPollTimer = new QTimer(this);
    m_pclPollTimer->setInterval(m_lPollIntervalMs);
    connect(m_pclPollTimer, &QTimer::timeout, this, &ClUsbChangeNotifier::sigChanged);
    m_pclPollTimer->start();
}

void ClUdevChangeNotifier::onActivated()
{
    drainMonitor();
    Q_EMIT sigChanged();
}

bool ClUdevChangeNotifier::isUdevRunning() const
{
    return QFileInfo::exists(m_strControlPath);
}

int ClUdevChangeNotifier::openMonitor()
{
    m_pstUdev = udev_new();
    if (!m_pstUdev)
        return -1;
    m_pstMonitor = udev_monitor_new_from_netlink(m_pstUdev, "udev");
    if (!m_pstMonitor || udev_monitor_filter_add_match_subsystem_devtype(m_pstMonitor, "usb", "usb_device") < 0
        || udev_monitor_enable_receiving(m_pstMonitor) < 0) {
        closeMonitor();
        return -1;
    }
    const int lDescriptor = udev_monitor_get_fd(m_pstMonitor);
    if (lDescriptor < 0)
        closeMonitor();
    return lDescriptor;
}

void ClUdevChangeNotifier::drainMonitor()
{
    if (!m_pstMonitor)
        return;
    // The monitor's socket does not block: this takes every notice that is waiting.
    while (udev_device* pstDevice = udev_monitor_receive_device(m_pstMonitor)) {
        qCDebug(lcTovuUsb) << "udev:" << udev_device_get_action(pstDevice) << udev_device_get_syspath(pstDevice);
        udev_device_unref(pstDevice);
    }
}

void ClUdevChangeNotifier::closeMonitor()
{
    if (m_pstMonitor)
        udev_monitor_unref(m_pstMonitor);
    m_pstMonitor = nullptr;
    if (m_pstUdev)
        udev_unref(m_pstUdev);
    m_pstUdev = nullptr;
}
