#include "ClLabelSepalator.h"

#include <QPixmap>

ClLabelSepalator::ClLabelSepalator(QWidget* parent) : QLabel(parent)
{
    const QPixmap clLine(QStringLiteral(":/img/bg_line"));
    setPixmap(clLine);
    setScaledContents(true);
    setFixedHeight(clLine.isNull() ? 2 : clLine.height());
}
