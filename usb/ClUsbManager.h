#pragma once
// The USB worker: finds cameras on the bus, follows them being plugged in and pulled out,
// owns one ClUsbController per camera and executes command envelopes one at a time on its
// own thread, answering each with a reply envelope. Cameras are announced after a settling
// delay and a name query that tells their model, and their departure exactly once.
//
// Threads: the object lives on the thread it runs. Envelopes arrive through
// slotReceiveCommand (queued from the GUI thread) and replies leave through sigSendCommand.
// Device-change notices only ask the worker to scan, so the list of cameras has one owner.
// Packet trace: QT_LOGGING_RULES="tovu.usb.packets.debug=true" prints every transfer in hex.
#include "ClUsbExchange.h"
#include "protocol/PvCmd.h"

#include <QList>
#include <QMap>
#include <QThread>

#include <atomic>

struct ClCommandEntry;
class ClPacketListCommand;
class ClTovuCommandDataReceive;
class ClTovuCommandDataSend;
class ClUsbApi;
class ClUsbChangeNotifier;
class ClUsbController;
class QTimer;

class ClUsbManager : public QThread
{
    Q_OBJECT

public:
    // pclApi null: the real libusb, owned by the worker. A given api must outlive it.
    explicit ClUsbManager(QObject* pclParent = nullptr, ClUsbApi* pclApi = nullptr);
    // Stops the thread (after the exchange under way), closes every camera without
    // announcing its removal; no reply leaves once this has begun.
    ~ClUsbManager() override;

    // Accepts cameras of these identities (vendor in the low 16 bits, product in the high
    // 16 bits), starts watching the bus and scans it. True when a bus was found (also when
    // already initialised). Waits for the worker thread to do it.
    bool init(QList<quint32> lstIdentities);

    void setResponseTimeout(int lTimeoutMs);
    int responseTimeout() const;
    // How long a newly opened camera settles before it is asked its name.
    void setSettleDelay(int lDelayMs) { m_lSettleDelayMs = lDelayMs; }
    int settleDelay() const { return m_lSettleDelayMs; }

    // The exchanges; worker thread only. A camera unknown to the worker gives 0xEF00
    // (0xEF01 for the three list exchanges).
    quint16 execute(ClTovuCommand& clCommand, ClUsbController* pclCamera, int lTimeoutMs);
    quint16 sendData(ClTovuCommand& clCommand, ClTovuCommandDataSend& clData, ClUsbController* pclCamera);
    quint16 receiveData(ClTovuCommand& clCommand, ClTovuCommandDataReceive& clData, ClUsbController* pclCamera);
    quint16 wifiInfo(ClPacketListCommand& clCommand, ClUsbController* pclCamera);
    quint16 accesspointList(ClPacketListCommand& clCommand, ClUsbController* pclCamera);
    quint16 scheduleList(ClPacketListCommand& clCommand, ClUsbController* pclCamera);

    // The open cameras in order of discovery; worker thread only.
    QList<ClUsbController*> controllers() const { return m_lstControllers; }

    static constexpr int lDefaultResponseTimeoutMs = 1000;
    static constexpr int lDefaultSettleDelayMs = 3000;
    static constexpr int lRawReadTimeoutMs = 1000;

Q_SIGNALS:
    void sigSendCommand(PV_CMD clCommand);

public Q_SLOTS:
    void slotRemoveController(ClUsbController* pclCamera);
    void slotReceiveCommand(PV_CMD clCommand);
    void slotConnectWaitEnd();

protected:
    void run() override;

private:
    bool initOnWorker(const QList<quint32>& lstIdentities);
    void scan();
    bool isAccepted(const struct usb_device* pstDevice) const;
    ClUsbController* controllerOf(const QVariant& clHandle) const;
    void readRaw(const PV_CMD& clCommand);
    void runCommand(const ClCommandEntry& stEntry, const PV_CMD& clCommand, ClUsbController* pclCamera);
    quint16 exchange(const ClCommandEntry& stEntry, ClTovuCommand& clCommand, ClUsbController* pclCamera);
    void announce(const ClCommandEntry& stEntry, const ClTovuCommand& clCommand, const PV_CMD& clRequest,
                  ClUsbController* pclCamera, quint16 usResult);
    void reply(const PV_CMD& clReply);
    void replyResult(const QUuid& uuidKind, const QVariant& clHandle, quint16 usResult);
    void shutDownOnWorker();

    std::atomic<bool> m_bInitialized{false};
    QList<quint32> m_lstIdentities;
    std::atomic<bool> m_bClosing{false};
    bool m_bNameQueryPending = false;
    std::atomic<int> m_lSettleDelayMs{lDefaultSettleDelayMs};
    ClUsbApi* m_pclApi = nullptr;
    ClUsbApi* m_pclOwnedApi = nullptr;
    ClUsbChangeNotifier* m_pclNotifier = nullptr;
    QList<ClUsbController*> m_lstControllers;
    QMap<QTimer*, ClUsbController*> m_mapSettleTimers;
    ClUsbExchange m_clExchange;
};
