#pragma once
// Sub-page 1 of the infrastructure tab: a network typed by hand (one that hides its name,
// or one out of reach now). Apply stores the name, and the key when one was typed.
#include "framework/ClWidgetBase.h"

#include <QUuid>

class ClKeyField;

class ClWidgetInfrastructureManual : public ClWidgetBase
{
    Q_OBJECT

public:
    explicit ClWidgetInfrastructureManual(QWidget* parent = nullptr);

    void requestData(bool bIsPolling) override;
    // A key typed for a camera gone is not left for the next one.
    void setCameraInfo(qint32 lModel, QString strVersion) override;

Q_SIGNALS:
    void sigChangePage(int lPage);
    void sigEndSetting();

public Q_SLOTS:
    void slotApply() override;
    void slotReturn();
    void slotChangeShowPw(int lState);

protected:
    void receiveCommand(const PV_CMD& clCommand) override;

private:
    ClKeyField* pclSsid = nullptr;
    ClKeyField* pclKey = nullptr;
    QUuid uuidLast;
};
