#pragma once
// Pattern base of the get commands whose text is a date and time: reply "PARAM2" =
// the QDateTime read from the text in the format of the command's family.
#include <QDateTime>

#include "ClDateTextFormat.h"
#include "ClEnvelope.h"
#include "ClExchange.h"
#include "ClTovuCommandString.h"

template <ClDateText eFormat> class ClGetDateTextCommand : public ClTovuCommandString
{
public:
    static constexpr ClExchange eExchange = ClExchange::Plain;
    static constexpr bool bHasReply = true;

    ClGetDateTextCommand(quint16 usCode, const PV_CMD& /*clRequest*/) : ClTovuCommandString(usCode) {}

    QDateTime dateTime() const { return QDateTime::fromString(strText, ClDateTextFormat::format(eFormat)); }

    quint16 writeReply(PV_CMD& clReply) const override
    {
        clReply.insert(ClEnvelope::keyParam(2), dateTime());
        return 0;
    }
};
