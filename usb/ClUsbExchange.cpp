#include "ClUsbExchange.h"

#include "ClUsbController.h"
#include "ClUsbLog.h"
#include "protocol/ClPacketListCommand.h"
#include "protocol/ClReceiveDataCommand.h"
#include "protocol/ClResultCode.h"
#include "protocol/ClSendBlockCommand.h"

#include <QElapsedTimer>

ClUsbExchange::ClUsbExchange(ClUsbController& clCamera, int lResponseTimeoutMs,
                             const ClExchangeDeadline::Allowance& stAllowance)
    : m_clCamera(clCamera),
      m_lResponseTimeoutMs(lResponseTimeoutMs),
      m_stAllowance(stAllowance),
      m_clDeadline(stAllowance)
{}

quint16 ClUsbExchange::run(ClExchange eExchange, ClTovuCommand& clCommand)
{
    m_clDeadline = ClExchangeDeadline(m_stAllowance);
    const quint16 usResult = runSteps(eExchange, clCommand);
    if (usResult == usPastDeadline && m_clDeadline.hasExpired())
        qCWarning(lcTovuUsb) << "exchange of sequence" << clCommand.sequence() << "ended at its deadline of"
                             << m_clDeadline.budgetMs() << "ms";
    return usResult;
}

quint16 ClUsbExchange::runSteps(ClExchange eExchange, ClTovuCommand& clCommand)
{
    switch (eExchange) {
    case ClExchange::Plain:
        return request(clCommand, waitAtLeast(0));
    case ClExchange::SendData: {
        const auto* pclSend = dynamic_cast<const ClSendBlockCommand*>(&clCommand);
        // An empty block gives an empty data packet: nothing is sent at all then.
        const QByteArray clDataPacket = pclSend ? pclSend->dataPacket().toByteArray() : QByteArray();
        if (clDataPacket.isEmpty())
            return ClResultCode::usNothingToSend;
        m_clDeadline.addBytes(quint64(clDataPacket.size()));
        return request(clCommand, waitAtLeast(0), clDataPacket);
    }
    case ClExchange::ReceiveData: {
        auto* pclReceive = dynamic_cast<ClReceiveDataCommand*>(&clCommand);
        if (!pclReceive)
            return ClResultCode::usNothingToSend;
        if (const quint16 usResult = request(clCommand, waitAtLeast(lDataRequestTimeoutMs)))
            return usResult;
        return collectBlock(*pclReceive);
    }
    case ClExchange::WifiInfo:
    case ClExchange::AccesspointList:
    case ClExchange::ScheduleList: {
        auto* pclList = dynamic_cast<ClPacketListCommand*>(&clCommand);
        if (!pclList)
            return ClResultCode::usNothingToSend;
        // The schedule's entries are its answer; the other two answer first with a count.
        quint16 usResult = ClResultCode::usSuccess;
        if (eExchange == ClExchange::ScheduleList)
            usResult = send(clCommand);
        else
            usResult = request(clCommand, waitAtLeast(eExchange == ClExchange::WifiInfo ? lDataRequestTimeoutMs : 0));
        if (usResult != ClResultCode::usSuccess)
            return usResult;
        if (eExchange == ClExchange::AccesspointList && clCommand.param1() > ulMaxAccessPoints) {
            qCWarning(lcTovuUsb) << "refused a list of" << clCommand.param1() << "access points";
            return ClResultCode::usDataMismatch;
        }
        m_clDeadline.addPackets(pclList->packetCount());
        return readPackets(*pclList);
    }
    }
    return ClResultCode::usNothingToSend;
}

quint16 ClUsbExchange::write(const QByteArray& clPacket)
{
    if (m_clDeadline.hasExpired())
        return usPastDeadline;
    const int lWritten = m_clCamera.bulkWrite(clPacket, m_clDeadline.cap(lWriteTimeoutMs));
    // A block of 0xEF00 bytes or more that went out whole is not mistaken for a failure.
    if (lWritten == clPacket.size())
        return ClResultCode::usSuccess;
    if (ClResultCode::isTransportCode(quint32(lWritten)))
        return quint16(lWritten);
    // Part of the packet (or none of it) went out: the camera cannot answer what it never
    // received, so waiting for its response would only waste three read time-outs.
    qCWarning(lcTovuUsb) << "wrote" << lWritten << "of" << clPacket.size() << "bytes";
    return ClResultCode::usTransferFailed;
}

quint16 ClUsbExchange::send(const ClTovuCommand& clCommand, const QByteArray& clDataPacket)
{
    const QByteArray clPacket = clCommand.toByteArray();
    if (clPacket.isEmpty())
        return ClResultCode::usNothingToSend;
    if (const quint16 usWritten = write(clPacket))
        return usWritten;
    if (clDataPacket.isEmpty())
        return ClResultCode::usSuccess;
    return write(clDataPacket);
}

quint16 ClUsbExchange::request(ClTovuCommand& clCommand, int lTimeoutMs, const QByteArray& clDataPacket)
{
    if (const quint16 usSent = send(clCommand, clDataPacket))
        return usSent;
    return readResponse(clCommand, lTimeoutMs);
}

QByteArray ClUsbExchange::readOne(int lTimeoutMs, quint16* pusError)
{
    unsigned short usError = ClResultCode::usTransferFailed;
    QByteArray clResponse;
    for (int i = 0; i < lReadAttempts && clResponse.isEmpty(); ++i) {
        if (m_clDeadline.hasExpired()) {
            usError = usPastDeadline;
            break;
        }
        clResponse = m_clCamera.bulkRead(m_clDeadline.cap(lTimeoutMs), 0xFF, &usError);
        // A camera that is gone stays gone: no point in asking again.
        if (clResponse.isEmpty() && usError == ClResultCode::usNoCamera)
            break;
    }
    *pusError = usError;
    return clResponse;
}

quint16 ClUsbExchange::readResponse(ClTovuCommand& clCommand, int lTimeoutMs)
{
    QElapsedTimer clSince;
    clSince.start();
    const qint64 llPatienceMs = qint64(lReadAttempts) * lTimeoutMs;
    int lForeign = 0;
    for (;;) {
        quint16 usError = ClResultCode::usTransferFailed;
        const QByteArray clResponse = readOne(lTimeoutMs, &usError);
        if (clResponse.isEmpty())
            return usError;
        const ClTovuCommand clHead(clResponse);
        if (clHead.sequence() == clCommand.sequence()) {
            clCommand.fromByteArray(clResponse);
            return clCommand.code();
        }
        ++lForeign;
        qCDebug(lcTovuUsb) << "skipped a response of sequence" << clHead.sequence() << "while waiting for"
                           << clCommand.sequence();
        if (lForeign >= lMaxForeignPackets || clSince.elapsed() >= llPatienceMs) {
            qCWarning(lcTovuUsb) << "no response of sequence" << clCommand.sequence() << "among" << lForeign
                                 << "others";
            return ClResultCode::usTransferFailed;
        }
    }
}

quint16 ClUsbExchange::collectBlock(ClReceiveDataCommand& clCommand)
{
    const quint32 ulExpected = clCommand.expectedSize();
    // The length is the camera's word only; a lie must not make the tool collect without end.
    if (ulExpected > ulMaxDataBlock) {
        qCWarning(lcTovuUsb) << "refused a data block of" << ulExpected << "bytes";
        return ClResultCode::usDataMismatch;
    }
    m_clDeadline.addBytes(ulExpected);
    ClTovuCommandDataReceive clData(clCommand.sequence(), ulExpected);
    for (;;) {
        // A read that brings nothing before the block is whole, or the deadline reached
        // first, ends the collection as a failure: a cut block is never handed on as if
        // it were complete.
        if (m_clDeadline.hasExpired())
            return usPastDeadline;
        unsigned short usError = ClResultCode::usTransferFailed;
        const QByteArray clTransfer = m_clCamera.bulkRead(m_clDeadline.cap(lPacketTimeoutMs), 0xFF, &usError);
        if (clTransfer.isEmpty())
            return usError;
        if (const quint16 usResult = clData.addTransfer(clTransfer))
            return usResult;
        if (clData.isComplete()) {
            clCommand.setReceivedData(clData.data());
            return ClResultCode::usSuccess;
        }
    }
}

quint16 ClUsbExchange::readPackets(ClPacketListCommand& clCommand)
{
    QElapsedTimer clSinceTaken;
    clSinceTaken.start();
    const qint64 llPatienceMs = qint64(lReadAttempts) * lPacketTimeoutMs;
    int lForeign = 0;
    while (!clCommand.isComplete()) {
        quint16 usError = ClResultCode::usTransferFailed;
        const QByteArray clPacket = readOne(lPacketTimeoutMs, &usError);
        if (clPacket.isEmpty())
            return usError;
        if (clCommand.addPacket(clPacket)) {
            lForeign = 0;
            clSinceTaken.restart();
            continue;
        }
        if (++lForeign >= lMaxForeignPackets || clSinceTaken.elapsed() >= llPatienceMs) {
            qCWarning(lcTovuUsb) << "no usable packet of sequence" << clCommand.sequence() << "among" << lForeign
                                 << "others";
            return ClResultCode::usTransferFailed;
        }
    }
    return ClResultCode::usSuccess;
}
