#pragma once
// Envelopes as the USB worker sends them back to the window, for tests that play the
// camera's part: a completion of a request (or an error notice about it) and an answer.
#include "protocol/ClCommandCatalogue.h"
#include "protocol/ClCommandKinds.h"
#include "protocol/PvCmd.h"

namespace ReplyTestSupport {
// The camera's completion of a request, or (bTransport) an error notice about it.
inline PV_CMD completion(const char* pszClass, quint16 usCode, bool bTransport = false)
{
    return {{"CMD", bTransport ? ClCommandKinds::transportError() : ClCommandKinds::result()},
            {"PARAM2", ClCommandCatalogue::requestKindOf(pszClass)},
            {"PARAM3", QVariant::fromValue(usCode)}};
}

// The answer of a Get command, carrying its value.
inline PV_CMD answer(const char* pszClass, const QVariant& clValue)
{
    return {{"CMD", ClCommandCatalogue::replyKindOf(pszClass)}, {"PARAM2", clValue}};
}
}  // namespace ReplyTestSupport
