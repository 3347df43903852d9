#include "ClWidgetStreamSetting.h"

#include "ClWidgetInterval.h"
#include "ClWidgetLiveSetting.h"
#include "ClWidgetRecSetting.h"
#include "ClWidgetStreamBase.h"
#include "ClWidgetViewSetting.h"
#include "framework/ClPageHost.h"
#include "protocol/SupportedCommands.h"
#include "protocol/TypedKinds.h"

namespace {
constexpr int lIntervalRow = 3;
}  // namespace

ClWidgetStreamSetting::ClWidgetStreamSetting(QWidget* parent) : ClListWidgetBase(parent)
{
    setObjectName(QStringLiteral("pageStream"));
    pclPreview = new ClWidgetStreamBase(this);
    pclPreview->setFixedHeight(lPreviewHeight);
    setPageHeader(pclPreview);

    pclView = new ClWidgetViewSetting;
    connect(pclView, &ClWidgetViewSetting::sigCapture, pclPreview, &ClWidgetStreamBase::slotCapture);
    addPage(pclView, QStringLiteral(":/move/live"), tr("Common \nmovie setting"), 0);
    addPage(new ClWidgetRecSetting, QStringLiteral(":/move/record"), tr("Recording \nsetting"), 1);
    addPage(new ClWidgetLiveSetting, QStringLiteral(":/move/video"), tr("Live \nviewing setting"), 2);
}

ClWidgetInterval* ClWidgetStreamSetting::intervalPage() const
{
    return pclInterval.data();
}

void ClWidgetStreamSetting::setCameraInfo(qint32 lModel, QString strVersion)
{
    const bool bInterval = supportedCommands(lModel, strVersion).contains(requestKind<ClTovuCommandGetIntervalTimer>());
    if (bInterval && pclInterval.isNull()) {
        pclInterval = new ClWidgetInterval;
        addPage(pclInterval, QStringLiteral(":/move/record"), tr("Interval setting"), lIntervalRow);
    } else if (!bInterval && !pclInterval.isNull()) {
        removePage(lIntervalRow);
        pclInterval = nullptr;
    }
    pclPreview->setCameraInfo(lModel, strVersion);
    ClListWidgetBase::setCameraInfo(lModel, strVersion);
}

void ClWidgetStreamSetting::activate(QWidget* pclMain)
{
    ClListWidgetBase::activate(pclMain);
    auto* pclPageHost = qobject_cast<ClPageHost*>(pclMain);
    if (pclPageHost == nullptr)
        return;
    // The preview hears the camera beside the page shown; Reload and Apply stay the page's.
    connect(pclPageHost, &ClPageHost::sigReceiveCommand, pclPreview, &ClWidgetBase::slotReceiveCommand,
            Qt::UniqueConnection);
    connect(pclPreview, &ClWidgetBase::sigSendCommand, pclPageHost, &ClPageHost::slotSendCommand, Qt::UniqueConnection);
    pclPreview->start();
}

void ClWidgetStreamSetting::deactivate(QWidget* pclMain)
{
    pclPreview->stop();
    if (auto* pclPageHost = qobject_cast<ClPageHost*>(pclMain)) {
        disconnect(pclPageHost, &ClPageHost::sigReceiveCommand, pclPreview, &ClWidgetBase::slotReceiveCommand);
        disconnect(pclPreview, &ClWidgetBase::sigSendCommand, pclPageHost, &ClPageHost::slotSendCommand);
    }
    ClListWidgetBase::deactivate(pclMain);
}
