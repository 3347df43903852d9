#pragma once
// The USB worker: finds cameras on the bus, follows them being plugged in and pulled out,
// owns one ClUsbController per camera and executes command envelopes one at a time,
// answering each with a reply envelope. Cameras are announced after a settling delay and
// a name query that tells their model, and their departure exactly once.
//
// Threads: a plain object that lives on the thread ClUsbService runs for it; everything
// but the constructor runs there (the functions check it), so the list of cameras has one
// owner and no exchange needs a lock. Device-change notices only ask it to scan.
// Packet trace: QT_LOGGING_RULES="tovu.usb.packets.debug=true" prints every transfer in hex.
#include "ClExchangeDeadline.h"
#include "protocol/PvCmd.h"

#include <QHash>
#include <QList>
#include <QObject>

#include <memory>
#include <vector>

struct ClCommandEntry;
class ClTovuCommand;
class ClUsbApi;
class ClUsbChangeNotifier;
class ClUsbController;

class ClUsbManager : public QObject
{
    Q_OBJECT

public:
    // The api must outlive the worker.
    explicit ClUsbManager(ClUsbApi& clApi, QObject* pclParent = nullptr);
    // Closes every camera without announcing its removal.
    ~ClUsbManager() override;

    // Accepts cameras of these identities (vendor in the low 16 bits, product in the high
    // 16 bits), starts watching the bus and scans it. True when a bus was found (also when
    // already initialised).
    bool init(const QList<quint32>& lstIdentities);

    // Every response wait is at least this long.
    void setResponseTimeout(int lTimeoutMs);
    // How long a newly opened camera settles before it is asked its name.
    void setSettleDelay(int lDelayMs);
    // The time each exchange is given in all; the defaults are the tool's.
    void setExchangeAllowance(const ClExchangeDeadline::Allowance& stAllowance);

    static constexpr int lDefaultResponseTimeoutMs = 1000;
    static constexpr int lDefaultSettleDelayMs = 3000;
    static constexpr int lRawReadTimeoutMs = 1000;
    // While a camera on the bus cannot be used, the bus is scanned this often: what
    // makes it usable (another program letting go, udevadm trigger) need not be a
    // change udev reports.
    static constexpr int lUnusableRetryMs = 2000;

Q_SIGNALS:
    void sigSendCommand(PV_CMD clCommand);

public Q_SLOTS:
    void slotReceiveCommand(PV_CMD clCommand);

private:
    enum class Answer { Reply, Announce };

    void assertOnWorkerThread() const;
    void scan();
    bool isAccepted(const struct usb_device* pstDevice) const;
    ClUsbController* cameraOf(void* pHandle) const;
    void removeCamera(ClUsbController* pclCamera);
    // Tells the window about a camera that could not be opened, once per change.
    void noteUnusable(const ClUsbController& clCamera);
    void askNameWhenSettled(void* pHandle);
    void readRaw(const PV_CMD& clCommand, ClUsbController* pclCamera);
    void runCommand(const ClCommandEntry& stEntry, const PV_CMD& clRequest, ClUsbController* pclCamera, Answer eAnswer);
    void announce(const ClCommandEntry& stEntry, const ClTovuCommand& clCommand, const PV_CMD& clRequest,
                  ClUsbController* pclCamera, quint16 usResult);

    ClUsbApi& m_clApi;
    bool m_bInitialized = false;
    QList<quint32> m_lstIdentities;
    int m_lResponseTimeoutMs = lDefaultResponseTimeoutMs;
    int m_lSettleDelayMs = lDefaultSettleDelayMs;
    ClExchangeDeadline::Allowance m_stAllowance;
    std::unique_ptr<ClUsbChangeNotifier> m_upNotifier;
    // Open cameras in order of discovery.
    std::vector<std::unique_ptr<ClUsbController>> m_vecCameras;
    struct Unusable
    {
        qint32 lReason = 0;
        QStringList lstHolders;
    };
    // Cameras that could not be opened, by device node, with what was last said of them.
    QHash<QString, Unusable> m_hashUnusable;
    bool m_bRetryPending = false;
};
