#pragma once
// What the network settings pages share: their texts' translation context, the look of
// their group boxes and the subtitle bar over the infrastructure sub-pages.
#include <QCoreApplication>
#include <QString>

class QGroupBox;
class QLabel;
class QWidget;

namespace NetworkLook {
// All sub-pages translate in the composite page's context, so that one catalogue section
// holds the whole mode.
inline QString trNet(const char* pszSource)
{
    return QCoreApplication::translate("ClWidgetNetworkSetting", pszSource);
}

QString groupBoxStyle();
QGroupBox* groupBox(const QString& strTitle, const QString& strObjectName, bool bCheckable, QWidget* pclParent);
// The ":/network/subtitle" bar with the sub-page's path written on it.
QLabel* subtitle(const QString& strText, QWidget* pclParent);
// A small line under a field that says why the field refused what was typed.
QLabel* reasonLabel(const QString& strObjectName, QWidget* pclParent);
}  // namespace NetworkLook
