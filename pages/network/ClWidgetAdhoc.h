#pragma once
// The "Adhoc" tab: the camera's own network name and key, and the address and subnet
// mask it uses in its own network.
#include "framework/ClWidgetBase.h"

class QLabel;
class QLineEdit;

class ClWidgetAdhoc : public ClWidgetBase
{
    Q_OBJECT

public:
    explicit ClWidgetAdhoc(QWidget* parent = nullptr);

    void requestData(bool bIsPolling) override;
    // A camera gone takes its network's name, key and addresses off the screen.
    void setCameraInfo(qint32 lModel, QString strVersion) override;

Q_SIGNALS:
    void sigEndSetting();

public Q_SLOTS:
    void slotApply() override;

protected:
    void receiveCommand(const PV_CMD& clCommand) override;

private:
    QString strAddress;
    QString strMask;
    QString strAddressPending;
    QString strMaskPending;
    QLabel* pclSsid = nullptr;
    QLabel* pclKey = nullptr;
    QLineEdit* pclAddress = nullptr;
    QLineEdit* pclMask = nullptr;
};
