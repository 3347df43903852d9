#include "ClWidgetNetwork.h"

#include "ClButtonNetworkTab.h"
#include "ClNetworkReport.h"
#include "ClWidgetAdhoc.h"
#include "ClWidgetInfrastructure.h"
#include "ClWidgetWifiOff.h"
#include "NetworkLook.h"
#include "protocol/ClCameraModel.h"
#include "protocol/ClEnvelope.h"
#include "protocol/ClResultCode.h"
#include "protocol/TypedKinds.h"

#include <QButtonGroup>
#include <QHBoxLayout>
#include <QLabel>
#include <QStackedLayout>
#include <QVBoxLayout>

using NetworkLook::trNet;

namespace {
// What the tab shown hears: the camera's news and the user's Apply.
template <class Page> QList<QMetaObject::Connection> wirePage(ClWidgetNetwork* pclOwner, Page* pclPage)
{
    return {
        QObject::connect(pclOwner, &ClWidgetNetwork::sigReceiveCommand, pclPage, &ClWidgetBase::slotReceiveCommand),
        QObject::connect(pclOwner, &ClWidgetNetwork::sigApply, pclPage, &Page::slotApply),
    };
}

// What every tab says, shown or not: an Apply the user left for another tab still sends
// its next command, reports its end and switches the camera to the mode it was for.
template <class Page> void connectOutputs(ClWidgetNetwork* pclOwner, Page* pclPage)
{
    QObject::connect(pclPage, &ClWidgetBase::sigSendCommand, pclOwner, &ClWidgetBase::sigSendCommand);
    QObject::connect(pclPage, &Page::sigEndSetting, pclOwner, &ClWidgetNetwork::slotApplyMode);
    QObject::connect(pclPage, &ClWidgetBase::sigSetLog, pclOwner, &ClWidgetBase::sigSetLog);
}

bool isModeCommand(const QUuid& uuidKind)
{
    return uuidKind == requestKind<ClTovuCommandSetWifiMode>() || uuidKind == requestKind<ClTovuCommandWifiChange>()
        || uuidKind == requestKind<ClTovuCommandSetWiFiOnOff>() || uuidKind == requestKind<ClTovuCommandWifiSwitch>();
}
}  // namespace

ClWidgetNetwork::ClWidgetNetwork(QWidget* parent) : ClWidgetBase(parent)
{
    setObjectName(QStringLiteral("pageNetworkMode"));
    auto* pclHeading = new QWidget(this);
    pclHeading->setObjectName(QStringLiteral("headingConnectionMode"));
    pclHeading->setFixedHeight(72);
    pclHeading->setAttribute(Qt::WA_StyledBackground, true);
    pclHeading->setStyleSheet(QStringLiteral("#headingConnectionMode{border-image: url(:/img/bg_tab);}"));
    auto* pclTitle = new QLabel(trNet("Connection mode"), pclHeading);
    pclTitle->setObjectName(QStringLiteral("labelConnectionMode"));
    pclTitle->setStyleSheet(QStringLiteral("font-weight: bold;"));
    auto* pclTabRow = new QHBoxLayout;
    pclTabRow->setContentsMargins(0, 0, 0, 0);
    pclTabRow->setSpacing(2);
    pclTabs = new QButtonGroup(this);
    pclTabs->setExclusive(true);
    const QList<QPair<QString, QString>> lstTabTexts = {{trNet("Infrastructure"), QStringLiteral("tabInfrastructure")},
                                                        {trNet("Adhoc"), QStringLiteral("tabAdhoc")},
                                                        {trNet("WiFi Off"), QStringLiteral("tabWifiOff")}};
    for (const auto& clTab : lstTabTexts) {
        auto* pclTab = new ClButtonNetworkTab(clTab.first, pclHeading);
        pclTab->setObjectName(clTab.second);
        pclTabs->addButton(pclTab);
        pclTabRow->addWidget(pclTab);
        lstTabs.append(pclTab);
    }
    pclTabRow->addStretch();
    auto* pclHeadingLayout = new QVBoxLayout(pclHeading);
    pclHeadingLayout->setContentsMargins(10, 6, 0, 0);
    pclHeadingLayout->setSpacing(4);
    pclHeadingLayout->addWidget(pclTitle);
    pclHeadingLayout->addLayout(pclTabRow);

    auto* pclLayout = new QVBoxLayout(this);
    pclLayout->setContentsMargins(0, 0, 0, 0);
    pclLayout->setSpacing(0);
    pclLayout->addWidget(pclHeading);
    // The stack belongs to the page before the first tab's page goes in: a stack without
    // a widget shows its first page as a window of its own, which takes the activation
    // (and with it the keyboard focus) from the main window.
    pclStack = new QStackedLayout;
    pclLayout->addLayout(pclStack, 1);
    pclInfra = new ClWidgetInfrastructure;
    pclAdhoc = new ClWidgetAdhoc;
    pclWifiOff = new ClWidgetWifiOff;
    pclStack->addWidget(pclInfra);
    pclStack->addWidget(pclAdhoc);
    pclStack->addWidget(pclWifiOff);

    connect(pclTabs, &QButtonGroup::buttonClicked, this, &ClWidgetNetwork::slotClicked);
    connect(this, &ClWidgetNetwork::sigChangeTab, pclInfra, &ClWidgetInfrastructure::slotChangeTab);
    connect(this, &ClWidgetNetwork::sigSetApList, pclInfra, &ClWidgetInfrastructure::slotSetApList);
    connect(this, &ClWidgetNetwork::sigSetCamSsid, pclInfra, &ClWidgetInfrastructure::slotSetCamSsid);
    connect(pclInfra, &ClWidgetInfrastructure::sigSearchAgain, this, &ClWidgetNetwork::slotSearchAgain);
    connectOutputs(this, pclInfra);
    connectOutputs(this, pclAdhoc);
    connectOutputs(this, pclWifiOff);
    lstTabs.at(0)->setChecked(true);
    wire(0);
}

ClWidgetBase* ClWidgetNetwork::pageAt(int lIndex) const
{
    return qobject_cast<ClWidgetBase*>(pclStack->widget(lIndex));
}

int ClWidgetNetwork::currentTab() const
{
    return pclStack->currentIndex();
}

void ClWidgetNetwork::unwire()
{
    for (const QMetaObject::Connection& clConnection : std::as_const(lstWiring))
        disconnect(clConnection);
    lstWiring.clear();
    lWired = -1;
}

void ClWidgetNetwork::wire(int lIndex)
{
    if (lIndex == 0)
        lstWiring = wirePage(this, pclInfra);
    else if (lIndex == 1)
        lstWiring = wirePage(this, pclAdhoc);
    else
        lstWiring = wirePage(this, pclWifiOff);
    lWired = lIndex;
}

void ClWidgetNetwork::requestData(bool bIsPolling)
{
    if (bIsPolling)
        return;
    ClNetworkReport::arm();
    sendCommand(requestKind<ClTovuCommandGetWiFiOnOff>(), PV_CMD(), false, 0);
}

void ClWidgetNetwork::setCameraInfo(qint32 lModel, QString strVersion)
{
    if (lModel == ClCameraModel::None) {
        bWifiOn = true;
        ulWifiMode = 0;
    }
    for (int lIndex = 0; lIndex < pclStack->count(); ++lIndex)
        pageAt(lIndex)->setCameraInfo(lModel, strVersion);
}

void ClWidgetNetwork::deactivate(QWidget* pclMain)
{
    ClWidgetBase::deactivate(pclMain);
    // The tab's own polling (the access-point list's) ends with the page.
    if (ClWidgetBase* pclPage = pageAt(lWired))
        pclPage->stopPolling();
}

void ClWidgetNetwork::slotChangeTab(int lIndex)
{
    if (lIndex < 0 || lIndex > 2)
        return;
    lstTabs.at(lIndex)->setChecked(true);
    if (lIndex != 0)
        stopPolling();
    if (ClWidgetBase* pclLeft = pageAt(lWired); pclLeft && lWired != lIndex)
        pclLeft->stopPolling();
    unwire();
    wire(lIndex);
    pageAt(lIndex)->requestData(false);
    Q_EMIT sigChangeTab();
    pclStack->setCurrentIndex(lIndex);
}

void ClWidgetNetwork::slotClicked(QAbstractButton* pclButton)
{
    const int lIndex = int(lstTabs.indexOf(static_cast<ClButtonNetworkTab*>(pclButton)));
    if (lIndex >= 0)
        slotChangeTab(lIndex);
}

void ClWidgetNetwork::slotPollingFired()
{
    if (!isVisible())
        return;
    requestData(true);
    if (ClWidgetBase* pclPage = pageAt(lWired))
        pclPage->requestData(true);
}

void ClWidgetNetwork::slotApply()
{
    // One failure report per Apply, however many of its commands fail.
    ClNetworkReport::arm();
    Q_EMIT sigApply();
}

void ClWidgetNetwork::sendMode(const QUuid& uuidKind, const QVariant& clValue)
{
    PV_CMD clArgs;
    clArgs.insert(ClEnvelope::keyParam(2), clValue);
    sendCommand(uuidKind, clArgs, false, 0);
}

void ClWidgetNetwork::slotApplyMode()
{
    // The mode of the tab whose Apply ended, which need not be the tab shown now.
    int lIndex = currentTab();
    for (int lTab = 0; lTab < pclStack->count(); ++lTab) {
        if (sender() != nullptr && sender() == pageAt(lTab))
            lIndex = lTab;
    }
    bModeFailed = false;
    if (lIndex == 2) {
        iModeApplying = 2;
        sendMode(requestKind<ClTovuCommandSetWiFiOnOff>(), false);
        sendMode(requestKind<ClTovuCommandWifiSwitch>(), false);
        return;
    }
    iModeApplying = lIndex;
    const quint32 ulMode = lIndex == 0 ? ulModeInfrastructure : ulModeAdhoc;
    sendMode(requestKind<ClTovuCommandSetWifiMode>(), ulMode);
    sendMode(requestKind<ClTovuCommandWifiChange>(), ulMode);
    sendMode(requestKind<ClTovuCommandSetWiFiOnOff>(), true);
    sendMode(requestKind<ClTovuCommandWifiSwitch>(), true);
}

void ClWidgetNetwork::slotStopPolling()
{
    stopPolling();
}

void ClWidgetNetwork::slotStartPolling()
{
    startPolling();
}

void ClWidgetNetwork::slotSearchAgain()
{
    sendCommand(requestKind<ClTovuCommandGetAccesspointList>(), PV_CMD(), false, 0);
}

bool ClWidgetNetwork::handleModeOutcome(const PV_CMD& clCommand)
{
    if (!ClEnvelope::isOutcome(clCommand) || !isModeCommand(ClEnvelope::executedKind(clCommand)))
        return false;
    const quint16 usCode = ClEnvelope::resultCode(clCommand);
    if (usCode != ClResultCode::usSuccess) {
        // A camera gone is told by its removal notice, not by a box.
        if (ClEnvelope::isCameraGone(clCommand))
            return true;
        bModeFailed = true;
        stopPolling();
        if (ClNetworkReport::take())
            showCommandError(usCode);
        return true;
    }
    if (ClEnvelope::executedKind(clCommand) == requestKind<ClTovuCommandWifiSwitch>() && !bModeFailed) {
        if (iModeApplying == 0)
            Q_EMIT sigSetLog(trNet("Infrastructure communication mode is applied"));
        else if (iModeApplying == 1)
            Q_EMIT sigSetLog(trNet("AdHoc communication mode is applied"));
        else
            Q_EMIT sigSetLog(trNet("WiFi is set to off"));
    }
    return true;
}

void ClWidgetNetwork::receiveCommand(const PV_CMD& clCommand)
{
    if (handleModeOutcome(clCommand))
        return;
    // What the page did not send itself is for the tab shown, and so is the failure of a
    // question the page asked for it (the access-point list the search tab shows).
    if (ClEnvelope::sender(clCommand) != this || ClEnvelope::isOutcome(clCommand)) {
        Q_EMIT sigReceiveCommand(clCommand);
        return;
    }
    const QUuid uuidCmd = ClEnvelope::kind(clCommand);
    const QVariant clValue = clCommand.value(ClEnvelope::keyParam(2));
    if (uuidCmd == replyKind<ClTovuCommandGetWiFiOnOff>()) {
        bWifiOn = clValue.toBool();
        if (!bWifiOn) {
            slotChangeTab(2);
            sendCommand(requestKind<ClTovuCommandGetSsid>(), PV_CMD(), false, 0);
        } else {
            sendCommand(requestKind<ClTovuCommandGetWifiMode>(), PV_CMD(), false, 0);
        }
    } else if (uuidCmd == replyKind<ClTovuCommandGetWifiMode>()) {
        ulWifiMode = clValue.toUInt();
        if (ulWifiMode != ulModeInfrastructure && ulWifiMode != ulModeAdhoc)
            return;
        slotChangeTab(ulWifiMode == ulModeInfrastructure ? 0 : 1);
        sendCommand(requestKind<ClTovuCommandGetSsid>(), PV_CMD(), false, 0);
    } else if (uuidCmd == replyKind<ClTovuCommandGetSsid>()) {
        Q_EMIT sigSetCamSsid(clValue.toString());
        sendCommand(requestKind<ClTovuCommandGetAccesspointList>(), PV_CMD(), false, 0);
    } else if (uuidCmd == replyKind<ClTovuCommandGetAccesspointList>()) {
        Q_EMIT sigSetApList(clValue.value<AccesspointList>());
    }
}
