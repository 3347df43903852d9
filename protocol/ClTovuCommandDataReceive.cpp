#include "ClTovuCommandDataReceive.h"

#include "ClPacketReader.h"
#include "ClResultCode.h"
#include "ProtocolLog.h"

ClTovuCommandDataReceive::ClTovuCommandDataReceive(quint16 usSequence_, quint32 ulExpectedSize_)
    : ulExpectedSize(ulExpectedSize_)
{
    usSequence = usSequence_;
    // The expected size is the camera's word only: nothing is reserved for it.
}

quint16 ClTovuCommandDataReceive::addTransfer(const QByteArray& clTransfer)
{
    if (isComplete())
        return ClResultCode::usSuccess;
    if (bFirstSeen) {
        // Appending stops at completion and the total is bounded by ulMaxBlockSize, so
        // the block never grows past that by more than one transfer.
        clData.append(clTransfer);
        trimToAnnounced();
        return ClResultCode::usSuccess;
    }

    ClPacketReader clReader(clTransfer);
    usType = clReader.readUInt16();
    const quint16 usFirstSequence = clReader.readUInt16();
    const quint32 ulTotal = clReader.readUInt32();
    if (usFirstSequence != usSequence || ulTotal != ulExpectedSize || ulTotal > ulMaxBlockSize) {
        qCWarning(lcProtocol) << "data head does not match: sequence" << usFirstSequence << "of" << usSequence
                              << "total" << ulTotal << "of" << ulExpectedSize;
        return ClResultCode::usDataMismatch;
    }
    ulSize = ulTotal;
    const quint32 ulPart = clReader.readUInt32();
    clData = clReader.readBytes(ulPart);
    bFirstSeen = true;
    trimToAnnounced();
    return ClResultCode::usSuccess;
}

void ClTovuCommandDataReceive::trimToAnnounced()
{
    // What a transfer carries beyond the announced length (a part that claims more than
    // the block, a last transfer that runs on) is not the block's.
    if (quint32(clData.size()) > ulExpectedSize)
        clData.truncate(qsizetype(ulExpectedSize));
}
