#include "ClWidgetEncryption.h"

#include <QPainter>
#include <QPixmap>

ClWidgetEncryption::ClWidgetEncryption(quint32 ulCode, QWidget* parent) : QLabel(parent)
{
    setObjectName(QStringLiteral("labelEncryption"));
    setAlignment(Qt::AlignCenter);
    setText(textFor(ulCode));
    if (text().isEmpty())
        setFixedSize(0, 0);
    else
        setFixedSize(112, 24);
}

QString ClWidgetEncryption::textFor(quint32 ulCode)
{
    // The names of the ciphers are the same in every language.
    switch (ulCode) {
    case 1:
        return QStringLiteral("WEP");
    case 2:
        return QStringLiteral("TKIP");
    case 4:
        return QStringLiteral("AES");
    default:
        return QString();
    }
}

void ClWidgetEncryption::paintEvent(QPaintEvent* pclEvent)
{
    if (!text().isEmpty()) {
        static const QPixmap clPlate(QStringLiteral(":/img/ap_encryption"));
        QPainter clPainter(this);
        clPainter.drawPixmap(rect(), clPlate);
    }
    QLabel::paintEvent(pclEvent);
}
