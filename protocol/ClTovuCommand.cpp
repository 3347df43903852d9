#include "ClTovuCommand.h"

#include <QDataStream>
#include <QDateTime>
#include <QIODevice>

#include <atomic>

ClTovuCommand::ClTovuCommand() = default;

ClTovuCommand::ClTovuCommand(quint16 usCode_, quint32 ulParam1_, quint32 ulParam2_, quint32 ulParam3_,
                             quint32 ulParam4_, quint32 ulParam5_, quint16 usSequence_, quint16 usType_,
                             quint32 ulSize_)
    : usType(usType_),
      usSequence(usSequence_ != 0 ? usSequence_ : newSequence()),
      ulSize(ulSize_),
      usCode(usCode_),
      ulParam1(ulParam1_),
      ulParam2(ulParam2_),
      ulParam3(ulParam3_),
      ulParam4(ulParam4_),
      ulParam5(ulParam5_)
{}

ClTovuCommand::ClTovuCommand(const QByteArray& clBytes)
{
    ClTovuCommand::fromByteArray(clBytes);
}

ClTovuCommand::~ClTovuCommand() = default;

quint16 ClTovuCommand::newSequence()
{
    // Counted, so that consecutive commands never share a number and a late answer to one
    // is not taken for the next. Seeded once from the clock, so that a tool started again
    // does not begin where the last one did while the camera may still hold its answer.
    static std::atomic<quint32> s_ulNext {quint32(QDateTime::currentMSecsSinceEpoch())};
    for (;;) {
        const quint16 usSequence = quint16(s_ulNext.fetch_add(1, std::memory_order_relaxed));
        // 0 asks the constructor for a fresh number, so it is never one.
        if (usSequence != 0)
            return usSequence;
    }
}

void ClTovuCommand::fromByteArray(const QByteArray& clBytes)
{
    // QDataStream yields 0 for every field that lies beyond the received bytes.
    QDataStream clStream(clBytes);
    clStream.setByteOrder(QDataStream::LittleEndian);
    quint16 usPad = 0;
    clStream >> usType >> usSequence >> ulSize >> usCode >> usPad >> ulParam1 >> ulParam2 >> ulParam3 >> ulParam4
        >> ulParam5;
}

QByteArray ClTovuCommand::toByteArray() const
{
    QByteArray clBytes;
    QDataStream clStream(&clBytes, QIODevice::WriteOnly);
    clStream.setByteOrder(QDataStream::LittleEndian);
    clStream << usType << usSequence << ulSize << usCode << quint16(0) << ulParam1 << ulParam2 << ulParam3 << ulParam4
             << ulParam5;
    return clBytes;
}

quint16 ClTovuCommand::code() const
{
    return usCode;
}

bool ClTovuCommand::isOn(quint32 ulValue) const
{
    return ulValue == ulSwitchOn;
}

quint32 ClTovuCommand::onOffValue(bool bOn) const
{
    return bOn ? ulSwitchOn : ulSwitchOff;
}

quint16 ClTovuCommand::writeReply(PV_CMD& /*clReply*/) const
{
    return 0;
}
