#include "ClWidgetBasicSetting.h"

#include "ClWidgetBasicBaic.h"
#include "ClWidgetBasicGps.h"
#include "ClWidgetBasicPassword.h"
#include "ClWidgetBasicTime.h"
#include "ClWidgetBasicWifi.h"

ClWidgetBasicSetting::ClWidgetBasicSetting(QWidget* parent) : ClListWidgetBase(parent)
{
    setObjectName(QStringLiteral("pageBasic"));
    addPage(new ClWidgetBasicTime, QStringLiteral(":/basic/time"), tr("Time settings"), 0);
    addPage(new ClWidgetBasicGps, QStringLiteral(":/basic/gps"), tr("GPS settings"), 1);
    addPage(new ClWidgetBasicWifi, QStringLiteral(":/basic/wifi"), tr("Wifi settings"), 2);
    addPage(new ClWidgetBasicPassword, QStringLiteral(":/basic/password"), tr("Password \nsetting"), 3);
    addPage(new ClWidgetBasicBaic, QStringLiteral(":/basic/basic"), tr("Other settings"), 4);
}
