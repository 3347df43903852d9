#pragma once
// Row 0 of the network settings: the camera's connection mode behind three tabs
// (infrastructure, ad hoc, Wi-Fi off). Reads the mode on reload and shows its tab, passes
// envelopes and Apply between the framework and the tab shown, and switches the camera to
// the tab's mode once the tab has stored its own settings.
#include "framework/ClWidgetBase.h"
#include "protocol/AccesspointList.h"
#include "settings/ClSettingCodes.h"

class ClButtonNetworkTab;
class ClWidgetAdhoc;
class ClWidgetInfrastructure;
class ClWidgetWifiOff;
class QAbstractButton;
class QButtonGroup;
class QStackedLayout;

class ClWidgetNetwork : public ClWidgetBase
{
    Q_OBJECT

public:
    explicit ClWidgetNetwork(QWidget* parent = nullptr);

    void requestData(bool bIsPolling) override;
    // Passed on to every tab.
    void setCameraInfo(qint32 lModel, QString strVersion) override;
    void deactivate(QWidget* pclMain) override;
    int currentTab() const;
    ClWidgetInfrastructure* infrastructurePage() const { return pclInfra; }

    // Wi-Fi mode codes on the wire.
    static constexpr quint32 ulModeInfrastructure = ClSettingCodes::ulModeInfrastructure;
    static constexpr quint32 ulModeAdhoc = ClSettingCodes::ulModeAdhoc;

Q_SIGNALS:
    void sigReceiveCommand(PV_CMD clCommand);
    void sigChangeTab();
    void sigSetApList(AccesspointList lstPoints);
    void sigSetCamSsid(QString strSsid);
    void sigApply();

public Q_SLOTS:
    void slotChangeTab(int lIndex);
    void slotClicked(QAbstractButton* pclButton);
    void slotPollingFired() override;
    void slotApply() override;
    void slotApplyMode();
    void slotStopPolling();
    void slotStartPolling();
    // "Search again" on the access-point list.
    void slotSearchAgain();

protected:
    void receiveCommand(const PV_CMD& clCommand) override;

private:
    ClWidgetBase* pageAt(int lIndex) const;
    void wire(int lIndex);
    void unwire();
    void sendMode(const QUuid& uuidKind, const QVariant& clValue);
    bool handleModeOutcome(const PV_CMD& clCommand);

    QButtonGroup* pclTabs = nullptr;
    QList<ClButtonNetworkTab*> lstTabs;
    QStackedLayout* pclStack = nullptr;
    ClWidgetInfrastructure* pclInfra = nullptr;
    ClWidgetAdhoc* pclAdhoc = nullptr;
    ClWidgetWifiOff* pclWifiOff = nullptr;
    int lWired = -1;
    QList<QMetaObject::Connection> lstWiring;
    int iModeApplying = 0;
    // A mode command of this Apply failed: its switch, even if the camera takes it, applied nothing.
    bool bModeFailed = false;
    bool bWifiOn = true;
    quint32 ulWifiMode = 0;
};
