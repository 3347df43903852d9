#include "ClListWidgetBase.h"

#include "ClPageListView.h"
#include "ClWidgetBase.h"
#include "resources/ClArtPalette.h"

#include <QFrame>
#include <QHBoxLayout>
#include <QStackedLayout>
#include <QStandardItemModel>
#include <QVBoxLayout>

namespace {
// 600 wide window: margins 1 + 1, a one-pixel line, the 460-pixel page area.
constexpr int lListWidth = 137;
}  // namespace

ClListWidgetBase::ClListWidgetBase(QWidget* parent) : QWidget(parent)
{
    auto* pclLayout = new QHBoxLayout(this);
    pclLayout->setContentsMargins(1, 0, 1, 0);
    pclLayout->setSpacing(0);

    pclModel = new QStandardItemModel(this);
    pclList = new ClPageListView(this);
    pclList->setObjectName(QStringLiteral("pageList"));
    pclList->setModel(pclModel);
    pclList->setFixedWidth(lListWidth);
    connect(pclList, &QAbstractItemView::pressed, this, &ClListWidgetBase::slotPageChange);
    connect(pclList, &ClPageListView::sigRowChosen, this, &ClListWidgetBase::slotPageChange);
    pclLayout->addWidget(pclList);

    auto* pclLine = new QFrame(this);
    pclLine->setObjectName(QStringLiteral("pageListLine"));
    pclLine->setFixedWidth(1);
    pclLine->setStyleSheet(QStringLiteral("background-color: %1;").arg(ClArtPalette::css(ClArtPalette::listLine())));
    pclLayout->addWidget(pclLine);

    auto* pclArea = new QWidget(this);
    pclArea->setObjectName(QStringLiteral("pageArea"));
    pclArea->setFixedWidth(lPageWidth);
    pclAreaLayout = new QVBoxLayout(pclArea);
    pclAreaLayout->setContentsMargins(0, 0, 0, 0);
    pclAreaLayout->setSpacing(0);
    pclStack = new QStackedLayout;
    pclStack->setContentsMargins(0, 0, 0, 0);
    pclAreaLayout->addLayout(pclStack);
    pclLayout->addWidget(pclArea);
}

void ClListWidgetBase::setPageHeader(QWidget* pclHeader)
{
    if (pclHeader != nullptr)
        pclAreaLayout->insertWidget(0, pclHeader);
}

void ClListWidgetBase::setCameraInfo(qint32 lModel, QString strVersion)
{
    for (int lIndex = 0; lIndex < pclStack->count(); ++lIndex) {
        if (auto* pclPage = qobject_cast<ClWidgetBase*>(pclStack->widget(lIndex)))
            pclPage->setCameraInfo(lModel, strVersion);
    }
}

void ClListWidgetBase::activate(QWidget* pclMainWidget)
{
    pclMain = pclMainWidget;
    if (ClWidgetBase* pclPage = currentWidgetBase())
        pclPage->activate(pclMain);
}

void ClListWidgetBase::deactivate(QWidget* pclMainWidget)
{
    if (ClWidgetBase* pclPage = currentWidgetBase()) {
        pclPage->deactivate(pclMainWidget);
        pclPage->stopPolling();
    }
    // Detached: a row pressed now changes the page without attaching it.
    pclMain = nullptr;
}

void ClListWidgetBase::addPage(QWidget* pclPage, QString strIcon, QString strTitle, int lPosition)
{
    if (pclPage == nullptr)
        return;
    lPosition = qBound(0, lPosition, pclModel->rowCount());
    pclPage->setMaximumWidth(lPageWidth);
    pclStack->insertWidget(lPosition, pclPage);

    QIcon clIcon;
    const QPixmap clNormal(strIcon);
    if (!clNormal.isNull())
        clIcon.addPixmap(clNormal, QIcon::Normal);
    const QPixmap clSelected(strIcon + QLatin1Char('s'));
    if (!clSelected.isNull())
        clIcon.addPixmap(clSelected, QIcon::Selected);

    auto* pclItem = new QStandardItem(clIcon, strTitle);
    pclItem->setEditable(false);
    pclItem->setSizeHint(QSize(lListWidth, ClPageListView::lRowHeight));
    pclModel->insertRow(lPosition, pclItem);
    if (pclModel->rowCount() == 1) {
        pclList->setCurrentIndex(pclModel->index(0, 0));
        pclStack->setCurrentIndex(0);
    }
}

void ClListWidgetBase::removePage(int lPosition)
{
    if (lPosition < 0 || lPosition >= pclModel->rowCount())
        return;
    QWidget* pclPage = pclStack->widget(lPosition);
    const bool bWasShown = (pclPage == pclStack->currentWidget());
    if (bWasShown) {
        if (auto* pclBase = qobject_cast<ClWidgetBase*>(pclPage)) {
            pclBase->deactivate(pclMain);
            pclBase->stopPolling();
        }
    }
    pclStack->removeWidget(pclPage);
    pclModel->removeRow(lPosition);
    pclPage->hide();
    // Later, not now: the page may be the one whose slot led here.
    pclPage->deleteLater();

    // List and stack must agree on which page is shown; the new one is attached in
    // place of the removed one.
    const int lRow = pclList->currentIndex().isValid() ? pclList->currentIndex().row() : 0;
    if (pclModel->rowCount() > 0) {
        pclList->setCurrentIndex(pclModel->index(lRow, 0));
        pclStack->setCurrentIndex(lRow);
        if (bWasShown)
            if (ClWidgetBase* pclBase = currentWidgetBase())
                pclBase->activate(pclMain);
    }
}

void ClListWidgetBase::slotPageChange(QModelIndex clIndex)
{
    if (!clIndex.isValid() || clIndex.row() >= pclStack->count())
        return;
    if (ClWidgetBase* pclPage = currentWidgetBase())
        pclPage->deactivate(pclMain);
    pclList->setCurrentIndex(clIndex);
    pclStack->setCurrentIndex(clIndex.row());
    if (ClWidgetBase* pclPage = currentWidgetBase())
        pclPage->activate(pclMain);
}

int ClListWidgetBase::pageCount() const
{
    return pclStack->count();
}

QWidget* ClListWidgetBase::page(int lPosition) const
{
    return pclStack->widget(lPosition);
}

QWidget* ClListWidgetBase::currentPage() const
{
    return pclStack->currentWidget();
}

int ClListWidgetBase::currentRow() const
{
    return pclStack->currentIndex();
}

ClWidgetBase* ClListWidgetBase::currentWidgetBase() const
{
    return qobject_cast<ClWidgetBase*>(pclStack->currentWidget());
}
