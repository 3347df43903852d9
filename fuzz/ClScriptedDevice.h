#pragma once
// A camera on the virtual bus that answers whatever is asked with a script of transfers,
// one per read: the fuzz input of the exchange target. Each record is a 16-bit
// little-endian head and that many bytes (at most the controller's largest read):
//   bits 0-10  the length;
//   bit 14     the read finds nothing (a time-out), the bytes are not used;
//   bit 15     the bytes are sent as they are; without it bytes 2-3 (the sequence) are
//              those of the request last written, so that a script can answer any request.
#include "virtualcamera/ClVirtualUsbDevice.h"

#include <deque>

class ClScriptedDevice : public ClVirtualUsbDevice
{
    Q_OBJECT

public:
    ClScriptedDevice();
    ~ClScriptedDevice() override;

    void setScript(const QByteArray& clScript);

    // Records the way the script reads them, for writing seeds.
    static QByteArray record(const QByteArray& clTransfer, bool bStampSequence);
    static QByteArray timeOutRecord();

protected:
    void handleWrite(int lEndpoint, const QByteArray& clData) override;
    void handleRead(int lEndpoint) override;

private:
    struct Step
    {
        QByteArray clBytes;
        bool bTimeOut = false;
        bool bStamp = true;
    };

    std::deque<Step> m_dqSteps;
    char m_acSequence[2] = {0, 0};
};
