#pragma once
// Page 6, the security and maintenance mode of the Tovu-S: shows the camera's current
// mode. The switch between the modes arrives with the page's own issue.
#include "app/framework/ClWidgetBase.h"

class QFormLayout;
class QLabel;
class QPushButton;

class ClWidgetSecureMode : public ClWidgetBase
{
    Q_OBJECT

public:
    explicit ClWidgetSecureMode(QWidget* parent = nullptr);

    // 2 maintenance mode, any other value security mode.
    void setSecureMode(qint32 lMode);

private:
    QLabel* pclModeValue = nullptr;
    QLabel* pclModeImage = nullptr;
    QLabel* pclHint = nullptr;
    QPushButton* pclToggle = nullptr;
};
