#pragma once
// The form the key-entry and manual pages share: subtitle, two labelled rows, "Show
// input" and "Back".
#include <QString>

class ClKeyField;
class QCheckBox;
class QGridLayout;
class QPushButton;
class QWidget;

namespace InfraFormLook {
// The key field: 1 to 63 printable ASCII characters, spaces allowed.
ClKeyField* keyField(QWidget* pclParent);
// The name field: 1 to 32 printable ASCII characters, spaces allowed.
ClKeyField* ssidField(QWidget* pclParent);
// Lays the page out: subtitle, the grid the caller fills, "Show input" and "Back".
QGridLayout* layOut(QWidget* pclPage, const QString& strSubtitle, QCheckBox** ppclShow, QPushButton** ppclBack);
}  // namespace InfraFormLook
