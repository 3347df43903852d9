#pragma once
// The tool's push button for the actions of the status pages: a text, a minimum width and
// the height of 34 pixels every action button has, painted in the tool's own look.
#include <QPushButton>

class ClPushButton : public QPushButton
{
    Q_OBJECT

public:
    ClPushButton(const QString& strText, int lMinimumWidth, QWidget* parent = nullptr);

protected:
    void paintEvent(QPaintEvent* pclEvent) override;
};
