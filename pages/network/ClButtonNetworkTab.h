#pragma once
// A tab of the connection modes: only its caption while neither chosen nor under the
// mouse, the hover face under the mouse and the chosen face while checked.
#include "framework/ClRollOverToolBtn.h"

class ClButtonNetworkTab : public ClRollOverToolBtn
{
    Q_OBJECT

public:
    explicit ClButtonNetworkTab(const QString& strText, QWidget* parent = nullptr);

    QSize sizeHint() const override { return QSize(123, 36); }

protected:
    void paintEvent(QPaintEvent* pclEvent) override;
};
