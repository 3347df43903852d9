#include "ClScriptedCamera.h"

#include "ClTovuCommand.h"
#include "ClVirtualEchoDevice.h"

#include <QDataStream>
#include <QIODevice>

ClScriptedCamera::ClScriptedCamera(const QString& strName, QObject* pclParent)
    : ClVirtualUsbDevice(ClVirtualUsbShape::standardCamera(), pclParent), m_strName(strName)
{
}

ClScriptedCamera::~ClScriptedCamera() = default;

void ClScriptedCamera::setName(const QString& strName, quint16 usStatus)
{
    QMutexLocker clLocker(&m_clLock);
    m_strName = strName;
    m_usNameStatus = usStatus;
}

void ClScriptedCamera::setSilent(bool bSilent)
{
    QMutexLocker clLocker(&m_clLock);
    m_bSilent = bSilent;
}

void ClScriptedCamera::setForeignBefore(int lCount)
{
    QMutexLocker clLocker(&m_clLock);
    m_lForeignBefore = lCount;
}

void ClScriptedCamera::setEndlessForeign(bool bEndless)
{
    QMutexLocker clLocker(&m_clLock);
    m_bEndlessForeign = bEndless;
}

void ClScriptedCamera::setResponseParam1(quint32 ulParam1)
{
    QMutexLocker clLocker(&m_clLock);
    m_bParam1Set = true;
    m_ulParam1 = ulParam1;
}

void ClScriptedCamera::setResponder(const Responder& fnResponder)
{
    QMutexLocker clLocker(&m_clLock);
    m_fnResponder = fnResponder;
}

QList<QByteArray> ClScriptedCamera::writes() const
{
    QMutexLocker clLocker(&m_clLock);
    return m_lstWrites;
}

int ClScriptedCamera::requestCount() const
{
    QMutexLocker clLocker(&m_clLock);
    return int(m_lstCodes.size());
}

QList<quint16> ClScriptedCamera::requestCodes() const
{
    QMutexLocker clLocker(&m_clLock);
    return m_lstCodes;
}

QByteArray ClScriptedCamera::packet(quint16 usSequence, quint16 usStatus, quint32 ulParam1, quint32 ulParam2,
                                    quint32 ulParam3, quint32 ulParam4, quint32 ulParam5)
{
    QByteArray clBytes;
    QDataStream clStream(&clBytes, QIODevice::WriteOnly);
    clStream.setByteOrder(QDataStream::LittleEndian);
    clStream << quint16(0) << usSequence << quint32(32) << usStatus << quint16(0) << ulParam1 << ulParam2 << ulParam3
             << ulParam4 << ulParam5;
    return clBytes;
}

QByteArray ClScriptedCamera::textPacket(quint16 usSequence, quint16 usStatus, const QByteArray& clText)
{
    QByteArray clBytes;
    QDataStream clStream(&clBytes, QIODevice::WriteOnly);
    clStream.setByteOrder(QDataStream::LittleEndian);
    clStream << quint16(0) << usSequence << quint32(clText.size() + 28) << usStatus << quint16(0)
             << quint32(clText.size());
    clStream.writeRawData(clText.constData(), int(clText.size()));
    clStream << quint32(0) << quint32(0) << quint32(0);
    return clBytes;
}

void ClScriptedCamera::handleWrite(int, const QByteArray& clData)
{
    const ClTovuCommand clRequest(clData);
    {
        QMutexLocker clLocker(&m_clLock);
        m_lstWrites.append(clData);
    }
    // Data packets (type 2) are part of the command before them and get no answer.
    if (clData.size() < ClTovuCommand::lHeadSize || clRequest.type() == 2)
        return;
    QMutexLocker clLocker(&m_clLock);
    m_lstCodes.append(clRequest.code());
    m_usLastSequence = clRequest.sequence();
    if (m_bSilent)
        return;
    for (int i = 0; i < m_lForeignBefore; ++i)
        queueResponse(packet(quint16(clRequest.sequence() + 1 + i), 0, 0xF0F0));
    if (clRequest.code() == usMachineNameCode) {
        queueResponse(textPacket(clRequest.sequence(), m_usNameStatus, m_strName.toUtf8()));
        return;
    }
    if (m_fnResponder) {
        for (const QByteArray& clPacket : m_fnResponder(clRequest))
            queueResponse(clPacket);
        return;
    }
    QByteArray clResponse = ClVirtualEchoDevice::responseTo(clData.left(32));
    if (m_bParam1Set)
        clResponse = packet(clRequest.sequence(), 0, m_ulParam1);
    queueResponse(clResponse);
}

void ClScriptedCamera::handleRead(int)
{
    QMutexLocker clLocker(&m_clLock);
    if (m_bEndlessForeign && pendingResponses() == 0)
        queueResponse(packet(quint16(m_usLastSequence + 7), 0));
}
