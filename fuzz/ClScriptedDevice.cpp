#include "ClScriptedDevice.h"

#include "usb/ClUsbController.h"

namespace {
constexpr quint16 usTimeOutBit = 0x4000;
constexpr quint16 usAsIsBit = 0x8000;
constexpr quint16 usLengthMask = 0x07FF;
}  // namespace

ClScriptedDevice::ClScriptedDevice() : ClVirtualUsbDevice(ClVirtualUsbShape::standardCamera()) {}

ClScriptedDevice::~ClScriptedDevice() = default;

void ClScriptedDevice::setScript(const QByteArray& clScript)
{
    clearResponses();
    m_dqSteps.clear();
    qsizetype lAt = 0;
    while (lAt + 2 <= clScript.size()) {
        const quint16 usHead = quint16(quint8(clScript.at(lAt)) | (quint8(clScript.at(lAt + 1)) << 8));
        lAt += 2;
        const qsizetype lLength = qMin<qsizetype>(usHead & usLengthMask, ClUsbController::lMaxReadSize);
        Step stStep;
        stStep.bTimeOut = (usHead & usTimeOutBit) != 0;
        stStep.bStamp = (usHead & usAsIsBit) == 0;
        if (!stStep.bTimeOut) {
            stStep.clBytes = clScript.mid(lAt, lLength);
            lAt += stStep.clBytes.size();
        }
        m_dqSteps.push_back(stStep);
    }
}

QByteArray ClScriptedDevice::record(const QByteArray& clTransfer, bool bStampSequence)
{
    const quint16 usHead = quint16(clTransfer.size() & usLengthMask) | (bStampSequence ? 0 : usAsIsBit);
    return QByteArray(1, char(usHead & 0xFF)) + char(usHead >> 8) + clTransfer.left(usLengthMask);
}

QByteArray ClScriptedDevice::timeOutRecord()
{
    return QByteArray(1, '\0') + char(usTimeOutBit >> 8);
}

void ClScriptedDevice::handleWrite(int, const QByteArray& clData)
{
    if (clData.size() >= 4) {
        m_acSequence[0] = clData.at(2);
        m_acSequence[1] = clData.at(3);
    }
}

void ClScriptedDevice::handleRead(int)
{
    if (m_dqSteps.empty())
        return;
    Step stStep = m_dqSteps.front();
    m_dqSteps.pop_front();
    if (stStep.bTimeOut)
        return;
    if (stStep.bStamp && stStep.clBytes.size() >= 4) {
        stStep.clBytes[2] = m_acSequence[0];
        stStep.clBytes[3] = m_acSequence[1];
    }
    queueResponse(stStep.clBytes);
}
