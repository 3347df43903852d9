#pragma once
// The "Infrastructure" tab: the access-point list, manual entry, key entry and IP settings
// in one stack. Passes the network page's envelopes and Apply to the sub-page shown and
// its commands, messages and end of setting back.
#include "framework/ClWidgetBase.h"
#include "protocol/AccesspointList.h"

class ClWidgetInfrastructureApSelect;
class ClWidgetInfrastructureIp;
class ClWidgetInfrastructureManual;
class ClWidgetInfrastructureSearch;
class QStackedLayout;

class ClWidgetInfrastructure : public ClWidgetBase
{
    Q_OBJECT

public:
    explicit ClWidgetInfrastructure(QWidget* parent = nullptr);

    void requestData(bool bIsPolling) override;
    // Passed on to every sub-page.
    void setCameraInfo(qint32 lModel, QString strVersion) override;
    void stopPolling() override;
    int currentPage() const;
    ClWidgetInfrastructureSearch* searchPage() const { return pclSearch; }

Q_SIGNALS:
    void sigReceiveCommand(PV_CMD clCommand);
    void sigApply();
    void sigEndSetting();
    void sigSetApList(AccesspointList lstPoints);
    void sigSetCamSsid(QString strSsid);
    void sigSearchAgain();

public Q_SLOTS:
    void slotSetApList(AccesspointList lstPoints);
    void slotSetCamSsid(QString strSsid);
    void slotChangeTab();
    void slotChangePage(int lPage);
    void slotApply() override;

protected:
    void receiveCommand(const PV_CMD& clCommand) override;

private:
    ClWidgetBase* pageAt(int lPage) const;
    void wire(ClWidgetBase* pclPage, bool bConnect);

    QStackedLayout* pclStack = nullptr;
    ClWidgetInfrastructureSearch* pclSearch = nullptr;
    ClWidgetInfrastructureManual* pclManual = nullptr;
    ClWidgetInfrastructureApSelect* pclApSelect = nullptr;
    ClWidgetInfrastructureIp* pclIp = nullptr;
    ClWidgetBase* pclWired = nullptr;
    QList<QMetaObject::Connection> lstWiring;
};
