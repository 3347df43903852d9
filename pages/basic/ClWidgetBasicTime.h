#pragma once
// Row 0 of the basic settings: the camera's date, time and time zone, the switch that lets
// the camera correct its clock from GPS, and the recording time stamp. The zone goes out
// before the time, and the time then one second ahead of what was entered, so that the
// camera's clock is right when the second command lands.
#include "framework/ClWidgetBase.h"

#include <QDateTime>
#include <QTimer>

class QButtonGroup;
class QCheckBox;
class QComboBox;
class QGroupBox;
class QPushButton;
class QRadioButton;
class QSpinBox;

class ClWidgetBasicTime : public ClWidgetBase
{
    Q_OBJECT

public:
    explicit ClWidgetBasicTime(QWidget* parent = nullptr);

    void requestData(bool bIsPolling) override;
    void setCameraInfo(qint32 lModel, QString strVersion) override;

    // The date and time the six fields show; invalid when the date does not exist.
    QDateTime fieldsDateTime() const;
    bool isSynchronising() const { return bSync; }
    // Synchronisation's pace, shortened by tests.
    void setSyncInterval(int lMs) { clSyncTimer.setInterval(lMs); }

public Q_SLOTS:
    void slotApply() override;
    void slotChangeEditable();
    void slotSyncTime();

protected:
    void receiveCommand(const PV_CMD& clCommand) override;

private:
    void buildControls();
    // Shows no camera: nothing of the last one stays on screen or in the values kept.
    void forgetCamera();
    void showCameraTime(const QDateTime& dtTime);
    void writeFields(const QDateTime& dtTime);
    bool fieldsEqualCamera() const;
    void sendTime(qint32 lOffsetMs);
    void handleOutcome(const QUuid& uuidExecuted, quint16 usCode, bool bNotice);

    quint32 tzCamera = 0;
    quint32 tzPending = 0;
    QDateTime dtCamera;
    QDateTime dtPending;
    QDateTime dtShown;
    // The fields as they were when the time last went out, and as they are going out.
    QDateTime dtFieldsSent;
    QDateTime dtFieldsPending;
    bool bSync = false;
    QTimer clSyncTimer;

    // The camera's GPS record; this page edits only the clock adjustment and sends the
    // other three back as read.
    bool bGpsRead = false;
    bool bGpsValid = false;
    bool bGpsSaveLog = false;
    quint32 ulGpsLogFormat = 1;
    bool bGpsAdjustTime = false;
    bool bGpsAdjustTimePending = false;

    bool bTimestamp = false;
    bool bTimestampPending = false;

    QComboBox* pclZone = nullptr;
    QSpinBox* pclYear = nullptr;
    QSpinBox* pclMonth = nullptr;
    QSpinBox* pclDay = nullptr;
    QSpinBox* pclHour = nullptr;
    QSpinBox* pclMinute = nullptr;
    QSpinBox* pclSecond = nullptr;
    QPushButton* pclSyncPc = nullptr;
    QCheckBox* pclAdjustGps = nullptr;
    QGroupBox* pclTimestampGroup = nullptr;
    QRadioButton* pclTimestampOn = nullptr;
    QRadioButton* pclTimestampOff = nullptr;
    QButtonGroup* pclTimestampButtons = nullptr;
};
