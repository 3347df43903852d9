#include "ClWidgetBasicBaic.h"

#include "BasicLook.h"
#include "framework/ClMessageBox.h"
#include "protocol/ClEnvelope.h"
#include "protocol/ClResultCode.h"
#include "protocol/SupportedCommands.h"
#include "protocol/TypedKinds.h"
#include "settings/ClSettingRules.h"
#include "settings/ClSettingCodes.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QRegularExpression>
#include <QRegularExpressionValidator>
#include <QSpinBox>
#include <QVBoxLayout>

using BasicLook::trBasic;

namespace {
constexpr quint32 ulSecurityMode = ClSettingCodes::ulStartSecurity;
constexpr quint32 ulMaintenanceMode = ClSettingCodes::ulStartMaintenance;

// The commands whose failures the page reports; the LED in security mode's are not.
bool isReported(const QUuid& uuidKind)
{
    return uuidKind == requestKind<ClTovuCommandGetCameraName>() || uuidKind == requestKind<ClTovuCommandSetCameraName>()
        || uuidKind == requestKind<ClTovuCommandGetSecureKeyLock>()
        || uuidKind == requestKind<ClTovuCommandSetSecureKeyLock>()
        || uuidKind == requestKind<ClTovuCommandGetStartMode>() || uuidKind == requestKind<ClTovuCommandSetStartMode>()
        || uuidKind == requestKind<ClTovuCommandGetLedStart>() || uuidKind == requestKind<ClTovuCommandSetLedStart>()
        || uuidKind == requestKind<ClTovuCommandGetBatteryAlarm>()
        || uuidKind == requestKind<ClTovuCommandSetBatteryAlarm>()
        || uuidKind == requestKind<ClTovuCommandGetAutoPoweroffSetting>()
        || uuidKind == requestKind<ClTovuCommandSetAutoPoweroffSetting>();
}

bool isOwnGet(const QUuid& uuidKind)
{
    return uuidKind == requestKind<ClTovuCommandGetCameraName>() || uuidKind == requestKind<ClTovuCommandGetLedStart>()
        || uuidKind == requestKind<ClTovuCommandGetAutoPoweroffSetting>()
        || uuidKind == requestKind<ClTovuCommandGetBatteryAlarm>()
        || uuidKind == requestKind<ClTovuCommandGetSecureKeyLock>()
        || uuidKind == requestKind<ClTovuCommandGetLedOnSecure>() || uuidKind == requestKind<ClTovuCommandGetStartMode>();
}

// The characters a camera name may hold, as the field's validator allows them.
const QRegularExpression& nameCharacter()
{
    static const QRegularExpression clCharacter(ClSettingRules::cameraNameCharacter());
    return clCharacter;
}

QSpinBox* durationField(int lMax, const char* pszName, QWidget* pclParent)
{
    auto* pclSpin = new QSpinBox(pclParent);
    pclSpin->setObjectName(QLatin1String(pszName));
    pclSpin->setRange(0, lMax);
    pclSpin->setAlignment(Qt::AlignRight);
    return pclSpin;
}

template <class Button> Button* named(Button* pclButton, const char* pszName)
{
    pclButton->setObjectName(QLatin1String(pszName));
    return pclButton;
}
}  // namespace

ClWidgetBasicBaic::ClWidgetBasicBaic(QWidget* parent) : ClWidgetBase(parent)
{
    setObjectName(QStringLiteral("pageBasicOther"));
    strApplied = trBasic("%1 is applied").arg(trBasic("Other settings"));
    buildControls();
    // Until a camera says what it knows, only what every camera has is shown.
    for (QWidget* pclSection : {pclKeyLockSection, pclStartSection, pclLedSection, pclPowerOffSection})
        pclSection->setVisible(false);
}

QWidget* ClWidgetBasicBaic::section(const char* pszName, const QString& strLabel, const QList<QWidget*>& lstControls)
{
    auto* pclSection = new QWidget(this);
    pclSection->setObjectName(QLatin1String(pszName));
    auto* pclLayout = new QHBoxLayout(pclSection);
    pclLayout->setContentsMargins(0, 0, 0, 0);
    auto* pclLabel = new QLabel(strLabel, pclSection);
    // A single field is named by the section's caption.
    if (lstControls.size() == 1)
        pclLabel->setBuddy(lstControls.constFirst());
    pclLabel->setMinimumWidth(130);
    pclLabel->setWordWrap(true);
    pclLayout->addWidget(pclLabel, 0, Qt::AlignTop);
    auto* pclControls = new QVBoxLayout;
    pclControls->setSpacing(4);
    for (QWidget* pclControl : lstControls) {
        pclControl->setParent(pclSection);
        pclControls->addWidget(pclControl);
    }
    pclLayout->addLayout(pclControls, 1);
    return pclSection;
}

void ClWidgetBasicBaic::buildControls()
{
    pclName = new QLineEdit(this);
    pclName->setObjectName(QStringLiteral("editCameraName"));
    // What the camera keeps: 1 to 8 letters, digits and "-._~".
    pclName->setValidator(
        new QRegularExpressionValidator(QRegularExpression(ClSettingRules::cameraNamePattern()), pclName));
    pclName->setMaxLength(lMaxNameLength);

    pclKeyLock = named(new QCheckBox(trBasic("Set valid security key lock"), this), "checkKeyLock");
    pclLedOffSecure = named(new QCheckBox(trBasic("Do not light led on security"), this), "checkLedOffSecure");

    pclSecurityMode = named(new QRadioButton(trBasic("Security mode"), this), "radioSecurityMode");
    pclMaintenanceMode = named(new QRadioButton(trBasic("Maintenance mode"), this), "radioMaintenanceMode");
    pclModes = new QButtonGroup(this);
    pclModes->addButton(pclSecurityMode);
    pclModes->addButton(pclMaintenanceMode);

    pclLight = named(new QRadioButton(trBasic("Light"), this), "radioLedLight");
    pclNotLight = named(new QRadioButton(trBasic("Not light"), this), "radioLedNotLight");
    pclLeds = new QButtonGroup(this);
    pclLeds->addButton(pclLight);
    pclLeds->addButton(pclNotLight);

    pclBatteryAlarm = named(new QCheckBox(trBasic("Alerm when battery power low"), this), "checkBatteryAlarm");

    auto* pclSettings = BasicLook::groupBox(QString(), QStringLiteral("groupOtherSettings"), false, this);
    auto* pclNameSection = section("sectionCameraName", trBasic("Camera name"), {pclName});
    pclKeyLockSection = section("sectionKeyLock", trBasic("Security key lock setting"), {pclKeyLock, pclLedOffSecure});
    pclStartSection = new QWidget(this);
    pclStartSection->setObjectName(QStringLiteral("sectionStartMode"));
    pclStartHeading = new QLabel(trBasic("Start setting"), pclStartSection);
    QFont clHeading = pclStartHeading->font();
    clHeading.setWeight(QFont::Bold);
    pclStartHeading->setFont(clHeading);
    auto* pclStartLayout = new QVBoxLayout(pclStartSection);
    pclStartLayout->setContentsMargins(0, 0, 0, 0);
    pclStartLayout->addWidget(pclStartHeading);
    pclStartLayout->addWidget(section("rowStartMode", trBasic("Mode"), {pclSecurityMode, pclMaintenanceMode}));
    pclLedSection = section("sectionLed", trBasic("LED light"), {pclLight, pclNotLight});
    auto* pclBatterySection = section("sectionBatteryAlarm", trBasic("Battery alarm"), {pclBatteryAlarm});
    auto* pclSettingsLayout = new QVBoxLayout(pclSettings);
    pclSettingsLayout->setContentsMargins(16, 0, 16, 0);
    pclSettingsLayout->setSpacing(10);
    for (QWidget* pclSection : {pclNameSection, pclKeyLockSection, pclStartSection, pclLedSection, pclBatterySection}) {
        pclSection->setParent(pclSettings);
        pclSettingsLayout->addWidget(pclSection);
    }

    pclPowerOffSection = new QWidget(this);
    pclPowerOffSection->setObjectName(QStringLiteral("sectionAutoPowerOff"));
    pclPowerOff = BasicLook::groupBox(trBasic("Auto power off"), QStringLiteral("groupAutoPowerOff"), true,
                                      pclPowerOffSection);
    pclHours = durationField(int(ClSettingRules::llMaxPowerOff / 3600), "spinPowerOffHours", pclPowerOff);
    pclMinutes = durationField(59, "spinPowerOffMinutes", pclPowerOff);
    pclSeconds = durationField(59, "spinPowerOffSeconds", pclPowerOff);
    for (const auto& [pclField, pszName] :
         {std::pair<QSpinBox*, const char*> {pclHours, QT_TRANSLATE_NOOP("ClWidgetBasicSetting", "Hours")},
          {pclMinutes, QT_TRANSLATE_NOOP("ClWidgetBasicSetting", "Minutes")},
          {pclSeconds, QT_TRANSLATE_NOOP("ClWidgetBasicSetting", "Seconds")}}) {
        pclField->setAccessibleName(trBasic(pszName));
        pclField->setAccessibleDescription(trBasic("Time of auto power off"));
    }
    auto* pclFields = new QHBoxLayout;
    pclFields->setSpacing(4);
    pclFields->addWidget(pclHours);
    pclFields->addWidget(new QLabel(QStringLiteral(":"), pclPowerOff));
    pclFields->addWidget(pclMinutes);
    pclFields->addWidget(new QLabel(QStringLiteral(":"), pclPowerOff));
    pclFields->addWidget(pclSeconds);
    pclFields->addSpacing(8);
    pclFields->addWidget(new QLabel(trBasic("(0:1:0 - 72:0:0)"), pclPowerOff));
    pclFields->addStretch();
    auto* pclPowerLayout = new QVBoxLayout(pclPowerOff);
    pclPowerLayout->setContentsMargins(16, 8, 16, 0);
    pclPowerLayout->addWidget(new QLabel(trBasic("Time of auto power off"), pclPowerOff));
    pclPowerLayout->addLayout(pclFields);
    auto* pclSectionLayout = new QVBoxLayout(pclPowerOffSection);
    pclSectionLayout->setContentsMargins(0, 0, 0, 0);
    pclSectionLayout->addWidget(pclPowerOff);
    connect(pclPowerOff, &QGroupBox::toggled, this, &ClWidgetBasicBaic::slotChangeSetting);
    for (QSpinBox* pclField : {pclHours, pclMinutes, pclSeconds})
        connect(pclField, &QSpinBox::valueChanged, this, &ClWidgetBasicBaic::slotChangeValue);

    auto* pclLayout = new QVBoxLayout(this);
    pclLayout->setContentsMargins(12, 12, 12, 12);
    pclLayout->setSpacing(12);
    pclLayout->addWidget(pclSettings);
    pclLayout->addWidget(pclPowerOffSection);
    pclLayout->addStretch();
}

void ClWidgetBasicBaic::setCameraInfo(qint32 lModel, QString strVersion)
{
    if (lModel < 0)
        forgetCamera();
    const QList<QUuid> lstSupported = supportedCommands(lModel, strVersion);
    pclStartHeading->setText(trBasic("Start setting"));
    pclKeyLockSection->setVisible(lstSupported.contains(requestKind<ClTovuCommandGetSecureKeyLock>()));
    pclLedSection->setVisible(lstSupported.contains(requestKind<ClTovuCommandGetLedStart>()));
    pclStartSection->setVisible(lstSupported.contains(requestKind<ClTovuCommandGetStartMode>()));
    pclPowerOffSection->setVisible(lstSupported.contains(requestKind<ClTovuCommandGetAutoPoweroffSetting>()));
}

void ClWidgetBasicBaic::forgetCamera()
{
    pclName->clear();
    pclKeyLock->setChecked(false);
    pclLedOffSecure->setChecked(false);
    BasicLook::uncheckAll(pclModes);
    BasicLook::uncheckAll(pclLeds);
    pclBatteryAlarm->setChecked(false);
    // The values kept say what the emptied controls say, so that an Apply before the next
    // camera has answered sends nothing the user did not change.
    strName.clear();
    strNameShown.clear();
    bKeyLock = false;
    bLedOffSecure = false;
    ulStartMode = 0;
    bLedStart = false;
    bBatteryAlarm = false;
    pclHours->setValue(0);
    pclSeconds->setValue(0);
    showPowerOff(0);
}

void ClWidgetBasicBaic::requestData(bool)
{
    sendCommand(requestKind<ClTovuCommandGetCameraName>(), PV_CMD(), false, 0);
}

// The chain asks one command after another and skips the sections the camera lacks: a
// camera asked what it does not know answers 0xFFFC, which would end the chain in a box.
void ClWidgetBasicBaic::askAfterLedStart()
{
    if (isShown(pclPowerOffSection))
        sendCommand(requestKind<ClTovuCommandGetAutoPoweroffSetting>(), PV_CMD(), false, 0);
    else
        sendCommand(requestKind<ClTovuCommandGetBatteryAlarm>(), PV_CMD(), false, 0);
}

void ClWidgetBasicBaic::askAfterBatteryAlarm()
{
    if (isShown(pclKeyLockSection))
        sendCommand(requestKind<ClTovuCommandGetSecureKeyLock>(), PV_CMD(), false, 0);
    else
        askAfterKeyLock();
}

void ClWidgetBasicBaic::askAfterKeyLock()
{
    if (isShown(pclStartSection))
        sendCommand(requestKind<ClTovuCommandGetStartMode>(), PV_CMD(), false, 0);
}

void ClWidgetBasicBaic::receiveCommand(const PV_CMD& clCommand)
{
    if (ClEnvelope::isOutcome(clCommand))
        handleOutcome(ClEnvelope::executedKind(clCommand), ClEnvelope::resultCode(clCommand),
                      ClEnvelope::isErrorNotice(clCommand));
    else
        answer(ClEnvelope::kind(clCommand), clCommand.value(ClEnvelope::keyParam(2)));
}

void ClWidgetBasicBaic::answer(const QUuid& uuidCmd, const QVariant& clValue)
{
    if (uuidCmd == replyKind<ClTovuCommandGetCameraName>()) {
        strName = clValue.toString();
        // Shown as far as the field can hold it; Apply compares with what was shown, so a
        // name the camera should not have is not rewritten unless the user edits it.
        QString strShown;
        for (const QChar cChar : strName) {
            if (strShown.size() < lMaxNameLength && nameCharacter().match(QString(cChar)).hasMatch())
                strShown.append(cChar);
        }
        pclName->setText(strShown);
        strNameShown = pclName->text();
        if (isShown(pclLedSection))
            sendCommand(requestKind<ClTovuCommandGetLedStart>(), PV_CMD(), false, 0);
        else
            askAfterLedStart();
    } else if (uuidCmd == replyKind<ClTovuCommandGetLedStart>()) {
        bLedStart = clValue.toBool();
        (bLedStart ? pclLight : pclNotLight)->setChecked(true);
        askAfterLedStart();
    } else if (uuidCmd == replyKind<ClTovuCommandGetAutoPoweroffSetting>()) {
        showPowerOff(clValue.toUInt());
        sendCommand(requestKind<ClTovuCommandGetBatteryAlarm>(), PV_CMD(), false, 0);
    } else if (uuidCmd == replyKind<ClTovuCommandGetBatteryAlarm>()) {
        bBatteryAlarm = clValue.toBool();
        pclBatteryAlarm->setChecked(bBatteryAlarm);
        askAfterBatteryAlarm();
    } else if (uuidCmd == replyKind<ClTovuCommandGetSecureKeyLock>()) {
        bKeyLock = clValue.toBool();
        pclKeyLock->setChecked(bKeyLock);
        sendCommand(requestKind<ClTovuCommandGetLedOnSecure>(), PV_CMD(), false, 0);
    } else if (uuidCmd == replyKind<ClTovuCommandGetLedOnSecure>()) {
        bLedOffSecure = clValue.toBool();
        pclLedOffSecure->setChecked(bLedOffSecure);
        askAfterKeyLock();
    } else if (uuidCmd == replyKind<ClTovuCommandGetStartMode>()) {
        ulStartMode = clValue.toUInt();
        // A mode the page has no button for leaves the buttons as they are.
        if (ulStartMode == ulSecurityMode)
            pclSecurityMode->setChecked(true);
        else if (ulStartMode == ulMaintenanceMode)
            pclMaintenanceMode->setChecked(true);
    }
}

void ClWidgetBasicBaic::showPowerOff(quint32 ulSeconds)
{
    ulPowerOff = ulSeconds;
    bShowing = true;
    if (ulSeconds == 0) {
        pclPowerOff->setChecked(false);
        pclMinutes->setValue(1);
    } else {
        pclPowerOff->setChecked(true);
        // The fields' own limits hold for the camera's time as for a typed one: beyond 72
        // hours there is nothing sensible to show but the limit, and under a minute the
        // minute goes in, as when the user empties the hours and minutes (so that taking
        // the seconds away then never leaves an auto power-off of 0, which is off).
        const quint32 ulShown = qMin(ulSeconds, ulMaxPowerOff);
        const int lHours = int(ulShown / 3600);
        const int lMinutes = int((ulShown % 3600) / 60);
        pclHours->setValue(lHours);
        pclMinutes->setValue(lHours == 0 && lMinutes == 0 ? 1 : lMinutes);
        pclSeconds->setValue(int(ulShown % 60));
    }
    slotChangeSetting(pclPowerOff->isChecked());
    bShowing = false;
    bPowerOffUnreadable = ulSeconds > ulMaxPowerOff;
    ulPowerOffShown = shownPowerOff();
}

quint32 ClWidgetBasicBaic::shownPowerOff() const
{
    if (!pclPowerOff->isChecked())
        return 0;
    return (quint32(pclHours->value()) * 60 + quint32(pclMinutes->value())) * 60 + quint32(pclSeconds->value());
}

void ClWidgetBasicBaic::handleOutcome(const QUuid& uuidExecuted, quint16 usCode, bool bNotice)
{
    if (usCode != ClResultCode::usSuccess) {
        // A failed Get ends the chain: the next request is only sent on an answer.
        if (isReported(uuidExecuted) && !(bNotice && usCode == ClResultCode::usNoCamera)) {
            stopPolling();
            showCommandError(usCode);
        }
        return;
    }
    if (isOwnGet(uuidExecuted))
        return;
    if (uuidExecuted == requestKind<ClTovuCommandSetCameraName>()) {
        strName = strNamePending;
        strNameShown = strNamePending;
    } else if (uuidExecuted == requestKind<ClTovuCommandSetSecureKeyLock>()) {
        bKeyLock = bKeyLockPending;
    } else if (uuidExecuted == requestKind<ClTovuCommandSetLedOnSecure>()) {
        bLedOffSecure = bLedOffSecurePending;
    } else if (uuidExecuted == requestKind<ClTovuCommandSetStartMode>()) {
        ulStartMode = ulStartModePending;
    } else if (uuidExecuted == requestKind<ClTovuCommandSetLedStart>()) {
        bLedStart = bLedStartPending;
    } else if (uuidExecuted == requestKind<ClTovuCommandSetBatteryAlarm>()) {
        bBatteryAlarm = bBatteryAlarmPending;
    } else if (uuidExecuted == requestKind<ClTovuCommandSetAutoPoweroffSetting>()) {
        ulPowerOff = ulPowerOffPending;
        bPowerOffUnreadable = false;
    }
}

void ClWidgetBasicBaic::slotChangeSetting(bool bChecked)
{
    for (QSpinBox* pclField : {pclHours, pclMinutes, pclSeconds})
        pclField->setEnabled(bChecked);
}

void ClWidgetBasicBaic::slotChangeValue(int lValue)
{
    if (bShowing)
        return;
    const QObject* pclFrom = sender();
    const int lMaxHours = pclHours->maximum();
    if (pclFrom == pclHours) {
        if (lValue == lMaxHours) {
            pclMinutes->setValue(0);
            pclSeconds->setValue(0);
        } else if (lValue == 0 && pclMinutes->value() == 0) {
            pclMinutes->setValue(1);
        }
    } else if (pclFrom == pclMinutes) {
        if (pclHours->value() == lMaxHours)
            pclMinutes->setValue(0);
        else if (pclHours->value() == 0 && lValue == 0)
            pclMinutes->setValue(1);
    } else if (pclFrom == pclSeconds) {
        if (pclHours->value() == lMaxHours)
            pclSeconds->setValue(0);
    }
}

void ClWidgetBasicBaic::sendSwitch(const QUuid& uuidKind, bool bValue)
{
    PV_CMD clArgs;
    clArgs.insert(ClEnvelope::keyParam(2), bValue);
    sendCommand(uuidKind, clArgs, true, 0);
}

void ClWidgetBasicBaic::slotApply()
{
    const QString strTyped = pclName->text();
    // An empty name is no name the camera keeps; better said here than as its refusal.
    if (strTyped != strNameShown && strTyped.isEmpty()) {
        ClMessageBox(this, trBasic("Enter a camera name of 1 to 8 characters."), ClMessageBox::applicationTitle(),
                     QMessageBox::Ok)
            .exec();
        return;
    }
    if (strTyped != strNameShown) {
        strNamePending = strTyped;
        PV_CMD clArgs;
        clArgs.insert(ClEnvelope::keyParam(2), strNamePending);
        sendCommand(requestKind<ClTovuCommandSetCameraName>(), clArgs, true, 0);
    }
    if (isShown(pclKeyLockSection)) {
        if (pclKeyLock->isChecked() != bKeyLock) {
            bKeyLockPending = pclKeyLock->isChecked();
            sendSwitch(requestKind<ClTovuCommandSetSecureKeyLock>(), bKeyLockPending);
        }
        if (pclLedOffSecure->isChecked() != bLedOffSecure) {
            bLedOffSecurePending = pclLedOffSecure->isChecked();
            sendSwitch(requestKind<ClTovuCommandSetLedOnSecure>(), bLedOffSecurePending);
        }
    }
    if (isShown(pclStartSection)) {
        const quint32 ulMode = pclSecurityMode->isChecked()      ? ulSecurityMode
                             : pclMaintenanceMode->isChecked() ? ulMaintenanceMode
                                                               : 0;
        if (ulMode != 0 && ulMode != ulStartMode) {
            ulStartModePending = ulMode;
            PV_CMD clArgs;
            clArgs.insert(ClEnvelope::keyParam(2), ulStartModePending);
            sendCommand(requestKind<ClTovuCommandSetStartMode>(), clArgs, true, 0);
        }
    }
    if (isShown(pclLedSection) && pclLight->isChecked() != bLedStart) {
        bLedStartPending = pclLight->isChecked();
        sendSwitch(requestKind<ClTovuCommandSetLedStart>(), bLedStartPending);
    }
    if (pclBatteryAlarm->isChecked() != bBatteryAlarm) {
        bBatteryAlarmPending = pclBatteryAlarm->isChecked();
        sendSwitch(requestKind<ClTovuCommandSetBatteryAlarm>(), bBatteryAlarmPending);
    }
    if (isShown(pclPowerOffSection)) {
        const quint32 ulSeconds = shownPowerOff();
        if (ulSeconds != ulPowerOff && !(bPowerOffUnreadable && ulSeconds == ulPowerOffShown)) {
            ulPowerOffPending = ulSeconds;
            PV_CMD clArgs;
            clArgs.insert(ClEnvelope::keyParam(2), ulPowerOffPending);
            sendCommand(requestKind<ClTovuCommandSetAutoPoweroffSetting>(), clArgs, true, 0);
        }
    }
}
