#pragma once
// Watches udev for USB devices coming and going. Where no udev daemon runs (containers,
// minimal systems: a monitor opens there but hears nothing) or no monitor can be opened,
// it falls back to asking for a rescan every two seconds.
#include "ClUsbChangeNotifier.h"

#include <QString>

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

    // Where a running udev daemon keeps its control socket; tests point it elsewhere.
    void setUdevControlPath(const QString& strPath) { m_strControlPath = strPath; }

    static constexpr int lDefaultPollIntervalMs = 2000;

protected:
    // Whether a udev daemon is there to pass the kernel's notices on.
    virtual bool isUdevRunning() const;
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
    QString m_strControlPath = QStringLiteral("/run/udev/control");
};
