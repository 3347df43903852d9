#include "ClResultText.h"

#include "ClResultCode.h"

#include <QCoreApplication>

namespace {
struct stErrorText
{
    quint16 usResult;
    const char* pszText;
};

constexpr stErrorText aErrorTexts[] = {
    {ClResultCode::usParameterRejected, QT_TRANSLATE_NOOP("QObject", "Parameter setting failed")},
    {ClResultCode::usNotSupported, QT_TRANSLATE_NOOP("QObject", "Command error, version up")},
    {ClResultCode::usCameraTimeout, QT_TRANSLATE_NOOP("QObject", "Timeout error, please reset")},
    {ClResultCode::usRefused, QT_TRANSLATE_NOOP("QObject", "Timeout error, please reset")},
    {ClResultCode::usBroadcasting, QT_TRANSLATE_NOOP("QObject", "The setting cannot be changed when broadcasting")},
};
constexpr const char* pszUnknownError = QT_TRANSLATE_NOOP("QObject", "Exec failed, unknown error");
}  // namespace

QString ClResultText::text(quint16 usResult)
{
    for (const stErrorText& stEntry : aErrorTexts) {
        if (stEntry.usResult == usResult)
            return QCoreApplication::translate("QObject", stEntry.pszText);
    }
    return QCoreApplication::translate("QObject", pszUnknownError);
}
