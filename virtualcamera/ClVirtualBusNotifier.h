#pragma once
// Change notifier of the virtual bus: passes the bus's plug and unplug notices on.
#include "usb/ClUsbChangeNotifier.h"

class ClVirtualUsbBus;

class ClVirtualBusNotifier : public ClUsbChangeNotifier
{
    Q_OBJECT

public:
    explicit ClVirtualBusNotifier(ClVirtualUsbBus* pclBus, QObject* pclParent = nullptr);
    ~ClVirtualBusNotifier() override;

    void start() override;

private:
    ClVirtualUsbBus* m_pclBus = nullptr;
};
