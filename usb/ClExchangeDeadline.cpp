#include "ClExchangeDeadline.h"

#include <limits>

namespace {
// Far beyond any exchange, and far from overflowing when added to.
constexpr qint64 llMaxShareMs = qint64(1) << 40;
}  // namespace

ClExchangeDeadline::ClExchangeDeadline(const Allowance& stAllowance)
    : m_stAllowance(stAllowance), m_llBudgetMs(qMax(0, stAllowance.lFixedMs))
{
    m_clSince.start();
}

void ClExchangeDeadline::addBytes(quint64 ullBytes)
{
    const quint64 ullFloor = qMax<quint64>(1, m_stAllowance.ulFloorBytesPerSecond);
    // Rounded up: a block of a few bytes still adds a millisecond.
    const quint64 ullMs = ullBytes / ullFloor * 1000 + (ullBytes % ullFloor * 1000 + ullFloor - 1) / ullFloor;
    m_llBudgetMs += qint64(qMin<quint64>(ullMs, llMaxShareMs));
}

void ClExchangeDeadline::addPackets(quint64 ullPackets)
{
    // Below 2^31 ms per packet and 2^32 packets, the product cannot overflow.
    const quint64 ullPerPacket = quint64(qMax(0, m_stAllowance.lPacketMs));
    const quint64 ullMs = qMin<quint64>(ullPackets, Q_UINT64_C(0xFFFFFFFF)) * ullPerPacket;
    m_llBudgetMs += qint64(qMin<quint64>(ullMs, llMaxShareMs));
}

int ClExchangeDeadline::cap(int lTimeoutMs) const
{
    return int(qBound<qint64>(1, qMin<qint64>(lTimeoutMs, remainingMs()), qint64(std::numeric_limits<int>::max())));
}
