#include "ClWidgetInfrastructureSearch.h"

#include "ClNetworkReport.h"
#include "ClSsidText.h"
#include "ClWidgetApInfo.h"
#include "ClWidgetApList.h"
#include "NetworkLook.h"
#include "protocol/ClCameraModel.h"
#include "protocol/ClEnvelope.h"
#include "protocol/ClResultCode.h"
#include "protocol/TypedKinds.h"
#include "resources/ClArtPalette.h"

#include <QHash>
#include <QLabel>
#include <QPushButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QVBoxLayout>

using NetworkLook::trNet;

namespace {
constexpr quint32 ulNotLinked = 1;
}

ClWidgetInfrastructureSearch::ClWidgetInfrastructureSearch(QWidget* parent) : ClWidgetBase(parent)
{
    setObjectName(QStringLiteral("pageInfraSearch"));
    auto* pclTitle = new QLabel(trNet("Display list that can connect AP"), this);
    pclTitle->setObjectName(QStringLiteral("labelSearchTitle"));
    pclTitle->move(15, 32);
    pclTitle->adjustSize();

    auto* pclManual = new QPushButton(trNet("AP manual setting"), this);
    pclManual->setObjectName(QStringLiteral("buttonApManual"));
    pclManual->adjustSize();
    pclManual->move(445 - pclManual->width(), 28);
    connect(pclManual, &QPushButton::clicked, this, &ClWidgetInfrastructureSearch::slotClickManual);

    pclScroll = new QScrollArea(this);
    pclScroll->setObjectName(QStringLiteral("scrollAp"));
    pclScroll->setGeometry(0, 62, 450, 232);
    pclScroll->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    pclScroll->setStyleSheet(QStringLiteral("QScrollArea{border: 1px solid rgb(136, 140, 145); background-color: ")
                             + ClArtPalette::css(ClArtPalette::list()) + QStringLiteral(";}"));
    pclList = new ClWidgetApList;
    pclScroll->setWidget(pclList);

    auto* pclAgain = new QPushButton(QCoreApplication::translate("QObject", "Research"), this);
    pclAgain->setObjectName(QStringLiteral("buttonSearchAgain"));
    pclAgain->adjustSize();
    pclAgain->move(445 - pclAgain->width(), 302);
    connect(pclAgain, &QPushButton::clicked, this, [this] {
        // A search the user asked for is reported when it fails, whatever polling showed.
        resetError();
        Q_EMIT sigSearchAgain();
    });
}

void ClWidgetInfrastructureSearch::requestData(bool bIsPolling)
{
    if (!bIsPolling) {
        startPolling();
        // Reload or a new visit: only what the camera says from now on marks a network as
        // joined; the rows change when its answer comes.
        forgetJoined();
    }
    sendCommand(requestKind<ClTovuCommandGetWifiInfo>(), PV_CMD(), false, 0);
}

void ClWidgetInfrastructureSearch::setCameraInfo(qint32 lModel, QString)
{
    if (lModel != ClCameraModel::None)
        return;
    // The camera is gone: none of its networks stay on screen for the next one.
    lstAccessPoints.clear();
    strCamSsid.clear();
    forgetJoined();
    rebuild();
}

void ClWidgetInfrastructureSearch::forgetJoined()
{
    strConnectedSsid.clear();
    ulConnectedEncryption = 0;
    ulConnectedSignal = 0;
    bConnectedSendable = true;
}

void ClWidgetInfrastructureSearch::slotSetCamSsid(QString strSsid)
{
    strCamSsid = strSsid;
}

void ClWidgetInfrastructureSearch::slotSetApList(AccesspointList lstPoints)
{
    lstAccessPoints = lstPoints.mid(0, lMaxRows);
    rebuild();
}

void ClWidgetInfrastructureSearch::rebuild()
{
    const int lScroll = pclScroll->verticalScrollBar()->value();
    pclScroll->hide();
    // The new list and its rows are made where they stay, and the old list goes when the
    // new one is set: taking the old list out, or moving a list made outside in, would
    // re-parent every row (fonts, palette, style sheet), most of a rebuild's time, and a
    // rebuild comes with every answer to the polling.
    pclList = new ClWidgetApList(pclScroll->viewport());

    auto connectRow = [this](ClWidgetApInfo* pclRow) {
        connect(pclRow, &ClWidgetApInfo::sigSelect, this, &ClWidgetInfrastructureSearch::slotSelect);
        connect(pclRow, &ClWidgetApInfo::sigClickBtn, this, &ClWidgetInfrastructureSearch::slotClickDhcp);
        pclList->addRow(pclRow);
    };
    // The camera's own name is what it reports while it runs its own (ad hoc) network.
    const bool bShowConnected = !strConnectedSsid.isEmpty() && strConnectedSsid != strCamSsid;
    bShowsJoined = bShowConnected;
    if (bShowConnected) {
        connectRow(new ClWidgetApInfo(strConnectedSsid, ulConnectedEncryption, ulConnectedSignal, true,
                                      bConnectedSendable, pclList));
    }

    // One row per name: joining goes by name, so several access points of one network are
    // one choice, shown with the strongest signal (the smaller number).
    struct Entry
    {
        QString strSsid;
        bool bSendable = true;
        quint32 ulEncryption = 0;
        quint32 ulSignal = 0;
    };
    QList<Entry> lstEntries;
    QHash<QString, int> hashIndex;
    for (const stAccesspoint& stPoint : std::as_const(lstAccessPoints)) {
        Entry stEntry;
        stEntry.strSsid = ClSsidText::fromCamera(stPoint.strSsid, &stEntry.bSendable);
        if (stEntry.strSsid.isEmpty() || (bShowConnected && stEntry.strSsid == strConnectedSsid))
            continue;
        stEntry.ulEncryption = stPoint.ulEncryption;
        stEntry.ulSignal = stPoint.ulSignal;
        const auto it = hashIndex.constFind(stEntry.strSsid);
        if (it == hashIndex.constEnd()) {
            hashIndex.insert(stEntry.strSsid, int(lstEntries.size()));
            lstEntries.append(stEntry);
        } else if (stEntry.ulSignal != 0
                   && (lstEntries[*it].ulSignal == 0 || stEntry.ulSignal < lstEntries[*it].ulSignal)) {
            lstEntries[*it] = stEntry;
        }
    }
    for (const Entry& stEntry : std::as_const(lstEntries))
        connectRow(new ClWidgetApInfo(stEntry.strSsid, stEntry.ulEncryption, stEntry.ulSignal, false, stEntry.bSendable,
                                      pclList));

    pclList->resize(pclList->sizeHint());
    pclScroll->setWidget(pclList);
    pclScroll->show();
    pclScroll->verticalScrollBar()->setValue(lScroll);
}

void ClWidgetInfrastructureSearch::slotSelect(QString strSsid, bool bEncrypted)
{
    Q_EMIT sigSelectedAp(strSsid);
    if (bEncrypted) {
        Q_EMIT sigChangePage(2);
        return;
    }
    // Each choice is an action of its own: its failure (or its mode switch's) is reported
    // once, whatever an earlier choice showed.
    ClNetworkReport::arm();
    PV_CMD clArgs;
    clArgs.insert(ClEnvelope::keyParam(2), strSsid);
    sendCommand(requestKind<ClTovuCommandSetInfraSsid>(), clArgs, false, 0);
}

void ClWidgetInfrastructureSearch::slotClickManual()
{
    Q_EMIT sigChangePage(1);
}

void ClWidgetInfrastructureSearch::slotClickDhcp()
{
    Q_EMIT sigChangePage(3);
}

void ClWidgetInfrastructureSearch::slotApply()
{
    resetError();
    Q_EMIT sigEndSetting();
}

void ClWidgetInfrastructureSearch::receiveCommand(const PV_CMD& clCommand)
{
    if (ClEnvelope::kind(clCommand) == replyKind<ClTovuCommandGetWifiInfo>()) {
        // 0 and 1 ("Not link", as the camera state page reads it) are no link: the camera
        // has left the network it was joined to (or failed to join the one it was given).
        if (clCommand.value(ClEnvelope::keyParam(2)).toUInt() <= ulNotLinked) {
            forgetJoined();
            if (bShowsJoined)
                rebuild();
            return;
        }
        strConnectedSsid
            = ClSsidText::fromCamera(clCommand.value(ClEnvelope::keyParam(3)).toString(), &bConnectedSendable);
        ulConnectedEncryption = clCommand.value(ClEnvelope::keyParam(6)).toUInt();
        ulConnectedSignal = clCommand.value(ClEnvelope::keyParam(8)).toUInt();
        rebuild();
        return;
    }
    if (!ClEnvelope::isOutcome(clCommand))
        return;
    const QUuid uuidExecuted = ClEnvelope::executedKind(clCommand);
    const quint16 usCode = ClEnvelope::resultCode(clCommand);
    if (uuidExecuted == requestKind<ClTovuCommandSetInfraSsid>()) {
        if (usCode == ClResultCode::usSuccess) {
            Q_EMIT sigEndSetting();
        } else if (!ClEnvelope::isCameraGone(clCommand)) {
            stopPolling();
            if (ClNetworkReport::take())
                showCommandError(usCode);
        }
        return;
    }
    if ((uuidExecuted == requestKind<ClTovuCommandGetWifiInfo>()
         || uuidExecuted == requestKind<ClTovuCommandGetAccesspointList>())
        && usCode != ClResultCode::usSuccess && usCode != ClResultCode::usNoCamera)
        showCommandError(usCode);
}
