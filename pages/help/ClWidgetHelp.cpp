#include "ClWidgetHelp.h"

#include "ClDialogConnection.h"
#include "ClSettingsTransfer.h"
#include "data/ClDataFolder.h"

#include "data/ClUpdateServer.h"
#include "protocol/ClEnvelope.h"
#include "protocol/ClResultCode.h"
#include "protocol/TypedKinds.h"
#include "update/ClTovuDownload.h"

#include <QCheckBox>
#include <QDesktopServices>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPixmap>
#include <QPushButton>
#include <QUrl>
#include <QVBoxLayout>

namespace {
struct stCountry
{
    const char* pszCode;
    const char* pszName;
};

constexpr stCountry aCountries[] = {
    {"US", QT_TRANSLATE_NOOP("ClWidgetHelp", "United States")},
    {"JP", QT_TRANSLATE_NOOP("ClWidgetHelp", "Japan")},
    {"AU", QT_TRANSLATE_NOOP("ClWidgetHelp", "Australia")},
    {"EU", QT_TRANSLATE_NOOP("ClWidgetHelp", "Europe")},
};

// Named here for the catalogue; the update controller words its questions with them.
[[maybe_unused]] constexpr const char* aKindWords[] = {
    QT_TRANSLATE_NOOP("ClWidgetHelp", "Firmware"),
    QT_TRANSLATE_NOOP("ClWidgetHelp", "Software"),
};

// The queries whose failures this page reports.
bool isOwnQuery(const QUuid& uuidKind)
{
    return uuidKind == requestKind<ClTovuCommandGetFwVersion>() || uuidKind == requestKind<ClTovuCommandGetSerialNo>()
        || uuidKind == requestKind<ClTovuCommandGetMacAddress>() || uuidKind == requestKind<ClTovuCommandGetCountry>();
}

QPushButton* makeButton(const QString& strText, const QString& strObjectName, QWidget* pclParent)
{
    auto* pclButton = new QPushButton(strText, pclParent);
    pclButton->setObjectName(strObjectName);
    pclButton->setMinimumHeight(34);
    pclButton->setMinimumWidth(200);
    return pclButton;
}
}  // namespace

ClWidgetHelp::ClWidgetHelp(QWidget* parent) : ClWidgetBase(parent)
{
    setObjectName(QStringLiteral("pageHelp"));
    auto* pclLogo = new QLabel(this);
    pclLogo->setObjectName(QStringLiteral("labelLogo"));
    pclLogo->setPixmap(QPixmap(QStringLiteral(":/imglang/logo")));
    auto* pclTitle = new QLabel(tr("Maintenance Tool"), this);
    pclTitle->setObjectName(QStringLiteral("labelTitle"));
    QFont clTitleFont = pclTitle->font();
    clTitleFont.setPixelSize(18);
    clTitleFont.setWeight(QFont::Bold);
    pclTitle->setFont(clTitleFont);
    auto* pclHeader = new QHBoxLayout;
    pclHeader->addWidget(pclLogo);
    pclHeader->addWidget(pclTitle);
    pclHeader->addStretch();

    pclUpdateOwn = makeButton(tr("Version up this software"), QStringLiteral("buttonUpdateOwn"), this);
    pclFirmware = valueLabel(QStringLiteral("labelFirmwareVersion"), QStringLiteral("--"));
    pclUpdateTovu = makeButton(tr("Version up this Tovu"), QStringLiteral("buttonUpdateTovu"), this);
    pclUpdateTovu->setEnabled(false);
    pclFirmwareFile = makeButton(tr("Install firmware from a file..."), QStringLiteral("buttonFirmwareFile"), this);
    pclFirmwareFile->setEnabled(false);
    pclShowLicense = makeButton(tr("Show license"), QStringLiteral("buttonShowLicense"), this);
    auto* pclConfirm = new QLabel(tr("Confirm license"), this);
    pclConfirm->setObjectName(QStringLiteral("labelConfirmLicense"));
    pclConfirm->setWordWrap(true);
    pclSerialNo = valueLabel(QStringLiteral("labelSerialNo"), QStringLiteral("--"));
    pclMacAddress = valueLabel(QStringLiteral("labelMacAddress"), QStringLiteral("--"));
    pclCountry = valueLabel(QStringLiteral("labelCountry"), QStringLiteral("--"));
    pclAutoUpdate = new QCheckBox(tr("Post when there is a new software"), this);
    pclAutoUpdate->setObjectName(QStringLiteral("checkAutoUpdate"));
    connect(pclAutoUpdate, &QCheckBox::toggled, this, &ClWidgetHelp::sigAutoUpdateChanged);

    auto* pclGrid = new QGridLayout;
    pclGrid->setHorizontalSpacing(16);
    pclGrid->setVerticalSpacing(8);
    int lRow = 0;
    pclGrid->addWidget(captionLabel(tr("TovuSettingTool version")), lRow, 0);
    pclGrid->addWidget(valueLabel(QStringLiteral("labelToolVersion"), ClTovuDownload::toolVersion()), lRow, 1);
    pclGrid->addWidget(pclUpdateOwn, ++lRow, 1);
    pclGrid->addWidget(captionLabel(tr("Tovu firmware version")), ++lRow, 0);
    pclGrid->addWidget(pclFirmware, lRow, 1);
    pclGrid->addWidget(pclUpdateTovu, ++lRow, 1);
    pclGrid->addWidget(pclFirmwareFile, ++lRow, 1);
    pclGrid->addWidget(pclShowLicense, ++lRow, 1);
    pclGrid->addWidget(pclConfirm, ++lRow, 1);
    pclGrid->addWidget(captionLabel(tr("Serial number")), ++lRow, 0);
    pclGrid->addWidget(pclSerialNo, lRow, 1);
    pclGrid->addWidget(captionLabel(tr("MAC address")), ++lRow, 0);
    pclGrid->addWidget(pclMacAddress, lRow, 1);
    pclGrid->addWidget(captionLabel(tr("Country")), ++lRow, 0);
    pclGrid->addWidget(pclCountry, lRow, 1);
    pclGrid->setColumnStretch(2, 1);

    auto* pclLayout = new QVBoxLayout(this);
    pclLayout->setContentsMargins(24, 12, 24, 12);
    pclLayout->addLayout(pclHeader);
    pclLayout->addSpacing(8);
    pclLayout->addLayout(pclGrid);
    pclLayout->addStretch();
    auto* pclConnection = makeButton(tr("Connection settings..."), QStringLiteral("buttonConnection"), this);
    pclTransfer = new ClSettingsTransfer(this);
    pclSaveSettings = makeButton(tr("Save settings..."), QStringLiteral("buttonSaveSettings"), this);
    pclLoadSettings = makeButton(tr("Load settings..."), QStringLiteral("buttonLoadSettings"), this);
    for (QPushButton* pclButton : {pclSaveSettings, pclLoadSettings}) {
        pclButton->setMinimumWidth(130);
        pclButton->setEnabled(false);
    }
    auto* pclProfiles = new QHBoxLayout;
    pclProfiles->addStretch();
    pclProfiles->addWidget(pclSaveSettings);
    pclProfiles->addWidget(pclLoadSettings);
    pclLayout->addLayout(pclProfiles);
    auto* pclBottom = new QHBoxLayout;
    pclBottom->addWidget(pclAutoUpdate);
    pclBottom->addStretch();
    pclBottom->addWidget(pclConnection);
    pclLayout->addLayout(pclBottom);
    connect(pclConnection, &QPushButton::clicked, this, &ClWidgetHelp::slotConnectionSettings);
    connect(pclSaveSettings, &QPushButton::clicked, pclTransfer, &ClSettingsTransfer::slotSave);
    connect(pclLoadSettings, &QPushButton::clicked, pclTransfer, &ClSettingsTransfer::slotLoad);
    connect(pclTransfer, &ClSettingsTransfer::sigBusyChanged, this, [this](bool bBusy) {
        const bool bCamera = pclUpdateTovu->isEnabled();
        pclSaveSettings->setEnabled(bCamera && !bBusy);
        pclLoadSettings->setEnabled(bCamera && !bBusy);
    });

    connect(pclUpdateOwn, &QPushButton::clicked, this, &ClWidgetHelp::slotUpdateOwn);
    connect(pclUpdateTovu, &QPushButton::clicked, this, &ClWidgetHelp::slotUpdateTovu);
    connect(pclFirmwareFile, &QPushButton::clicked, this, &ClWidgetHelp::sigInstallFirmwareFile);
    connect(pclShowLicense, &QPushButton::clicked, this, &ClWidgetHelp::slotShowLicense);
}

ClWidgetHelp::~ClWidgetHelp() = default;

QLabel* ClWidgetHelp::captionLabel(const QString& strText)
{
    auto* pclLabel = new QLabel(strText, this);
    QFont clFont = pclLabel->font();
    clFont.setWeight(QFont::Bold);
    pclLabel->setFont(clFont);
    return pclLabel;
}

QLabel* ClWidgetHelp::valueLabel(const QString& strObjectName, const QString& strText)
{
    auto* pclLabel = new QLabel(strText, this);
    pclLabel->setObjectName(strObjectName);
    pclLabel->setTextInteractionFlags(Qt::TextSelectableByMouse);
    return pclLabel;
}

void ClWidgetHelp::setValue(QLabel* pclLabel, const QString& strText)
{
    pclLabel->setText(strText);
    pclLabel->adjustSize();
}

bool ClWidgetHelp::isAutoUpdateChecked() const
{
    return pclAutoUpdate->isChecked();
}

void ClWidgetHelp::setAutoUpdateChecked(bool bChecked)
{
    pclAutoUpdate->setChecked(bChecked);
}

void ClWidgetHelp::setCameraInfo(qint32 lModel, QString strVersion)
{
    const bool bCamera = lModel != -1;
    setValue(pclFirmware, bCamera ? strVersion : QStringLiteral("--"));
    pclUpdateTovu->setEnabled(bCamera);
    pclFirmwareFile->setEnabled(bCamera);
    pclTransfer->setCamera(lModel, strVersion);
    pclSaveSettings->setEnabled(bCamera && !pclTransfer->isBusy());
    pclLoadSettings->setEnabled(bCamera && !pclTransfer->isBusy());
    // The page may stay shown without a camera: nothing of the one gone stays on it.
    if (!bCamera) {
        for (QLabel* pclLabel : {pclSerialNo, pclMacAddress, pclCountry})
            setValue(pclLabel, QStringLiteral("--"));
    }
}

void ClWidgetHelp::requestData(bool)
{
    for (QLabel* pclLabel : {pclSerialNo, pclMacAddress, pclCountry})
        setValue(pclLabel, QStringLiteral("--"));
    sendCommand(requestKind<ClTovuCommandGetSerialNo>(), PV_CMD(), false, 0);
}

QString ClWidgetHelp::countryName(const QString& strCode)
{
    const QString strUpper = strCode.toUpper();
    for (const stCountry& stEntry : aCountries) {
        if (strUpper == QLatin1String(stEntry.pszCode))
            return tr(stEntry.pszName);
    }
    return strUpper;
}

void ClWidgetHelp::receiveCommand(const PV_CMD& clCommand)
{
    pclTransfer->receive(clCommand);
    const QUuid uuidCmd = ClEnvelope::kind(clCommand);
    const QString strValue = clCommand.value(ClEnvelope::keyParam(2)).toString();
    if (uuidCmd == replyKind<ClTovuCommandGetSerialNo>()) {
        setValue(pclSerialNo, strValue);
        pclTransfer->setSerialNumber(strValue);
        sendCommand(requestKind<ClTovuCommandGetMacAddress>(), PV_CMD(), false, 0);
    } else if (uuidCmd == replyKind<ClTovuCommandGetMacAddress>()) {
        setValue(pclMacAddress, strValue);
        sendCommand(requestKind<ClTovuCommandGetCountry>(), PV_CMD(), false, 0);
    } else if (uuidCmd == replyKind<ClTovuCommandGetCountry>()) {
        setValue(pclCountry, countryName(strValue));
    } else if (ClEnvelope::isCompletion(clCommand)) {
        if (ClEnvelope::resultCode(clCommand) != 0 && isOwnQuery(ClEnvelope::executedKind(clCommand)))
            showCommandError(ClEnvelope::resultCode(clCommand));
    } else if (ClEnvelope::isErrorNotice(clCommand)) {
        // A camera that answers with transport errors is still there to be updated.
        if (pclUpdateOwn->isEnabled() && !pclUpdateTovu->isEnabled())
            pclUpdateTovu->setEnabled(true);
        const quint16 usCode = ClEnvelope::resultCode(clCommand);
        if (usCode != ClResultCode::usNoCamera && isOwnQuery(ClEnvelope::executedKind(clCommand)))
            showCommandError(usCode);
    }
}

void ClWidgetHelp::slotUpdateOwn()
{
    Q_EMIT sigUpdate(0);
}

void ClWidgetHelp::slotUpdateTovu()
{
    Q_EMIT sigUpdate(1);
}

QUrl ClWidgetHelp::licenseUrl(QLocale::Language eLanguage)
{
    QString strCode = QStringLiteral("eng");
    if (eLanguage == QLocale::Chinese)
        strCode = QStringLiteral("chn");
    else if (eLanguage == QLocale::Japanese)
        strCode = QStringLiteral("jpn");
    return QUrl(ClUpdateServer::url() + QStringLiteral("license/license_%1.html").arg(strCode));
}

void ClWidgetHelp::slotShowLicense()
{
    QDesktopServices::openUrl(licenseUrl(QLocale::system().language()));
}

void ClWidgetHelp::slotConnectionSettings()
{
    ClDialogConnection clDialog(ClDataFolder::networkFile(), pclAutoUpdate->isChecked(), this);
    if (clDialog.exec() == QDialog::Accepted)
        pclAutoUpdate->setChecked(clDialog.isAutoUpdate());
}
