#pragma once
// The time one camera exchange may take in all, whatever the camera does: a fixed
// allowance for its request and response, and a share that follows what the camera
// announced (a block's bytes at a floor throughput, a list's packets at an allowance
// each). Every wait inside the exchange is cut to the time left, so a camera that keeps
// sending just enough to keep each read alive cannot keep the worker past it.
#include <QElapsedTimer>
#include <QtGlobal>

class ClExchangeDeadline
{
public:
    struct Allowance
    {
        // The writes and three full response waits at the window's 5000 ms (16 s), with
        // room for slow packets of a list and the parts of a block.
        int lFixedMs = 30000;
        // Far below USB 2.0 (a 16 MiB block goes in well under 2 s there): a 64 MiB
        // block is given about four minutes more, never years.
        quint32 ulFloorBytesPerSecond = 256 * 1024;
        // A camera sends its list packets back to back; the 512 of 256 access points get
        // about 51 s more, never the 25 minutes foreign packets could stretch them to.
        int lPacketMs = 100;
    };

    // Starts the clock.
    explicit ClExchangeDeadline(const Allowance& stAllowance);

    // The camera announced a block of this many bytes, or a list of this many packets.
    void addBytes(quint64 ullBytes);
    void addPackets(quint64 ullPackets);

    // Everything granted so far, from the start.
    qint64 budgetMs() const { return m_llBudgetMs; }
    bool hasExpired() const { return remainingMs() <= 0; }
    qint64 remainingMs() const { return m_llBudgetMs - m_clSince.elapsed(); }
    // lTimeoutMs cut to the time left, but at least 1 ms: libusb waits forever on 0.
    int cap(int lTimeoutMs) const;

private:
    Allowance m_stAllowance;
    QElapsedTimer m_clSince;
    qint64 m_llBudgetMs = 0;
};
