#pragma once
// What the five basic settings pages share: their texts' translation context and the
// look of their group boxes.
#include <QCoreApplication>
#include <QString>

class QGroupBox;

namespace BasicLook {
// The sub-pages' texts live in the composite page's context, so that one catalogue
// section holds the whole mode.
inline QString trBasic(const char* pszSource)
{
    return QCoreApplication::translate("ClWidgetBasicSetting", pszSource);
}

// The frame every basic settings group sits in.
QString groupBoxStyle();
// A group box of that look; checkable ones carry their switch in the title.
QGroupBox* groupBox(const QString& strTitle, const QString& strObjectName, bool bCheckable, QWidget* pclParent);
}  // namespace BasicLook
