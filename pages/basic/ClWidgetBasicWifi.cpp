#include "ClWidgetBasicWifi.h"

#include "BasicLook.h"
#include "protocol/ClEnvelope.h"
#include "protocol/ClResultCode.h"
#include "protocol/TypedKinds.h"
#include "settings/ClSettingRules.h"
#include "settings/ClSettingCodes.h"

#include <QComboBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QSpinBox>
#include <QVBoxLayout>

using BasicLook::trBasic;

namespace {
// Combo index + 1 is the country's code.
constexpr const char* aCountries[] = {
    QT_TRANSLATE_NOOP("ClWidgetBasicSetting", "Japan"),
    QT_TRANSLATE_NOOP("ClWidgetBasicSetting", "United States,Canada,Taiwan"),
    QT_TRANSLATE_NOOP("ClWidgetBasicSetting", "EU"),
    QT_TRANSLATE_NOOP("ClWidgetBasicSetting", "Auto"),
};
constexpr int lCountryCount = ClSettingCodes::lCountryCount;
constexpr qint32 lCountryAuto = ClSettingCodes::lCountryAuto;
static_assert(sizeof(aCountries) / sizeof(aCountries[0]) == lCountryCount, "one name for each country code");

bool isOwn(const QUuid& uuidKind)
{
    return uuidKind == requestKind<ClTovuCommandGetWifiCountry>()
        || uuidKind == requestKind<ClTovuCommandGetAutoWiFiOffSetting>()
        || uuidKind == requestKind<ClTovuCommandSetWifiCountry>()
        || uuidKind == requestKind<ClTovuCommandSetAutoWiFiOffSetting>();
}
}  // namespace

ClWidgetBasicWifi::ClWidgetBasicWifi(QWidget* parent) : ClWidgetBase(parent)
{
    setObjectName(QStringLiteral("pageBasicWifi"));
    strApplied = trBasic("%1 is applied").arg(trBasic("Wifi settings"));

    auto* pclCountryGroup = BasicLook::groupBox(QString(), QStringLiteral("groupWifiCountry"), false, this);
    pclCountry = new QComboBox(pclCountryGroup);
    pclCountry->setObjectName(QStringLiteral("comboWifiCountry"));
    for (const char* pszCountry : aCountries)
        pclCountry->addItem(trBasic(pszCountry));
    auto* pclCountryLayout = new QVBoxLayout(pclCountryGroup);
    pclCountryLayout->setContentsMargins(16, 0, 16, 0);
    pclCountryLayout->addWidget(new QLabel(trBasic("Wi-Fi country"), pclCountryGroup));
    pclCountryLayout->addWidget(pclCountry);

    pclAutoOff = BasicLook::groupBox(trBasic("Setting auto Wi-Fi off"), QStringLiteral("groupAutoWifiOff"), true, this);
    pclMinutes = new QSpinBox(pclAutoOff);
    pclMinutes->setObjectName(QStringLiteral("spinAutoOffMinutes"));
    pclMinutes->setRange(ClSettingRules::lMinAutoWifiOffMinutes, ClSettingRules::lMaxAutoWifiOffMinutes);
    pclMinutes->setAlignment(Qt::AlignRight);
    connect(pclAutoOff, &QGroupBox::toggled, pclMinutes, &QWidget::setEnabled);
    auto* pclAutoOffLayout = new QHBoxLayout(pclAutoOff);
    pclAutoOffLayout->setContentsMargins(16, 8, 16, 0);
    pclAutoOffLayout->addWidget(pclMinutes);
    pclAutoOffLayout->addWidget(new QLabel(trBasic("Wi-Fi off~later"), pclAutoOff));
    pclAutoOffLayout->addStretch();

    auto* pclLayout = new QVBoxLayout(this);
    pclLayout->setContentsMargins(12, 12, 12, 12);
    pclLayout->setSpacing(12);
    pclLayout->addWidget(pclCountryGroup);
    pclLayout->addWidget(pclAutoOff);
    pclLayout->addStretch();
}

void ClWidgetBasicWifi::requestData(bool)
{
    sendCommand(requestKind<ClTovuCommandGetWifiCountry>(), PV_CMD(), false, 0);
}

quint32 ClWidgetBasicWifi::shownSeconds() const
{
    return pclAutoOff->isChecked() ? quint32(pclMinutes->value()) * 60 : 0;
}

qint32 ClWidgetBasicWifi::shownCountry() const
{
    // Nothing selected (the camera named a country the list lacks) means "Auto", which
    // every camera takes.
    const int lIndex = pclCountry->currentIndex();
    return lIndex >= 0 ? lIndex + 1 : lCountryAuto;
}

void ClWidgetBasicWifi::setCameraInfo(qint32 lModel, QString)
{
    if (lModel >= 0)
        return;
    pclCountry->setCurrentIndex(-1);
    pclAutoOff->setChecked(false);
    pclMinutes->setValue(pclMinutes->minimum());
    // The values kept say what the emptied controls say, so that an Apply before the next
    // camera has answered sends nothing the user did not choose.
    country = shownCountry();
    autoOffSec = shownSeconds();
    bAutoOffUnreadable = false;
    ulAutoOffShown = 0;
}

void ClWidgetBasicWifi::receiveCommand(const PV_CMD& clCommand)
{
    const QUuid uuidCmd = ClEnvelope::kind(clCommand);
    const QVariant clValue = clCommand.value(ClEnvelope::keyParam(2));
    if (uuidCmd == replyKind<ClTovuCommandGetWifiCountry>()) {
        country = clValue.toInt();
        // A code the list has no entry for selects nothing.
        pclCountry->setCurrentIndex(country >= 1 && country <= lCountryCount ? country - 1 : -1);
        sendCommand(requestKind<ClTovuCommandGetAutoWiFiOffSetting>(), PV_CMD(), false, 0);
        return;
    }
    if (uuidCmd == replyKind<ClTovuCommandGetAutoWiFiOffSetting>()) {
        autoOffSec = clValue.toUInt();
        pclAutoOff->setChecked(autoOffSec != 0);
        if (autoOffSec != 0)
            pclMinutes->setValue(int(qMin<quint32>(autoOffSec / 60, 10)));
        bAutoOffUnreadable = autoOffSec > ulLongestDelay;
        ulAutoOffShown = shownSeconds();
        return;
    }
    if (!ClEnvelope::isOutcome(clCommand) || !isOwn(ClEnvelope::executedKind(clCommand)))
        return;
    const QUuid uuidExecuted = ClEnvelope::executedKind(clCommand);
    const quint16 usCode = ClEnvelope::resultCode(clCommand);
    if (usCode != ClResultCode::usSuccess) {
        if (!ClEnvelope::isCameraGone(clCommand)) {
            stopPolling();
            showCommandError(usCode);
        }
    } else if (uuidExecuted == requestKind<ClTovuCommandSetWifiCountry>()) {
        country = countryPending;
    } else if (uuidExecuted == requestKind<ClTovuCommandSetAutoWiFiOffSetting>()) {
        autoOffSec = autoOffSecPending;
        bAutoOffUnreadable = false;
    }
}

void ClWidgetBasicWifi::slotApply()
{
    if (shownCountry() != country) {
        countryPending = shownCountry();
        PV_CMD clArgs;
        clArgs.insert(ClEnvelope::keyParam(2), countryPending);
        sendCommand(requestKind<ClTovuCommandSetWifiCountry>(), clArgs, true, 0);
    }

    // A delay in whole minutes is what the camera is meant to keep, so one that is not
    // (90 s) is rewritten as the minutes shown; one beyond every range only when the user
    // changed what it showed as.
    const quint32 ulSeconds = shownSeconds();
    if (bAutoOffUnreadable && ulSeconds == ulAutoOffShown)
        return;
    if (ulSeconds != autoOffSec) {
        autoOffSecPending = ulSeconds;
        PV_CMD clArgs;
        clArgs.insert(ClEnvelope::keyParam(2), autoOffSecPending);
        sendCommand(requestKind<ClTovuCommandSetAutoWiFiOffSetting>(), clArgs, true, 0);
    }
}
