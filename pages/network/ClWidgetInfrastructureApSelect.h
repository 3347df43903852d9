#pragma once
// Sub-page 2 of the infrastructure tab: the key of the encrypted network chosen in the
// list. Apply stores the name and then the key in the camera.
#include "framework/ClWidgetBase.h"

class ClKeyField;
class QLabel;

class ClWidgetInfrastructureApSelect : public ClWidgetBase
{
    Q_OBJECT

public:
    explicit ClWidgetInfrastructureApSelect(QWidget* parent = nullptr);

    // A camera gone takes the network chosen from its list, and the key typed for it, along.
    void setCameraInfo(qint32 lModel, QString strVersion) override;

Q_SIGNALS:
    void sigChangePage(int lPage);
    void sigEndSetting();

public Q_SLOTS:
    void slotSetSsid(QString strSsid);
    void slotApply() override;
    void slotReturn();
    void slotChangeShowPw(int lState);

protected:
    void receiveCommand(const PV_CMD& clCommand) override;

private:
    QString strSsid;
    // A command of this Apply failed: its key's completion ends nothing.
    bool bApplyFailed = false;
    QLabel* pclSsid = nullptr;
    ClKeyField* pclKey = nullptr;
};
