#include "ClDateTextFormat.h"

QString ClDateTextFormat::format(ClDateText eFormat)
{
    switch (eFormat) {
    case ClDateText::Spaced:
        return QStringLiteral("yyyy/MM/dd hh:mm:ss");
    case ClDateText::Joined:
        return QStringLiteral("yyyy/MM/ddThh:mm:ss");
    }
    return QString();
}
