#include "ClUsbExchange.h"

#include "protocol/ClPacketListCommand.h"
#include "protocol/ClResultCode.h"
#include "protocol/ClTovuCommandDataReceive.h"
#include "protocol/ClTovuCommandDataSend.h"
#include "ClUsbController.h"
#include "ClUsbLog.h"

#include <QElapsedTimer>

ClUsbExchange::ClUsbExchange() = default;

quint16 ClUsbExchange::writePacket(ClUsbController* pclCamera, const QByteArray& clPacket)
{
    const int lWritten = pclCamera->bulkWrite(clPacket, lWriteTimeoutMs);
    // A block of 0xEF00 bytes or more that went out whole is not mistaken for a failure.
    if (lWritten == clPacket.size())
        return ClResultCode::usSuccess;
    if (lWritten == 0 || ClResultCode::isTransportCode(quint32(lWritten)))
        return quint16(lWritten);
    return ClResultCode::usSuccess;
}

QByteArray ClUsbExchange::readOne(ClUsbController* pclCamera, int lTimeoutMs, quint16* pusError)
{
    unsigned short usError = ClResultCode::usTransferFailed;
    QByteArray clResponse;
    for (int i = 0; i < lReadAttempts && clResponse.isEmpty(); ++i) {
        clResponse = pclCamera->bulkRead(lTimeoutMs, 0xFF, &usError);
        // A camera that is gone stays gone: no point in asking again.
        if (clResponse.isEmpty() && usError == ClResultCode::usNoCamera)
            break;
    }
    *pusError = usError;
    return clResponse;
}

quint16 ClUsbExchange::readResponse(ClTovuCommand& clCommand, ClUsbController* pclCamera, int lTimeoutMs)
{
    QElapsedTimer clSince;
    clSince.start();
    const qint64 llPatienceMs = qint64(lReadAttempts) * lTimeoutMs;
    int lForeign = 0;
    for (;;) {
        quint16 usError = ClResultCode::usTransferFailed;
        const QByteArray clResponse = readOne(pclCamera, lTimeoutMs, &usError);
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

quint16 ClUsbExchange::execute(ClTovuCommand& clCommand, ClUsbController* pclCamera, int lTimeoutMs)
{
    const int lWaitMs = qMax(lTimeoutMs, responseTimeout());
    QMutexLocker clLocker(&m_clLock);
    const QByteArray clPacket = clCommand.toByteArray();
    if (clPacket.isEmpty())
        return ClResultCode::usNothingToSend;
    if (const quint16 usWritten = writePacket(pclCamera, clPacket))
        return usWritten;
    return readResponse(clCommand, pclCamera, lWaitMs);
}

quint16 ClUsbExchange::sendData(ClTovuCommand& clCommand, ClTovuCommandDataSend& clData, ClUsbController* pclCamera)
{
    const QByteArray clDataPacket = clData.toByteArray();
    if (clDataPacket.isEmpty())
        return ClResultCode::usNothingToSend;
    QMutexLocker clLocker(&m_clLock);
    const QByteArray clPacket = clCommand.toByteArray();
    if (clPacket.isEmpty())
        return ClResultCode::usNothingToSend;
    if (const quint16 usWritten = writePacket(pclCamera, clPacket))
        return usWritten;
    if (const quint16 usWritten = writePacket(pclCamera, clDataPacket))
        return usWritten;
    return readResponse(clCommand, pclCamera, responseTimeout());
}

quint16 ClUsbExchange::receiveData(ClTovuCommand& clCommand, ClTovuCommandDataReceive& clData,
                                   ClUsbController* pclCamera)
{
    if (const quint16 usResult = execute(clCommand, pclCamera, lDataRequestTimeoutMs))
        return usResult;
    QMutexLocker clLocker(&m_clLock);
    const quint32 ulExpected = clCommand.param1();
    // The length is the camera's word only; a lie must not make the tool collect without end.
    if (ulExpected > ulMaxDataBlock) {
        qCWarning(lcTovuUsb) << "refused a data block of" << ulExpected << "bytes";
        return ClResultCode::usDataMismatch;
    }
    clData = ClTovuCommandDataReceive(clCommand.sequence(), ulExpected);
    for (;;) {
        // A read that brings nothing before the block is whole ends the collection as a
        // failure: a cut block is never handed on as if it were complete.
        unsigned short usError = ClResultCode::usTransferFailed;
        const QByteArray clTransfer = pclCamera->bulkRead(lPacketTimeoutMs, 0xFF, &usError);
        if (clTransfer.isEmpty())
            return usError;
        if (const quint16 usResult = clData.addTransfer(clTransfer))
            return usResult;
        if (clData.isComplete())
            return ClResultCode::usSuccess;
    }
}

quint16 ClUsbExchange::readPackets(ClPacketListCommand& clCommand, ClUsbController* pclCamera)
{
    QElapsedTimer clSinceTaken;
    clSinceTaken.start();
    const qint64 llPatienceMs = qint64(lReadAttempts) * lPacketTimeoutMs;
    int lForeign = 0;
    while (!clCommand.isComplete()) {
        quint16 usError = ClResultCode::usTransferFailed;
        const QByteArray clPacket = readOne(pclCamera, lPacketTimeoutMs, &usError);
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

quint16 ClUsbExchange::wifiInfo(ClPacketListCommand& clCommand, ClUsbController* pclCamera)
{
    if (const quint16 usResult = execute(clCommand, pclCamera, lDataRequestTimeoutMs))
        return usResult;
    QMutexLocker clLocker(&m_clLock);
    return readPackets(clCommand, pclCamera);
}

quint16 ClUsbExchange::accesspointList(ClPacketListCommand& clCommand, ClUsbController* pclCamera)
{
    if (const quint16 usResult = execute(clCommand, pclCamera, responseTimeout()))
        return usResult;
    if (clCommand.param1() > ulMaxAccessPoints) {
        qCWarning(lcTovuUsb) << "refused a list of" << clCommand.param1() << "access points";
        return ClResultCode::usDataMismatch;
    }
    QMutexLocker clLocker(&m_clLock);
    return readPackets(clCommand, pclCamera);
}

quint16 ClUsbExchange::scheduleList(ClPacketListCommand& clCommand, ClUsbController* pclCamera)
{
    QMutexLocker clLocker(&m_clLock);
    const QByteArray clPacket = clCommand.toByteArray();
    if (clPacket.isEmpty())
        return ClResultCode::usNothingToSend;
    if (const quint16 usWritten = writePacket(pclCamera, clPacket))
        return usWritten;
    return readPackets(clCommand, pclCamera);
}
