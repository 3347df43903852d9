#pragma once
// Row 1 of the network settings: the camera's RTSP port and, where the camera has one,
// its HTTP port. A port is sent only while its group is checked.
#include "framework/ClWidgetBase.h"
#include "settings/ClSettingRules.h"

#include <QUuid>

class QGroupBox;
class QLineEdit;

class ClWidgetAdvance : public ClWidgetBase
{
    Q_OBJECT

public:
    explicit ClWidgetAdvance(QWidget* parent = nullptr);

    void setCameraInfo(qint32 lModel, QString strVersion) override;
    void requestData(bool bIsPolling) override;

    static constexpr int lDefaultRtsp = ClSettingRules::lDefaultRtspPort;
    static constexpr int lDefaultHttp = ClSettingRules::lDefaultHttpPort;

public Q_SLOTS:
    void slotApply() override;
    void slotCorrectPortValue();

protected:
    void receiveCommand(const PV_CMD& clCommand) override;

private:
    void correct(QLineEdit* pclEdit, int lDefault);

    QString strRtsp;
    QString strHttp;
    QString strRtspPending;
    QString strHttpPending;
    int lSent = 0;
    QList<QUuid> lstCompleted;
    bool bApplyFailed = false;
    QGroupBox* pclRtspBox = nullptr;
    QGroupBox* pclHttpBox = nullptr;
    QLineEdit* pclRtsp = nullptr;
    QLineEdit* pclHttp = nullptr;
};
