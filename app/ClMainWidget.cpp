#include "ClMainWidget.h"

#include <QCoreApplication>

ClMainWidget::ClMainWidget()
{
    setObjectName(QStringLiteral("mainWidget"));
    resize(600, 620);
    setWindowTitle(QCoreApplication::applicationName());
}
