#include "ClWidgetBasicSetting.h"

#include "app/framework/ClWidgetBase.h"

ClWidgetBasicSetting::ClWidgetBasicSetting(QWidget* parent) : ClListWidgetBase(parent)
{
    setObjectName(QStringLiteral("pageBasic"));
    // The rows' pages are empty until their own settings arrive.
    addPage(new ClWidgetBase, QStringLiteral(":/basic/time"), tr("Time settings"), 0);
    addPage(new ClWidgetBase, QStringLiteral(":/basic/gps"), tr("GPS settings"), 1);
    addPage(new ClWidgetBase, QStringLiteral(":/basic/wifi"), tr("Wifi settings"), 2);
    addPage(new ClWidgetBase, QStringLiteral(":/basic/password"), tr("Password \nsetting"), 3);
    addPage(new ClWidgetBase, QStringLiteral(":/basic/basic"), tr("Other settings"), 4);
}
