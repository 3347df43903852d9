#pragma once
// The mode bar: one big button per page. Locks and unlocks the pages as the camera
// comes, goes and changes between security and maintenance mode.
#include "framework/ClWidgetBase.h"

#include <QHash>

class ClButtonMode;
class QAbstractButton;
class QButtonGroup;
class QLabel;

class ClWidgetSelectMode : public ClWidgetBase
{
    Q_OBJECT

public:
    explicit ClWidgetSelectMode(QWidget* parent = nullptr);

    // Checks the mode's button (0: Camera state, but only instead of Help) and asks the
    // window to switch.
    void selectMode(qint32 lMode);
    // 0 all unlocked, 1 security mode (only Mode and Help), 2 no camera (only Help).
    void setButtonsState(qint32 lState);
    // Mode and Schedule exist only on the model with security and maintenance modes.
    void setCameraInfo(qint32 lModel, QString strVersion) override;

    ClButtonMode* button(qint32 lMode) const;
    qint32 checkedMode() const;

Q_SIGNALS:
    void sigChangeMode(qint32 lMode);

public Q_SLOTS:
    void slotSelect(bool bChecked);
    void slotSelect();

private:
    QLabel* addSeparator();

    QButtonGroup* pclGroup = nullptr;
    QHash<QAbstractButton*, qint32> hashModes;
    QHash<qint32, ClButtonMode*> hashButtons;
    QLabel* pclSeparatorMode = nullptr;
    QLabel* pclSeparatorSchedule = nullptr;
};
