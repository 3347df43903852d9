#include "ClVirtualBusNotifier.h"

#include "ClVirtualUsbBus.h"

ClVirtualBusNotifier::ClVirtualBusNotifier(ClVirtualUsbBus* pclBus, QObject* pclParent)
    : ClUsbChangeNotifier(pclParent), m_pclBus(pclBus)
{}

ClVirtualBusNotifier::~ClVirtualBusNotifier() = default;

void ClVirtualBusNotifier::start()
{
    // Automatic connection: queued when the bus changes on another thread, direct when a
    // transfer on this thread pulls the cable; the receiver queues its scan either way.
    connect(m_pclBus, &ClVirtualUsbBus::sigBusChanged, this, &ClUsbChangeNotifier::sigChanged, Qt::UniqueConnection);
}
