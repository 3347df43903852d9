#pragma once
// Sub-page 3 of the infrastructure tab: DHCP, or the camera's fixed address, subnet mask
// and default gateway in infrastructure mode.
#include "framework/ClWidgetBase.h"

#include <QSet>
#include <QUuid>

class QLineEdit;
class QRadioButton;

class ClWidgetInfrastructureIp : public ClWidgetBase
{
    Q_OBJECT

public:
    explicit ClWidgetInfrastructureIp(QWidget* parent = nullptr);

    void requestData(bool bIsPolling) override;
    void setCameraInfo(qint32 lModel, QString strVersion) override;

Q_SIGNALS:
    void sigChangePage(int lPage);
    void sigEndSetting();

public Q_SLOTS:
    void slotApply() override;
    void slotReturn();

protected:
    void receiveCommand(const PV_CMD& clCommand) override;

private:
    void send(const QUuid& uuidKind, const QVariant& clValue);

    bool bDhcp = false;
    QString strAddress;
    QString strMask;
    QString strGateway;
    int lSent = 0;
    QList<QUuid> lstCompleted;
    bool bApplyFailed = false;

    QRadioButton* pclOn = nullptr;
    QRadioButton* pclOff = nullptr;
    QLineEdit* pclAddress = nullptr;
    QLineEdit* pclMask = nullptr;
    QLineEdit* pclGateway = nullptr;
};
