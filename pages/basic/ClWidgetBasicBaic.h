#pragma once
// Row 4 of the basic settings: the camera's name, the security key lock, the mode it
// starts in, its LEDs, the low-battery alarm and the automatic power-off time. Sections
// whose commands the camera does not know are hidden and never asked for.
#include "framework/ClWidgetBase.h"
#include "settings/ClSettingRules.h"

class QButtonGroup;
class QCheckBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QRadioButton;
class QSpinBox;

class ClWidgetBasicBaic : public ClWidgetBase
{
    Q_OBJECT

public:
    explicit ClWidgetBasicBaic(QWidget* parent = nullptr);

    void requestData(bool bIsPolling) override;
    void setCameraInfo(qint32 lModel, QString strVersion) override;

    // The longest name the camera keeps, and the longest power-off time (72:00:00).
    static constexpr int lMaxNameLength = ClSettingRules::lMaxCameraName;
    static constexpr quint32 ulMaxPowerOff = 72 * 3600;

public Q_SLOTS:
    void slotApply() override;
    void slotChangeValue(int lValue);
    void slotChangeSetting(bool bChecked);

protected:
    void receiveCommand(const PV_CMD& clCommand) override;

private:
    void buildControls();
    // Shows no camera: nothing of the last one stays on screen or in the values kept.
    void forgetCamera();
    QWidget* section(const char* pszName, const QString& strLabel, const QList<QWidget*>& lstControls);
    bool isShown(QWidget* pclSection) const { return !pclSection->isHidden(); }
    void answer(const QUuid& uuidCmd, const QVariant& clValue);
    void askAfterLedStart();
    void askAfterBatteryAlarm();
    void askAfterKeyLock();
    void showPowerOff(quint32 ulSeconds);
    quint32 shownPowerOff() const;
    void handleOutcome(const QUuid& uuidExecuted, quint16 usCode, bool bNotice);
    void sendSwitch(const QUuid& uuidKind, bool bValue);

    QString strName;
    QString strNamePending;
    QString strNameShown;  // the name as the field could hold it
    bool bKeyLock = false;
    bool bKeyLockPending = false;
    bool bLedOffSecure = false;
    bool bLedOffSecurePending = false;
    quint32 ulStartMode = 0;
    quint32 ulStartModePending = 0;
    bool bLedStart = false;
    bool bLedStartPending = false;
    bool bBatteryAlarm = false;
    bool bBatteryAlarmPending = false;
    quint32 ulPowerOff = 0;
    quint32 ulPowerOffPending = 0;
    // A power-off time beyond 72 hours, as the fields showed it when it came.
    bool bPowerOffUnreadable = false;
    quint32 ulPowerOffShown = 0;
    // The camera's values are being written: the fields' limits are the user's, not its.
    bool bShowing = false;

    QWidget* pclKeyLockSection = nullptr;
    QWidget* pclStartSection = nullptr;
    QWidget* pclLedSection = nullptr;
    QWidget* pclPowerOffSection = nullptr;
    QLabel* pclStartHeading = nullptr;
    QLineEdit* pclName = nullptr;
    QCheckBox* pclKeyLock = nullptr;
    QCheckBox* pclLedOffSecure = nullptr;
    QRadioButton* pclSecurityMode = nullptr;
    QRadioButton* pclMaintenanceMode = nullptr;
    QRadioButton* pclLight = nullptr;
    QRadioButton* pclNotLight = nullptr;
    QButtonGroup* pclModes = nullptr;
    QButtonGroup* pclLeds = nullptr;
    QCheckBox* pclBatteryAlarm = nullptr;
    QGroupBox* pclPowerOff = nullptr;
    QSpinBox* pclHours = nullptr;
    QSpinBox* pclMinutes = nullptr;
    QSpinBox* pclSeconds = nullptr;
};
