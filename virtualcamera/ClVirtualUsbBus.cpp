#include "ClVirtualUsbBus.h"

#include "ClVirtualBusNotifier.h"
#include "ClVirtualUsbDevice.h"

#include <QThread>

#include <cstdio>
#include <cstring>

struct ClVirtualUsbBus::Record
{
    struct usb_device stDevice;
    // Descriptor storage behind stDevice's pointers; sized once, never resized.
    std::vector<usb_config_descriptor> vecConfigs;
    std::vector<std::vector<usb_interface>> vecInterfaces;
    std::vector<std::vector<std::vector<usb_interface_descriptor>>> vecAlts;
    std::vector<std::vector<std::vector<std::vector<usb_endpoint_descriptor>>>> vecEndpoints;
    ClVirtualUsbDevice* pclDevice = nullptr;
    bool bPresent = false;
};

struct ClVirtualUsbBus::Handle
{
    Record* pstRecord = nullptr;
    QList<int> lstClaimed;
};

ClVirtualUsbBus::ClVirtualUsbBus(QObject* pclParent) : QObject(pclParent)
{
    std::memset(&m_stBus, 0, sizeof(m_stBus));
    std::snprintf(m_stBus.dirname, sizeof(m_stBus.dirname), "001");
    m_stBus.location = 1;
}

ClVirtualUsbBus::~ClVirtualUsbBus() = default;

ClVirtualUsbDevice* ClVirtualUsbBus::plug(ClVirtualUsbDevice* pclDevice)
{
    if (!pclDevice)
        return nullptr;
    {
        QMutexLocker clLocker(&m_clLock);
        bool bOwned = false;
        for (const auto& upDevice : m_vecDevices)
            bOwned = bOwned || upDevice.get() == pclDevice;
        if (!bOwned)
            m_vecDevices.emplace_back(pclDevice);
        for (const auto& upRecord : m_lstRecords) {
            if (upRecord->pclDevice == pclDevice && upRecord->bPresent)
                return pclDevice;
        }
        buildRecord(pclDevice)->bPresent = true;
        pclDevice->setPlugged(this, true);
        ++m_lPendingChanges;
    }
    Q_EMIT sigBusChanged();
    return pclDevice;
}

void ClVirtualUsbBus::unplug(ClVirtualUsbDevice* pclDevice)
{
    {
        QMutexLocker clLocker(&m_clLock);
        bool bFound = false;
        for (const auto& upRecord : m_lstRecords) {
            if (upRecord->pclDevice == pclDevice && upRecord->bPresent) {
                upRecord->bPresent = false;
                bFound = true;
            }
        }
        if (!bFound)
            return;
        pclDevice->setPlugged(this, false);
        ++m_lPendingChanges;
    }
    Q_EMIT sigBusChanged();
}

bool ClVirtualUsbBus::isPlugged(ClVirtualUsbDevice* pclDevice) const
{
    QMutexLocker clLocker(&m_clLock);
    for (const auto& upRecord : m_lstRecords) {
        if (upRecord->pclDevice == pclDevice && upRecord->bPresent)
            return true;
    }
    return false;
}

void ClVirtualUsbBus::setImmediateTimeouts(bool bImmediate)
{
    QMutexLocker clLocker(&m_clLock);
    m_bImmediateTimeouts = bImmediate;
}

bool ClVirtualUsbBus::immediateTimeouts() const
{
    QMutexLocker clLocker(&m_clLock);
    return m_bImmediateTimeouts;
}

int ClVirtualUsbBus::openHandleCount() const
{
    QMutexLocker clLocker(&m_clLock);
    return int(m_lstHandles.size());
}

int ClVirtualUsbBus::unboundedWaits() const
{
    QMutexLocker clLocker(&m_clLock);
    return m_lUnboundedWaits;
}

int ClVirtualUsbBus::invalidHandleUses() const
{
    QMutexLocker clLocker(&m_clLock);
    return m_lInvalidHandleUses;
}

ClVirtualUsbBus::Record* ClVirtualUsbBus::buildRecord(ClVirtualUsbDevice* pclDevice)
{
    auto upRecord = std::make_unique<Record>();
    Record& stRecord = *upRecord;
    stRecord.pclDevice = pclDevice;
    const ClVirtualUsbShape& clShape = pclDevice->shape();

    struct usb_device& stDevice = stRecord.stDevice;
    std::memset(&stDevice, 0, sizeof(stDevice));
    const int lNumber = m_lNextDeviceNumber++;
    std::snprintf(stDevice.filename, sizeof(stDevice.filename), "%03d", lNumber);
    stDevice.bus = &m_stBus;
    stDevice.devnum = uint8_t(lNumber);
    usb_device_descriptor& stDescriptor = stDevice.descriptor;
    stDescriptor.bLength = USB_DT_DEVICE_SIZE;
    stDescriptor.bDescriptorType = USB_DT_DEVICE;
    stDescriptor.bcdUSB = 0x0200;
    stDescriptor.bMaxPacketSize0 = 64;
    stDescriptor.idVendor = clShape.usVendor;
    stDescriptor.idProduct = clShape.usProduct;
    stDescriptor.bcdDevice = 0x0100;
    stDescriptor.bNumConfigurations = uint8_t(clShape.lstConfigurations.size());

    const int lConfigs = int(clShape.lstConfigurations.size());
    stRecord.vecConfigs.resize(size_t(lConfigs));
    stRecord.vecInterfaces.resize(size_t(lConfigs));
    stRecord.vecAlts.resize(size_t(lConfigs));
    stRecord.vecEndpoints.resize(size_t(lConfigs));
    for (int c = 0; c < lConfigs; ++c) {
        const auto& clConfig = clShape.lstConfigurations.at(c);
        const int lInterfaces = int(clConfig.lstInterfaces.size());
        auto& vecInterfaces = stRecord.vecInterfaces[size_t(c)];
        auto& vecAlts = stRecord.vecAlts[size_t(c)];
        auto& vecEndpoints = stRecord.vecEndpoints[size_t(c)];
        vecInterfaces.resize(size_t(lInterfaces));
        vecAlts.resize(size_t(lInterfaces));
        vecEndpoints.resize(size_t(lInterfaces));
        for (int i = 0; i < lInterfaces; ++i) {
            const auto& clInterface = clConfig.lstInterfaces.at(i);
            const int lAlts = int(clInterface.lstAltSettings.size());
            vecAlts[size_t(i)].resize(size_t(lAlts));
            vecEndpoints[size_t(i)].resize(size_t(lAlts));
            for (int a = 0; a < lAlts; ++a) {
                const auto& lstAddresses = clInterface.lstAltSettings.at(a).lstEndpoints;
                auto& vecEps = vecEndpoints[size_t(i)][size_t(a)];
                vecEps.resize(size_t(lstAddresses.size()));
                for (int e = 0; e < lstAddresses.size(); ++e) {
                    usb_endpoint_descriptor& stEndpoint = vecEps[size_t(e)];
                    std::memset(&stEndpoint, 0, sizeof(stEndpoint));
                    stEndpoint.bLength = USB_DT_ENDPOINT_SIZE;
                    stEndpoint.bDescriptorType = USB_DT_ENDPOINT;
                    stEndpoint.bEndpointAddress = lstAddresses.at(e);
                    stEndpoint.bmAttributes = USB_ENDPOINT_TYPE_BULK;
                    stEndpoint.wMaxPacketSize = 512;
                }
                usb_interface_descriptor& stAlt = vecAlts[size_t(i)][size_t(a)];
                std::memset(&stAlt, 0, sizeof(stAlt));
                stAlt.bLength = USB_DT_INTERFACE_SIZE;
                stAlt.bDescriptorType = USB_DT_INTERFACE;
                stAlt.bInterfaceNumber = uint8_t(i);
                stAlt.bAlternateSetting = uint8_t(a);
                stAlt.bNumEndpoints = uint8_t(vecEps.size());
                stAlt.bInterfaceClass = 0xFF;
                stAlt.endpoint = vecEps.empty() ? nullptr : vecEps.data();
            }
            usb_interface& stInterface = vecInterfaces[size_t(i)];
            stInterface.altsetting = vecAlts[size_t(i)].empty() ? nullptr : vecAlts[size_t(i)].data();
            stInterface.num_altsetting = lAlts;
        }
        usb_config_descriptor& stConfig = stRecord.vecConfigs[size_t(c)];
        std::memset(&stConfig, 0, sizeof(stConfig));
        stConfig.bLength = USB_DT_CONFIG_SIZE;
        stConfig.bDescriptorType = USB_DT_CONFIG;
        stConfig.bNumInterfaces = uint8_t(lInterfaces);
        stConfig.bConfigurationValue = uint8_t(c + 1);
        stConfig.bmAttributes = 0x80;
        stConfig.MaxPower = 250;
        stConfig.interface = vecInterfaces.empty() ? nullptr : vecInterfaces.data();
    }
    stDevice.config = stRecord.vecConfigs.empty() ? nullptr : stRecord.vecConfigs.data();

    m_lstRecords.push_back(std::move(upRecord));
    return &stRecord;
}

ClVirtualUsbBus::Record* ClVirtualUsbBus::recordOf(struct usb_device* pclDevice) const
{
    for (const auto& upRecord : m_lstRecords) {
        if (&upRecord->stDevice == pclDevice)
            return upRecord.get();
    }
    return nullptr;
}

ClVirtualUsbBus::Handle* ClVirtualUsbBus::handleOf(usb_dev_handle* pclHandle)
{
    for (const auto& upHandle : m_lstHandles) {
        if (reinterpret_cast<usb_dev_handle*>(upHandle.get()) == pclHandle)
            return upHandle.get();
    }
    ++m_lInvalidHandleUses;
    return nullptr;
}

void ClVirtualUsbBus::init() {}

int ClVirtualUsbBus::findBusses()
{
    return 1;
}

int ClVirtualUsbBus::findDevices()
{
    QMutexLocker clLocker(&m_clLock);
    struct usb_device* pstPrevious = nullptr;
    m_stBus.devices = nullptr;
    for (const auto& upRecord : m_lstRecords) {
        struct usb_device& stDevice = upRecord->stDevice;
        stDevice.next = nullptr;
        stDevice.prev = nullptr;
        if (!upRecord->bPresent)
            continue;
        stDevice.prev = pstPrevious;
        if (pstPrevious)
            pstPrevious->next = &stDevice;
        else
            m_stBus.devices = &stDevice;
        pstPrevious = &stDevice;
    }
    const int lChanges = m_lPendingChanges;
    m_lPendingChanges = 0;
    return lChanges;
}

usb_bus* ClVirtualUsbBus::getBusses()
{
    return &m_stBus;
}

usb_dev_handle* ClVirtualUsbBus::open(struct usb_device* pclDevice)
{
    ClVirtualUsbDevice* pclVirtual = nullptr;
    usb_dev_handle* pclHandle = nullptr;
    {
        QMutexLocker clLocker(&m_clLock);
        Record* pstRecord = recordOf(pclDevice);
        if (!pstRecord || !pstRecord->bPresent || pstRecord->pclDevice->openFails())
            return nullptr;
        auto upHandle = std::make_unique<Handle>();
        upHandle->pstRecord = pstRecord;
        pclHandle = reinterpret_cast<usb_dev_handle*>(upHandle.get());
        m_lstHandles.push_back(std::move(upHandle));
        pclVirtual = pstRecord->pclDevice;
        pclVirtual->noteHandle(+1);
    }
    pclVirtual->handleOpen();
    return pclHandle;
}

int ClVirtualUsbBus::claimInterface(usb_dev_handle* pclHandle, int lInterface)
{
    QMutexLocker clLocker(&m_clLock);
    Handle* pstHandle = handleOf(pclHandle);
    if (!pstHandle)
        return lErrorBadHandle;
    if (!pstHandle->pstRecord->bPresent)
        return lErrorGone;
    ClVirtualUsbDevice* pclDevice = pstHandle->pstRecord->pclDevice;
    if (const int lError = pclDevice->claimError())
        return lError;
    if (!pclDevice->shape().hasInterface(lInterface))
        return lErrorInvalid;
    if (!pstHandle->lstClaimed.contains(lInterface))
        pstHandle->lstClaimed.append(lInterface);
    return 0;
}

int ClVirtualUsbBus::releaseInterface(usb_dev_handle* pclHandle, int lInterface)
{
    QMutexLocker clLocker(&m_clLock);
    Handle* pstHandle = handleOf(pclHandle);
    if (!pstHandle)
        return lErrorBadHandle;
    if (!pstHandle->lstClaimed.removeOne(lInterface))
        return lErrorInvalid;
    return pstHandle->pstRecord->bPresent ? 0 : lErrorGone;
}

int ClVirtualUsbBus::bulkWrite(usb_dev_handle* pclHandle, int lEndpoint, const char* pBytes, int lSize, int lTimeoutMs)
{
    // Only a read writes into the buffer.
    return transfer(pclHandle, lEndpoint, const_cast<char*>(pBytes), lSize, lTimeoutMs, false);
}

int ClVirtualUsbBus::bulkRead(usb_dev_handle* pclHandle, int lEndpoint, char* pBytes, int lSize, int lTimeoutMs)
{
    return transfer(pclHandle, lEndpoint, pBytes, lSize, lTimeoutMs, true);
}

int ClVirtualUsbBus::transfer(usb_dev_handle* pclHandle, int lEndpoint, char* pBytes, int lSize, int lTimeoutMs,
                              bool bRead)
{
    ClVirtualUsbDevice* pclDevice = nullptr;
    bool bImmediate = false;
    {
        QMutexLocker clLocker(&m_clLock);
        Handle* pstHandle = handleOf(pclHandle);
        if (!pstHandle)
            return lErrorBadHandle;
        if (!pstHandle->pstRecord->bPresent)
            return lErrorGone;
        pclDevice = pstHandle->pstRecord->pclDevice;
        const bool bIn = (lEndpoint & USB_ENDPOINT_DIR_MASK) != 0;
        if (bIn != bRead || !pclDevice->shape().hasEndpoint(quint8(lEndpoint)) || lSize < 0 || (lSize > 0 && !pBytes))
            return lErrorInvalid;
        bImmediate = m_bImmediateTimeouts;
        if (lTimeoutMs <= 0)
            ++m_lUnboundedWaits;
    }
    // The device is owned by the bus, so it outlives the transfer even when it is pulled out.
    if (const int lDelayMs = pclDevice->transferDelay())
        QThread::msleep(ulong(lDelayMs));

    int lResult = 0;
    const auto eDirection = bRead ? ClVirtualUsbDevice::Direction::Read : ClVirtualUsbDevice::Direction::Write;
    switch (pclDevice->takeFault(eDirection, lEndpoint, &lResult)) {
    case ClVirtualUsbDevice::Action::Unplug:
        unplug(pclDevice);
        return lErrorGone;
    case ClVirtualUsbDevice::Action::Result:
        return lResult;
    case ClVirtualUsbDevice::Action::Proceed:
        break;
    }
    if (!pclDevice->isPlugged())
        return lErrorGone;
    if (!bRead) {
        pclDevice->handleWrite(lEndpoint, QByteArray(pBytes, lSize));
        return lSize;
    }
    pclDevice->handleRead(lEndpoint);
    return pclDevice->takeResponse(pBytes, lSize, lTimeoutMs, bImmediate);
}

int ClVirtualUsbBus::close(usb_dev_handle* pclHandle)
{
    ClVirtualUsbDevice* pclDevice = nullptr;
    {
        QMutexLocker clLocker(&m_clLock);
        Handle* pstHandle = handleOf(pclHandle);
        if (!pstHandle)
            return lErrorBadHandle;
        pclDevice = pstHandle->pstRecord->pclDevice;
        m_lstHandles.remove_if(
            [pstHandle](const std::unique_ptr<Handle>& upHandle) { return upHandle.get() == pstHandle; });
        pclDevice->noteHandle(-1);
    }
    pclDevice->handleClose();
    return 0;
}

void ClVirtualUsbBus::setDebug(int) {}

ClUsbChangeNotifier* ClVirtualUsbBus::createChangeNotifier()
{
    return new ClVirtualBusNotifier(this);
}
