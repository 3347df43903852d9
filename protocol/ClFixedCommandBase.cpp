#include "ClFixedCommandBase.h"

#include "ClEnvelopeArgs.h"

ClFixedCommandBase::ClFixedCommandBase(quint16 usCode_, const ClFixedLayout& stLayout_, const PV_CMD& clRequest)
    : ClTovuCommand(usCode_), stLayout(stLayout_)
{
    quint32* apulParams[] = {&ulParam1, &ulParam2, &ulParam3, &ulParam4, &ulParam5};
    for (int i = 0; i < 5; ++i)
        *apulParams[i] = argument(stLayout.aeArgs[i], clRequest, i + 2);
}

quint32 ClFixedCommandBase::argument(ClArg eArg, const PV_CMD& clRequest, int lIndex) const
{
    switch (eArg) {
    case ClArg::Unused:
        return 0;
    case ClArg::Number:
        return ClEnvelopeArgs::number(clRequest, lIndex);
    case ClArg::Switch:
        return onOffValue(ClEnvelopeArgs::flag(clRequest, lIndex));
    case ClArg::NonZeroSwitch:
        return onOffValue(ClEnvelopeArgs::number(clRequest, lIndex) != 0);
    }
    return 0;
}

quint16 ClFixedCommandBase::writeReply(PV_CMD& clReply) const
{
    const quint32 aulParams[] = {ulParam1, ulParam2, ulParam3, ulParam4, ulParam5};
    int lKey = 2;
    for (int i = 0; i < 5; ++i) {
        const quint32 ulParam = aulParams[i];
        switch (stLayout.aeValues[i]) {
        case ClValue::Unused:
            continue;
        case ClValue::UInt:
            clReply.insert(ClEnvelopeArgs::key(lKey), uint(ulParam));
            break;
        case ClValue::Int:
            clReply.insert(ClEnvelopeArgs::key(lKey), int(ulParam));
            break;
        case ClValue::Bool:
            clReply.insert(ClEnvelopeArgs::key(lKey), isOn(ulParam));
            break;
        case ClValue::WideUInt: {
            const quint32 ulLow = i + 1 < 5 ? aulParams[i + 1] : 0;
            clReply.insert(ClEnvelopeArgs::key(lKey), qulonglong(ulParam) << 32 | ulLow);
            break;
        }
        }
        ++lKey;
    }
    return 0;
}
