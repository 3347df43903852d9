#pragma once
// Watches udev for USB devices coming and going. Where no udev monitor can be opened
// (containers, systems without udev) it falls back to asking for a rescan every two seconds.
#include "ClUsbChangeNotifier.h"

class QSocketNotifier;
class QTimer;
struct udev;
struct udev_monitor;

class ClUdevChangeNotifier : public ClUsbChangeNotifier
{
    Q_OBJECT

public:
    explicit ClUdevChangeNotifier(QObject* pclParent = nullptr);
    ~ClUdevChangeNotifier() override;

    void start() override;

    bool isPolling() const { return m_pclPollTimer != nullptr; }
    // Interval of the fallback rescan; takes effect at start().
    void setPollInterval(int lIntervalMs) { m_lPollIntervalMs = lIntervalMs; }
    int pollInterval() const { return m_lPollIntervalMs; }

    static constexpr int lDefaultPollIntervalMs = 2000;

protected:
    // The readable descriptor of the monitor, or -1 when there is none.
    virtual int openMonitor();
    // Consumes what made the descriptor readable.
    virtual void drainMonitor();
    virtual void closeMonitor();

private:
    void onActivated();

    struct udev* m_pstUdev = nullptr;
    struct udev_monitor* m_pstMonitor = nullptr;
    QSocketNotifier* m_pclSocketNotifier = nullptr;
    QTimer* m_pclPollTimer = nullptr;
    int m_lPollIntervalMs = lDefaultPollIntervalMs;
};
