#include "ClSsidText.h"

#include <QStringDecoder>

QString ClSsidText::fromCamera(const QString& strEightBit, bool* pbSendable)
{
    // Characters above 0xFF cannot come from the wire; such a text is taken as it is.
    for (const QChar c : strEightBit) {
        if (c.unicode() > 0xFF) {
            *pbSendable = true;
            return strEightBit;
        }
    }
    const QByteArray clBytes = strEightBit.toLatin1();
    QStringDecoder clDecoder(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    const QString strDecoded = clDecoder.decode(clBytes);
    *pbSendable = !clDecoder.hasError();
    return *pbSendable ? strDecoded : strEightBit;
}

QString ClSsidText::display(const QString& strName)
{
    QString strShown = strName;
    for (QChar& c : strShown) {
        if (c.category() == QChar::Other_Control || c.category() == QChar::Other_Format)
            c = QChar::ReplacementCharacter;
    }
    return strShown;
}
