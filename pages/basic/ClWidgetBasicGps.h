#pragma once
// Row 1 of the basic settings: the camera's GPS receiver on or off, whether it writes a
// GPS log and in which sentence set. The GPS record is written whole, so the clock
// adjustment the time page edits goes back as this page read it.
#include "framework/ClWidgetBase.h"

class QButtonGroup;
class QGroupBox;
class QRadioButton;

class ClWidgetBasicGps : public ClWidgetBase
{
    Q_OBJECT

public:
    explicit ClWidgetBasicGps(QWidget* parent = nullptr);

    void requestData(bool bIsPolling) override;
    // A camera gone leaves nothing of its record on the page.
    void setCameraInfo(qint32 lModel, QString strVersion) override;

public Q_SLOTS:
    void slotApply() override;

protected:
    void receiveCommand(const PV_CMD& clCommand) override;

private:
    void sendGps(bool bValid, bool bSaveLog, quint32 ulFormat);

    bool bRead = false;
    bool bGpsValid = false;
    bool bSaveLog = false;
    bool bAdjustTime = false;
    quint32 ulLogFormat = 1;
    bool bGpsValidPending = false;
    bool bSaveLogPending = false;
    quint32 ulLogFormatPending = 1;

    QGroupBox* pclGps = nullptr;
    QRadioButton* pclSaveLogs = nullptr;
    QRadioButton* pclNotSaveLogs = nullptr;
    QRadioButton* pclFormatShort = nullptr;
    QRadioButton* pclFormatFull = nullptr;
    QButtonGroup* pclLogButtons = nullptr;
    QButtonGroup* pclFormatButtons = nullptr;
};
