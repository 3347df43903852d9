#include "ClWidgetLiveSetting.h"

#include "ClRateRows.h"
#include "StreamText.h"
#include "protocol/TypedKinds.h"

#include <QComboBox>
#include <QVBoxLayout>

ClWidgetLiveSetting::ClWidgetLiveSetting(QWidget* parent)
    : ClWidgetRatePage(QStringLiteral("Live"), streamTr("%1 \nResolution").arg(streamTr("LiveView")),
                       {requestKind<ClTovuCommandGetLiveImagesize>(), requestKind<ClTovuCommandGetLiveFramerate>(),
                        requestKind<ClTovuCommandGetLiveBitrate>()},
                       {replyKind<ClTovuCommandGetLiveImagesize>(), replyKind<ClTovuCommandGetLiveFramerate>(),
                        replyKind<ClTovuCommandGetLiveBitrate>()},
                       {requestKind<ClTovuCommandSetLiveImagesize>(), requestKind<ClTovuCommandSetLiveFramerate>(),
                        requestKind<ClTovuCommandSetLiveBitrae>()},
                       parent)
{
    setObjectName(QStringLiteral("pageStreamLive"));
    strApplied = streamTr("%1 is applied").arg(oneLine(streamTr("Live \nviewing setting")));
    pclResolution->addItems({streamTr("Fine(800x480)"), streamTr("Standard(320x240)")});
    pclLayout->addStretch();
}

QSize ClWidgetLiveSetting::sizeOfIndex(int lIndex)
{
    return lIndex == 1 ? QSize(320, 240) : QSize(800, 480);
}

int ClWidgetLiveSetting::indexOfSize(const QSize& clSize)
{
    return clSize == QSize(320, 240) ? 1 : 0;
}

void ClWidgetLiveSetting::setCameraInfo(qint32 lModel, QString strVersion)
{
    pclRates->setAcceptedFrameRates({1, 6, 10, 15, 30}, false);
    showSupported(lModel, strVersion);
}
