#include "ClVirtualCameraOption.h"

int ClVirtualCameraOption::modelFromName(const QString& strName)
{
    const QString strLower = strName.toLower();
    if (strLower == QLatin1String("tovu"))
        return 0;
    if (strLower == QLatin1String("tovu-s"))
        return 1;
    return -1;
}

QStringList ClVirtualCameraOption::withValue(const QStringList& lstArguments)
{
    QStringList lstOut;
    for (int i = 0; i < lstArguments.size(); ++i) {
        const QString& strArg = lstArguments.at(i);
        if (i > 0 && strArg == QLatin1String("--virtual-camera")) {
            if (i + 1 < lstArguments.size() && modelFromName(lstArguments.at(i + 1)) >= 0)
                lstOut << strArg + QLatin1Char('=') + lstArguments.at(++i);
            else
                lstOut << strArg + QLatin1String("=tovu");
            continue;
        }
        lstOut << strArg;
    }
    return lstOut;
}
