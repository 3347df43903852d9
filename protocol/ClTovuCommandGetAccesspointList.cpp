#include "ClTovuCommandGetAccesspointList.h"

#include <QVariant>

#include "ClEnvelope.h"
#include "ClTovuCommandAccesspointInfo1.h"
#include "ClTovuCommandAccesspointInfo2.h"

ClTovuCommandGetAccesspointList::ClTovuCommandGetAccesspointList(const PV_CMD& /*clRequest*/)
    : ClPacketListCommand(usCommandCode)
{}

bool ClTovuCommandGetAccesspointList::addPacket(const QByteArray& clPacket)
{
    if (isComplete() || !belongsHere(clPacket))
        return false;
    if (ulPackets % 2 == 0) {
        ClTovuCommandAccesspointInfo1 clText;
        clText.fromByteArray(clPacket);
        strFirst = clText.firstText();
        strSecond = clText.secondText();
    } else {
        const ClTovuCommandAccesspointInfo2 clNumbers(clPacket);
        if (clNumbers.param1() == ulPackets / 2 + 1) {
            stAccesspoint stEntry;
            stEntry.strSsid = strFirst;
            stEntry.strSecondText = strSecond;
            stEntry.ulNumber1 = clNumbers.param2();
            stEntry.ulEncryption = clNumbers.param3();
            stEntry.ulNumber3 = clNumbers.param4();
            stEntry.ulSignal = clNumbers.param5();
            lstEntries.append(stEntry);
            strFirst.clear();
            strSecond.clear();
        }
    }
    ++ulPackets;
    return true;
}

quint16 ClTovuCommandGetAccesspointList::writeReply(PV_CMD& clReply) const
{
    clReply.insert(ClEnvelope::keyParam(2), QVariant::fromValue(lstEntries));
    return 0;
}
