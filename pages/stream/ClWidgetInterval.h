#pragma once
// "Interval setting": the camera's interval (time-lapse) timer, on or off, with the wait
// before the first picture and the time between pictures, each up to 72 hours.
#include "framework/ClWidgetBase.h"
#include "settings/ClSettingRules.h"

class QGroupBox;
class QSpinBox;

class ClWidgetInterval : public ClWidgetBase
{
    Q_OBJECT

public:
    explicit ClWidgetInterval(QWidget* parent = nullptr);

    void requestData(bool bIsPolling) override;

    // Seconds shown in a row: 0 the wait, 1 the interval.
    quint32 rowSeconds(int lRow) const;
    void showRowSeconds(int lRow, qint64 llSeconds);

    static constexpr int lMaxHours = ClSettingRules::lMaxIntervalHours;

public Q_SLOTS:
    void slotApply() override;
    void slotValueChange(int lValue);

protected:
    void receiveCommand(const PV_CMD& clCommand) override;

private:
    QGroupBox* pclGroup = nullptr;
    // Hours, minutes, seconds of the wait row and of the interval row.
    QSpinBox* apclSpins[2][3] = {};

    // What the camera answered (or took with a Set), as it answered it: a time the rows
    // can only show cut to their range differs from what is shown, and Apply writes that.
    bool bCurrentOn = false;
    qint64 llCurrentStart = 0;
    qint64 llCurrentInterval = 0;
    bool bKnown = false;
    bool bPendingOn = false;
    quint32 ulPendingStart = 0;
    quint32 ulPendingInterval = 0;
    bool bCorrecting = false;
};
