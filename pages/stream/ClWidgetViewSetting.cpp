#include "ClWidgetViewSetting.h"

#include "ClSliderStyle.h"
#include "StreamText.h"
#include "protocol/ClEnvelope.h"
#include "protocol/ClResultCode.h"
#include "protocol/SupportedCommands.h"
#include "protocol/TypedKinds.h"
#include "settings/ClSettingRules.h"
#include "settings/ClSettingCodes.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QSlider>
#include <QVBoxLayout>

ClWidgetViewSetting::ClWidgetViewSetting(QWidget* parent) : ClWidgetBase(parent)
{
    setObjectName(QStringLiteral("pageStreamView"));
    strApplied = streamTr("%1 is applied").arg(oneLine(streamTr("Common \nmovie setting")));

    pclQualityRow = new QWidget(this);
    auto* pclBrightness = new QLabel(streamTr("Brightness setting"), pclQualityRow);
    auto* pclContrast = new QLabel(streamTr("Contrast setting"), pclQualityRow);
    auto* pclLight = new QLabel(streamTr("Light"), pclQualityRow);
    auto* pclDark = new QLabel(streamTr("Dark"), pclQualityRow);
    pclQuality = new QSlider(Qt::Horizontal, pclQualityRow);
    pclQuality->setObjectName(QStringLiteral("sliderQuality"));
    auto* pclStyle = new ClSliderStyle(QStringLiteral("contrast"));
    pclStyle->setParent(pclQuality);
    pclQuality->setStyle(pclStyle);
    pclQuality->setRange(ClSettingRules::lMinImageQuality, ClSettingRules::lMaxImageQuality);
    pclQuality->setPageStep(1);
    pclQuality->setMinimumWidth(300);
    // One slider for both: light and low contrast at one end, dark and high at the other.
    pclQuality->setAccessibleName(streamTr("Brightness setting"));
    pclQuality->setAccessibleDescription(streamTr("Contrast setting"));
    auto* pclSliderRow = new QHBoxLayout;
    pclSliderRow->addWidget(pclLight);
    pclSliderRow->addWidget(pclQuality, 1);
    pclSliderRow->addWidget(pclDark);
    auto* pclQualityLayout = new QVBoxLayout(pclQualityRow);
    pclQualityLayout->setContentsMargins(0, 0, 0, 0);
    pclQualityLayout->setSpacing(4);
    pclQualityLayout->addWidget(pclBrightness, 0, Qt::AlignLeft);
    pclQualityLayout->addWidget(pclContrast, 0, Qt::AlignLeft);
    pclQualityLayout->addLayout(pclSliderRow);

    pclRotation = new QGroupBox(streamTr("Image rotation setting"), this);
    pclRotation->setObjectName(QStringLiteral("groupRotation"));
    auto* pclRotationText = new QLabel(streamTr("Please set the Rotation of the image"), pclRotation);
    pclNormal = new QRadioButton(streamTr("Rotate normally"), pclRotation);
    pclNormal->setObjectName(QStringLiteral("radioRotateNormal"));
    pclRotated = new QRadioButton(streamTr("Rotate 180 degrees"), pclRotation);
    pclRotated->setObjectName(QStringLiteral("radioRotate180"));
    pclNormal->setChecked(true);
    auto* pclRadios = new QHBoxLayout;
    pclRadios->addWidget(pclNormal);
    pclRadios->addWidget(pclRotated);
    pclRadios->addStretch();
    auto* pclRotationLayout = new QVBoxLayout(pclRotation);
    pclRotationLayout->setContentsMargins(10, 4, 10, 6);
    pclRotationLayout->setSpacing(4);
    pclRotationLayout->addWidget(pclRotationText);
    pclRotationLayout->addLayout(pclRadios);
    pclRotation->setVisible(false);

    pclCapture = new QPushButton(streamTr("Capture"), this);
    pclCapture->setObjectName(QStringLiteral("buttonCapture"));
    pclCapture->setMinimumSize(120, 34);

    auto* pclLayout = new QVBoxLayout(this);
    pclLayout->setContentsMargins(14, 6, 14, 4);
    pclLayout->setSpacing(8);
    pclLayout->addWidget(pclQualityRow);
    pclLayout->addWidget(pclRotation);
    pclLayout->addWidget(pclCapture, 0, Qt::AlignRight);
    pclLayout->addStretch();

    connect(pclCapture, &QPushButton::clicked, this, &ClWidgetViewSetting::sigCapture);
}

namespace {
constexpr qint64 llNormal = ClSettingCodes::llRotationNormal;
constexpr qint64 llRotated = ClSettingCodes::llRotation180;
}  // namespace

void ClWidgetViewSetting::setCameraInfo(qint32 lModel, QString strVersion)
{
    if (lModel < 0) {
        // The camera is gone: the page shows nothing of it to the next one.
        pclQuality->setValue(pclQuality->minimum());
        pclNormal->setChecked(true);
        llCurrentQuality = -1;
        llCurrentRotation = 0;
    }
    lstSupported = supportedCommands(lModel, strVersion);
    pclQualityRow->setVisible(lstSupported.contains(requestKind<ClTovuCommandGetImageQuarity>()));
    pclRotation->setVisible(lstSupported.contains(requestKind<ClTovuCommandGetRotate180>()));
}

void ClWidgetViewSetting::requestData(bool)
{
    if (lstSupported.contains(requestKind<ClTovuCommandGetImageQuarity>()))
        sendCommand(requestKind<ClTovuCommandGetImageQuarity>(), PV_CMD(), false, 0);
    else
        askRotation();
}

void ClWidgetViewSetting::askRotation()
{
    if (!pclRotation->isHidden())
        sendCommand(requestKind<ClTovuCommandGetRotate180>(), PV_CMD(), false, 0);
}

bool ClWidgetViewSetting::isOwnCommand(const QUuid& uuidKind) const
{
    return uuidKind == requestKind<ClTovuCommandGetImageQuarity>()
        || uuidKind == requestKind<ClTovuCommandGetRotate180>()
        || uuidKind == requestKind<ClTovuCommandSetImageQuarity>()
        || uuidKind == requestKind<ClTovuCommandSetRotate180>();
}

void ClWidgetViewSetting::receiveCommand(const PV_CMD& clCommand)
{
    const QUuid uuidCmd = ClEnvelope::kind(clCommand);
    const QVariant clValue = clCommand.value(ClEnvelope::keyParam(2));
    if (uuidCmd == replyKind<ClTovuCommandGetImageQuarity>()) {
        // An odd quality shows at the nearer end, which Apply then writes.
        llCurrentQuality = clValue.toLongLong();
        pclQuality->setValue(
            int(qBound(qint64(pclQuality->minimum()), llCurrentQuality, qint64(pclQuality->maximum()))));
        askRotation();
    } else if (uuidCmd == replyKind<ClTovuCommandGetRotate180>()) {
        // An odd rotation leaves the choice as it was, which Apply then writes.
        llCurrentRotation = clValue.toLongLong();
        if (llCurrentRotation == llNormal)
            pclNormal->setChecked(true);
        else if (llCurrentRotation == llRotated)
            pclRotated->setChecked(true);
    } else if (ClEnvelope::isOutcome(clCommand)) {
        const QUuid uuidExecuted = ClEnvelope::executedKind(clCommand);
        if (!isOwnCommand(uuidExecuted))
            return;
        const quint16 usCode = ClEnvelope::resultCode(clCommand);
        if (ClEnvelope::isErrorNotice(clCommand)) {
            if (usCode != ClResultCode::usNoCamera)
                showCommandError(usCode);
            return;
        }
        if (usCode == ClResultCode::usSuccess) {
            if (uuidExecuted == requestKind<ClTovuCommandSetImageQuarity>())
                llCurrentQuality = lPendingQuality;
            else if (uuidExecuted == requestKind<ClTovuCommandSetRotate180>())
                llCurrentRotation = llPendingRotation;
            return;
        }
        stopPolling();
        showCommandError(usCode);
    }
}

void ClWidgetViewSetting::slotApply()
{
    if (!pclQualityRow->isHidden() && pclQuality->value() != llCurrentQuality) {
        lPendingQuality = pclQuality->value();
        PV_CMD clArgs;
        clArgs.insert(ClEnvelope::keyParam(2), lPendingQuality);
        sendCommand(requestKind<ClTovuCommandSetImageQuarity>(), clArgs, true, 0);
    }
    const qint64 llRotation = pclRotated->isChecked() ? llRotated : llNormal;
    if (!pclRotation->isHidden() && llRotation != llCurrentRotation) {
        llPendingRotation = llRotation;
        PV_CMD clArgs;
        clArgs.insert(ClEnvelope::keyParam(2), int(llRotation));
        sendCommand(requestKind<ClTovuCommandSetRotate180>(), clArgs, true, 0);
    }
}
