#pragma once
// Reads command arguments from a request envelope and names its value keys. A missing
// key gives the type's default: 0, false, an empty text, an invalid date or time.
#include <QDateTime>
#include <QSize>
#include <QString>
#include <QTime>

#include "PvCmd.h"

class ClEnvelopeArgs
{
public:
    // "PARAM1" ... "PARAM8"
    static QString key(int lIndex);

    // A number converted to 32 bits and sent unchanged: -1 travels as 0xFFFFFFFF.
    static quint32 number(const PV_CMD& clRequest, int lIndex);
    static qint32 signedNumber(const PV_CMD& clRequest, int lIndex);
    static bool flag(const PV_CMD& clRequest, int lIndex);
    static QString text(const PV_CMD& clRequest, int lIndex);
    static QByteArray bytes(const PV_CMD& clRequest, int lIndex);
    static QSize size(const PV_CMD& clRequest, int lIndex);
    static QDateTime dateTime(const PV_CMD& clRequest, int lIndex);
    static QTime time(const PV_CMD& clRequest, int lIndex);
};
