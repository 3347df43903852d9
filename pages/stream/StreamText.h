#pragma once
// Every text of the stream section is translated in the container's context, whichever of
// its widgets shows it.
#include <QCoreApplication>
#include <QString>

inline QString streamTr(const char* pszSource)
{
    return QCoreApplication::translate("ClWidgetStreamSetting", pszSource);
}
