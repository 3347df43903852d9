#pragma once
// The caption of the frameless main window: its centred title and the close button.
#include <QWidget>

class ClRollOverToolBtn;
class QLabel;

class ClCaptionBar : public QWidget
{
    Q_OBJECT

public:
    explicit ClCaptionBar(const QString& strTitle, QWidget* parent = nullptr);

Q_SIGNALS:
    void sigClose();

private:
    QLabel* pclTitle = nullptr;
    ClRollOverToolBtn* pclClose = nullptr;
};
