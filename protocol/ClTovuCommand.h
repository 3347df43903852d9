#pragma once
// One camera command as the worker exchanges it: the 32-byte little-endian request
// packet and the fields of the camera's response.
#include <QByteArray>
#include <QtGlobal>

#include "PvCmd.h"

class ClTovuCommand
{
public:
    ClTovuCommand();
    ClTovuCommand(quint16 usCode, quint32 ulParam1 = 0, quint32 ulParam2 = 0, quint32 ulParam3 = 0,
                  quint32 ulParam4 = 0, quint32 ulParam5 = 0, quint16 usSequence = 0, quint16 usType = 0,
                  quint32 ulSize = 32);
    explicit ClTovuCommand(const QByteArray& clBytes);
    virtual ~ClTovuCommand();

    virtual void fromByteArray(const QByteArray& clBytes);
    virtual QByteArray toByteArray() const;
    virtual quint16 code() const;
    virtual bool isOn(quint32 ulValue) const;
    virtual quint32 onOffValue(bool bOn) const;
    // Writes the values of a successful exchange into the value reply, from "PARAM2" on.
    // Returns 0, or a result code when the values cannot be given (the worker then
    // answers with a result reply). Commands without values write nothing.
    virtual quint16 writeReply(PV_CMD& clReply) const;

    quint16 type() const { return usType; }
    quint16 sequence() const { return usSequence; }
    quint32 size() const { return ulSize; }
    quint32 param1() const { return ulParam1; }
    quint32 param2() const { return ulParam2; }
    quint32 param3() const { return ulParam3; }
    quint32 param4() const { return ulParam4; }
    quint32 param5() const { return ulParam5; }

    // Switch values on the wire: 2 on, 1 off, 0 not set.
    static constexpr quint32 ulSwitchOn = 2;
    static constexpr quint32 ulSwitchOff = 1;
    static constexpr int lPacketSize = 32;
    static constexpr int lHeadSize = 12;

    // A fresh sequence number, never 0 and never the one handed out just before.
    static quint16 newSequence();

protected:
    quint16 usType = 0;
    quint16 usSequence = 0;
    quint32 ulSize = lPacketSize;
    quint16 usCode = 0;
    quint32 ulParam1 = 0;
    quint32 ulParam2 = 0;
    quint32 ulParam3 = 0;
    quint32 ulParam4 = 0;
    quint32 ulParam5 = 0;
};
