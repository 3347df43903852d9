#pragma once
// Every text of the stream section is translated in the container's context, whichever of
// its widgets shows it.
#include <QCoreApplication>
#include <QString>

inline QString streamTr(const char* pszSource)
{
    return QCoreApplication::translate("ClWidgetStreamSetting", pszSource);
}

// A two-line list title in the one-line log bar. The English titles keep a blank before
// their line break; the Japanese ones have none and need none.
inline QString oneLine(const QString& strTitle)
{
    QString strLine = strTitle;
    return strLine.remove(QLatin1Char('\n')).simplified();
}
