#pragma once
// Sub-page 0 of the infrastructure tab: the access points the camera sees, the one it is
// joined to first with its check mark and its button to the IP settings. Choosing an
// open network stores it at once; an encrypted one opens the key entry. Polls the Wi-Fi
// information while shown.
#include "framework/ClWidgetBase.h"
#include "protocol/AccesspointList.h"

class ClWidgetApList;
class QScrollArea;

class ClWidgetInfrastructureSearch : public ClWidgetBase
{
    Q_OBJECT

public:
    explicit ClWidgetInfrastructureSearch(QWidget* parent = nullptr);

    void requestData(bool bIsPolling) override;
    void setCameraInfo(qint32 lModel, QString strVersion) override;
    ClWidgetApList* apList() const { return pclList; }

    // The most rows the list holds; the camera sends no more than this many.
    static constexpr int lMaxRows = 256;

Q_SIGNALS:
    void sigChangePage(int lPage);
    void sigSelectedAp(QString strSsid);
    void sigEndSetting();
    // "Search again": the network page asks the camera for a new list.
    void sigSearchAgain();

public Q_SLOTS:
    void slotClickManual();
    void slotClickDhcp();
    void slotSelect(QString strSsid, bool bEncrypted);
    void slotSetApList(AccesspointList lstPoints);
    void slotSetCamSsid(QString strSsid);
    void slotApply() override;

protected:
    void receiveCommand(const PV_CMD& clCommand) override;

private:
    void rebuild();
    void forgetJoined();

    AccesspointList lstAccessPoints;
    QString strCamSsid;
    // The network the camera is joined to, as the last Wi-Fi information since the last
    // reload said; empty while it is joined to none.
    QString strConnectedSsid;
    quint32 ulConnectedEncryption = 0;
    quint32 ulConnectedSignal = 0;
    bool bConnectedSendable = true;
    // The rows show a joined network (with its check mark and IP-settings button).
    bool bShowsJoined = false;
    QScrollArea* pclScroll = nullptr;
    ClWidgetApList* pclList = nullptr;
};
