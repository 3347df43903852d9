#pragma once
// Page 6, the security and maintenance mode of the Tovu-S: shows the camera's mode and
// whether it records, polls the recording state while shown, and switches the camera to
// the other mode (asking first when the switch to maintenance stops a recording). The
// window polls the mode itself and tells this page through setSecureMode().
#include "framework/ClWidgetBase.h"

class ClPushButton;
class QLabel;

class ClWidgetSecureMode : public ClWidgetBase
{
    Q_OBJECT

public:
    explicit ClWidgetSecureMode(QWidget* parent = nullptr);

    // 2 maintenance mode, any other value security mode.
    void setSecureMode(qint32 lMode);
    void requestData(bool bIsPolling) override;

public Q_SLOTS:
    void slotReqToggleMode();

protected:
    void receiveCommand(const PV_CMD& clCommand) override;

private:
    void showRecording(qint32 lState);

    QLabel* pclModeValue = nullptr;
    QLabel* pclRecValue = nullptr;
    QLabel* pclModeImage = nullptr;
    QLabel* pclHint = nullptr;
    ClPushButton* pclToggle = nullptr;
};
