#include "ClVirtualCameraFaults.h"

#include "ClVirtualCameraWire.h"

#include <QtEndian>

void ClVirtualCameraFaults::inject(Fault eFault, int lCount)
{
    if (eFault == Fault::ForeignSequenceForever) {
        m_bForeignForever = true;
        return;
    }
    m_aCounts[int(eFault)] += qMax(0, lCount);
}

void ClVirtualCameraFaults::clear()
{
    for (int& lCount : m_aCounts)
        lCount = 0;
    m_bForeignForever = false;
    m_bDribbling = false;
}

bool ClVirtualCameraFaults::take(Fault eFault)
{
    int& lCount = m_aCounts[int(eFault)];
    if (lCount <= 0)
        return false;
    --lCount;
    return true;
}

QByteArray ClVirtualCameraFaults::foreignPacket(quint16 usSequence)
{
    return ClVirtualCameraWire::plain(quint16(usSequence ^ 0x5A5A), 0);
}

void ClVirtualCameraFaults::apply(ClVirtualCameraReply& stReply)
{
    using Shape = ClVirtualCameraReply::Shape;
    QList<QByteArray>& lstPackets = stReply.lstPackets;
    // A new command ends the block dribbled for the last one.
    m_bDribbling = false;
    if (lstPackets.isEmpty())
        return;
    if (m_bForeignForever) {
        lstPackets.clear();
        return;
    }
    if (take(Fault::Silent)) {
        lstPackets.clear();
        return;
    }
    // A pointer, not a reference: a fault that rebuilds the list moves its first packet.
    QByteArray* pclFirst = &lstPackets.first();
    const quint16 usSequence = ClVirtualCameraWire::readLe16(*pclFirst, 2);

    if (stReply.eShape == Shape::DataCollection && lstPackets.size() >= 2 && take(Fault::LyingDataLength)) {
        qToLittleEndian(ulLyingDataLength, pclFirst->data() + 12);
        qToLittleEndian(ulLyingDataLength, lstPackets[1].data() + 4);
    }
    if (stReply.eShape == Shape::DataCollection && lstPackets.size() >= 2 && take(Fault::DribbledBlock)) {
        qToLittleEndian(ulDribbledLength, pclFirst->data() + 12);
        const QByteArray clHead = ClVirtualCameraWire::dataHead(usSequence, ulDribbledLength, lstPackets[1].mid(12, 1));
        lstPackets = {lstPackets.first(), clHead};
        pclFirst = &lstPackets.first();
        m_bDribbling = true;
    }
    if (stReply.eShape == Shape::AccesspointList && take(Fault::LyingAccesspointCount))
        qToLittleEndian(ulLyingAccesspointCount, pclFirst->data() + 12);
    if (stReply.eShape == Shape::Text && pclFirst->size() >= 16 && take(Fault::LyingTextLength))
        qToLittleEndian(quint32(pclFirst->size() + 1000), pclFirst->data() + 12);
    if (pclFirst->size() >= 10 && take(Fault::Status))
        qToLittleEndian(m_usStatus, pclFirst->data() + 8);
    if (take(Fault::Short))
        pclFirst->truncate(12);
    if (pclFirst->size() > 4 && take(Fault::Garbage)) {
        for (qsizetype i = 4; i < pclFirst->size(); ++i)
            (*pclFirst)[i] = char(m_clRandom.bounded(256));
    }
    if (lstPackets.size() > 1 && take(Fault::ForeignBeforeEachPacket)) {
        QList<QByteArray> lstCrowded {lstPackets.first()};
        for (qsizetype i = 1; i < lstPackets.size(); ++i) {
            for (int j = 0; j < lForeignRun; ++j)
                lstCrowded.append(foreignPacket(usSequence));
            lstCrowded.append(lstPackets.at(i));
        }
        lstPackets = lstCrowded;
    }
    if (take(Fault::ForeignSequenceFirst))
        lstPackets.prepend(foreignPacket(usSequence));
}
