#pragma once
// What the five basic settings pages share: their texts' translation context, the look
// of their group boxes, and emptying a choice when the camera that made it is gone.
#include <QCoreApplication>
#include <QString>

class QButtonGroup;
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
// Leaves none of an exclusive group's buttons checked, which a click never can.
void uncheckAll(QButtonGroup* pclButtons);
}  // namespace BasicLook
