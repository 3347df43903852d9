#include "ClWidgetRecSetting.h"

#include "ClRateRows.h"
#include "settings/ClStreamRates.h"
#include "StreamText.h"
#include "framework/ClMessageBox.h"
#include "protocol/ClResultCode.h"
#include "protocol/TypedKinds.h"

#include <QComboBox>
#include <QGridLayout>
#include <QLabel>
#include <QVBoxLayout>

namespace {
const char* const pszStandard = QT_TRANSLATE_NOOP("ClWidgetStreamSetting", "Standard(320x240)");
}  // namespace

ClWidgetRecSetting::ClWidgetRecSetting(QWidget* parent)
    : ClWidgetRatePage(QStringLiteral("Rec"), streamTr("%1 \nResolution").arg(streamTr("Rec")),
                       {requestKind<ClTovuCommandGetRecImagesize>(), requestKind<ClTovuCommandGetRecFramerate>(),
                        requestKind<ClTovuCommandGetRecBitrate>()},
                       {replyKind<ClTovuCommandGetRecImagesize>(), replyKind<ClTovuCommandGetRecFramerate>(),
                        replyKind<ClTovuCommandGetRecBitrate>()},
                       {requestKind<ClTovuCommandSetRecImagesize>(), requestKind<ClTovuCommandSetRecFramerate>(),
                        requestKind<ClTovuCommandSetRecBitRate>()},
                       parent)
{
    setObjectName(QStringLiteral("pageStreamRec"));
    strApplied = streamTr("%1 is applied").arg(oneLine(streamTr("Recording \nsetting")));
    pclResolution->addItems({streamTr("Full HD(1920x1080)"), streamTr("HD(1280x720)"), streamTr("Economy(640x480)")});

    pclSdRow = new QWidget(this);
    auto* pclSdLabel = new QLabel(streamTr("SD card Size"), pclSdRow);
    pclSdSize = new QComboBox(pclSdRow);
    pclSdSize->setObjectName(QStringLiteral("comboSdSize"));
    pclSdSize->addItems({QStringLiteral("2G"), QStringLiteral("4G"), QStringLiteral("8G"), QStringLiteral("16G"),
                         QStringLiteral("32G")});
    pclEstimate = new QLabel(pclSdRow);
    pclEstimate->setObjectName(QStringLiteral("labelRecEstimate"));
    auto* pclNote = new QLabel(streamTr("*Recording time varies depending on your environment"), pclSdRow);
    pclNote->setObjectName(QStringLiteral("labelRecNote"));
    pclNote->setWordWrap(true);
    QFont clSmall = pclNote->font();
    clSmall.setPixelSize(11);
    pclNote->setFont(clSmall);
    auto* pclSdGrid = new QGridLayout(pclSdRow);
    pclSdGrid->setContentsMargins(0, 0, 0, 0);
    pclSdGrid->setVerticalSpacing(2);
    pclSdGrid->addWidget(pclSdLabel, 0, 0);
    pclSdGrid->addWidget(pclSdSize, 0, 1);
    pclSdGrid->addWidget(pclEstimate, 0, 2);
    pclSdGrid->addWidget(pclNote, 1, 0, 1, 3);
    pclSdGrid->setColumnStretch(2, 1);

    pclLayout->addWidget(pclSdRow);
    pclLayout->addStretch();

    connect(pclRates, &ClRateRows::sigFrameRateChanged, this, &ClWidgetRecSetting::slotChangeRange);
    connect(pclRates, &ClRateRows::sigBitRateChanged, this, &ClWidgetRecSetting::slotChangeBitRate);
    connect(pclSdSize, qOverload<int>(&QComboBox::currentIndexChanged), this, &ClWidgetRecSetting::slotChangeSDSize);
    connect(pclResolution, qOverload<int>(&QComboBox::currentIndexChanged), this, &ClWidgetRecSetting::slotChangeRange);
    connect(pclRates, &ClRateRows::sigFrameRateChanged, this, &ClWidgetRecSetting::slotChangeFrameRate);

    pclSdRow->setVisible(false);
    slotChangeSDSize(0);
    slotChangeRange();
}

QSize ClWidgetRecSetting::sizeOfIndex(int lIndex)
{
    switch (lIndex) {
    case 1:
        return QSize(1280, 720);
    case 2:
        return QSize(640, 480);
    case 3:
        return QSize(320, 240);
    default:
        return QSize(1920, 1080);
    }
}

int ClWidgetRecSetting::indexOfSize(const QSize& clSize)
{
    if (clSize == QSize(1280, 720))
        return 1;
    if (clSize == QSize(640, 480))
        return 2;
    if (clSize == QSize(320, 240))
        return 3;
    return 0;
}

int ClWidgetRecSetting::maximumBitRate() const
{
    return pclRates->maximumBitRate();
}

void ClWidgetRecSetting::setCameraInfo(qint32 lModel, QString strVersion)
{
    const int lStandard = pclResolution->findText(streamTr(pszStandard));
    if (lModel == 0) {
        if (lStandard >= 0)
            pclResolution->removeItem(lStandard);
        pclRates->setAcceptedFrameRates({1, 6, 10, 15, 30}, false);
    } else if (lModel == 1) {
        if (lStandard < 0)
            pclResolution->addItem(streamTr(pszStandard));
        pclRates->setAcceptedFrameRates({1, 5, 10, 15, 30}, true);
    }
    showSupported(lModel, strVersion);
    // The estimate is of the camera's bit rate; without one it would be of nothing.
    pclSdRow->setVisible(isSupported(ClRateCommands::BitRate));
}

bool ClWidgetRecSetting::explainFailedSet(quint16 usCode)
{
    // A recording camera refuses all three changes alike; each says why, not "timeout".
    if (usCode != ClResultCode::usRefused)
        return false;
    if (!bRecordingBoxShown) {
        bRecordingBoxShown = true;
        ClMessageBox clBox(this, streamTr("Set failed for recording"), ClMessageBox::applicationTitle(),
                           QMessageBox::Ok);
        clBox.exec();
    }
    return true;
}

void ClWidgetRecSetting::slotApply()
{
    bRecordingBoxShown = false;
    ClWidgetRatePage::slotApply();
}

bool ClWidgetRecSetting::mayApplyBitRate()
{
    if (!ClStreamRates::isForbidden(pclResolution->currentIndex(), pclRates->frameRateEditNumber(),
                                    pclRates->bitRateEditNumber()))
        return true;
    ClMessageBox clBox(this, streamTr("This bit rate can not be set"), ClMessageBox::applicationTitle(),
                       QMessageBox::Ok);
    clBox.exec();
    return false;
}

void ClWidgetRecSetting::slotChangeBitRate(int)
{
    updateEstimate();
    updateEditColour();
}

void ClWidgetRecSetting::slotChangeFrameRate()
{
    updateEditColour();
}

void ClWidgetRecSetting::slotChangeSDSize(int lIndex)
{
    llSdCapacity = ClStreamRates::sdCapacityOf(lIndex);
    updateEstimate();
}

void ClWidgetRecSetting::slotChangeRange()
{
    pclRates->setMaximumBitRate(ClStreamRates::maximumBitRate(pclResolution->currentIndex(), pclRates->frameRate()));
    updateEditColour();
}

void ClWidgetRecSetting::updateEstimate()
{
    pclEstimate->setText(ClStreamRates::estimateText(ClStreamRates::estimate(llSdCapacity, pclRates->bitRate())));
}

void ClWidgetRecSetting::updateEditColour()
{
    pclRates->setBitRateEditForbidden(ClStreamRates::isForbidden(
        pclResolution->currentIndex(), pclRates->frameRateEditNumber(), pclRates->bitRateEditNumber()));
}
