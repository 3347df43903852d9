#pragma once
// The rows of the access-point list, one under the other, with a thin line between them.
#include <QWidget>

class ClWidgetApInfo;
class QVBoxLayout;

class ClWidgetApList : public QWidget
{
    Q_OBJECT

public:
    explicit ClWidgetApList(QWidget* parent = nullptr);

    void addRow(ClWidgetApInfo* pclRow);
    QList<ClWidgetApInfo*> rows() const { return lstRows; }

private:
    QVBoxLayout* pclLayout = nullptr;
    QList<ClWidgetApInfo*> lstRows;
};
