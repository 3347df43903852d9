#include "ClWidgetInfrastructure.h"

#include "ClWidgetInfrastructureApSelect.h"
#include "ClWidgetInfrastructureIp.h"
#include "ClWidgetInfrastructureManual.h"
#include "ClWidgetInfrastructureSearch.h"

#include <QStackedLayout>

namespace {
// What the sub-page shown hears: the camera's news and the user's Apply.
template <class Page>
QList<QMetaObject::Connection> wirePage(ClWidgetInfrastructure* pclOwner, Page* pclPage)
{
    return {
        QObject::connect(pclOwner, &ClWidgetInfrastructure::sigReceiveCommand, pclPage, &ClWidgetBase::slotReceiveCommand),
        QObject::connect(pclOwner, &ClWidgetInfrastructure::sigApply, pclPage, &Page::slotApply),
    };
}

// What every sub-page says, shown or not: an Apply the user left for another sub-page
// still sends its next command, reports its end and asks for the mode switch.
template <class Page> void connectOutputs(ClWidgetInfrastructure* pclOwner, Page* pclPage)
{
    QObject::connect(pclPage, &ClWidgetBase::sigSendCommand, pclOwner, &ClWidgetBase::sigSendCommand);
    QObject::connect(pclPage, &Page::sigEndSetting, pclOwner, &ClWidgetInfrastructure::sigEndSetting);
    QObject::connect(pclPage, &ClWidgetBase::sigSetLog, pclOwner, &ClWidgetBase::sigSetLog);
}
}  // namespace

ClWidgetInfrastructure::ClWidgetInfrastructure(QWidget* parent) : ClWidgetBase(parent)
{
    setObjectName(QStringLiteral("pageInfrastructure"));
    pclSearch = new ClWidgetInfrastructureSearch;
    pclManual = new ClWidgetInfrastructureManual;
    pclApSelect = new ClWidgetInfrastructureApSelect;
    pclIp = new ClWidgetInfrastructureIp;
    pclStack = new QStackedLayout(this);
    pclStack->addWidget(pclSearch);
    pclStack->addWidget(pclManual);
    pclStack->addWidget(pclApSelect);
    pclStack->addWidget(pclIp);

    connect(pclSearch, &ClWidgetInfrastructureSearch::sigChangePage, pclStack, &QStackedLayout::setCurrentIndex);
    connect(pclManual, &ClWidgetInfrastructureManual::sigChangePage, pclStack, &QStackedLayout::setCurrentIndex);
    connect(pclApSelect, &ClWidgetInfrastructureApSelect::sigChangePage, pclStack, &QStackedLayout::setCurrentIndex);
    connect(pclIp, &ClWidgetInfrastructureIp::sigChangePage, pclStack, &QStackedLayout::setCurrentIndex);
    connect(pclStack, &QStackedLayout::currentChanged, this, &ClWidgetInfrastructure::slotChangePage);
    connect(pclSearch, &ClWidgetInfrastructureSearch::sigSelectedAp, pclApSelect,
            &ClWidgetInfrastructureApSelect::slotSetSsid);
    connect(pclSearch, &ClWidgetInfrastructureSearch::sigSearchAgain, this, &ClWidgetInfrastructure::sigSearchAgain);
    connect(this, &ClWidgetInfrastructure::sigSetApList, pclSearch, &ClWidgetInfrastructureSearch::slotSetApList);
    connect(this, &ClWidgetInfrastructure::sigSetCamSsid, pclSearch, &ClWidgetInfrastructureSearch::slotSetCamSsid);
    connectOutputs(this, pclSearch);
    connectOutputs(this, pclManual);
    connectOutputs(this, pclApSelect);
    connectOutputs(this, pclIp);
    wire(pclSearch, true);
}

ClWidgetBase* ClWidgetInfrastructure::pageAt(int lPage) const
{
    return qobject_cast<ClWidgetBase*>(pclStack->widget(lPage));
}

int ClWidgetInfrastructure::currentPage() const
{
    return pclStack->currentIndex();
}

void ClWidgetInfrastructure::wire(ClWidgetBase* pclPage, bool bConnect)
{
    if (!bConnect) {
        for (const QMetaObject::Connection& clConnection : std::as_const(lstWiring))
            disconnect(clConnection);
        lstWiring.clear();
        pclWired = nullptr;
        return;
    }
    if (pclPage == pclSearch)
        lstWiring = wirePage(this, pclSearch);
    else if (pclPage == pclManual)
        lstWiring = wirePage(this, pclManual);
    else if (pclPage == pclApSelect)
        lstWiring = wirePage(this, pclApSelect);
    else if (pclPage == pclIp)
        lstWiring = wirePage(this, pclIp);
    pclWired = pclPage;
}

void ClWidgetInfrastructure::requestData(bool bIsPolling)
{
    if (pclWired)
        pclWired->requestData(bIsPolling);
}

void ClWidgetInfrastructure::setCameraInfo(qint32 lModel, QString strVersion)
{
    for (int lPage = 0; lPage < pclStack->count(); ++lPage)
        pageAt(lPage)->setCameraInfo(lModel, strVersion);
}

void ClWidgetInfrastructure::stopPolling()
{
    ClWidgetBase::stopPolling();
    if (pclWired)
        pclWired->stopPolling();
}

void ClWidgetInfrastructure::slotSetApList(AccesspointList lstPoints)
{
    Q_EMIT sigSetApList(lstPoints);
}

void ClWidgetInfrastructure::slotSetCamSsid(QString strSsid)
{
    Q_EMIT sigSetCamSsid(strSsid);
}

void ClWidgetInfrastructure::slotChangeTab()
{
    pclStack->setCurrentIndex(0);
}

void ClWidgetInfrastructure::slotChangePage(int lPage)
{
    ClWidgetBase* pclPage = pageAt(lPage);
    if (!pclPage || pclPage == pclWired)
        return;
    if (pclWired)
        pclWired->stopPolling();
    wire(nullptr, false);
    wire(pclPage, true);
    pclPage->requestData(false);
}

void ClWidgetInfrastructure::slotApply()
{
    Q_EMIT sigApply();
}

void ClWidgetInfrastructure::receiveCommand(const PV_CMD& clCommand)
{
    Q_EMIT sigReceiveCommand(clCommand);
}
