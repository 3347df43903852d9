#include "ClTovuCommand.h"

#include <QDateTime>
#include <QtEndian>

#include <atomic>

namespace {
// Little-endian fields read in place: every command is parsed once or twice per exchange,
// and a QDataStream would build a QBuffer (a QObject) each time for 32 bytes.
template <class T> void readField(const QByteArray& clBytes, qsizetype lOffset, T* pValue)
{
    // A field that lies (even in part) beyond the received bytes reads as 0.
    *pValue
        = lOffset + qsizetype(sizeof(T)) <= clBytes.size() ? qFromLittleEndian<T>(clBytes.constData() + lOffset) : T(0);
}
}  // namespace

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
    readField(clBytes, 0, &usType);
    readField(clBytes, 2, &usSequence);
    readField(clBytes, 4, &ulSize);
    readField(clBytes, 8, &usCode);
    // Offsets 10 and 11 are padding.
    readField(clBytes, 12, &ulParam1);
    readField(clBytes, 16, &ulParam2);
    readField(clBytes, 20, &ulParam3);
    readField(clBytes, 24, &ulParam4);
    readField(clBytes, 28, &ulParam5);
}

QByteArray ClTovuCommand::toByteArray() const
{
    QByteArray clBytes(lPacketSize, Qt::Uninitialized);
    char* pBytes = clBytes.data();
    qToLittleEndian(usType, pBytes);
    qToLittleEndian(usSequence, pBytes + 2);
    qToLittleEndian(ulSize, pBytes + 4);
    qToLittleEndian(usCode, pBytes + 8);
    qToLittleEndian(quint16(0), pBytes + 10);
    qToLittleEndian(ulParam1, pBytes + 12);
    qToLittleEndian(ulParam2, pBytes + 16);
    qToLittleEndian(ulParam3, pBytes + 20);
    qToLittleEndian(ulParam4, pBytes + 24);
    qToLittleEndian(ulParam5, pBytes + 28);
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
