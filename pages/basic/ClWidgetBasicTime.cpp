#include "ClWidgetBasicTime.h"

#include "BasicLook.h"
#include "settings/ClTimeZoneTable.h"
#include "framework/ClMessageBox.h"
#include "protocol/ClEnvelope.h"
#include "protocol/ClResultCode.h"
#include "protocol/SupportedCommands.h"
#include "protocol/TypedKinds.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QVBoxLayout>

using BasicLook::trBasic;

namespace {
// The commands whose failures this page reports; the time stamp's are not among them.
bool isReported(const QUuid& uuidKind)
{
    return uuidKind == requestKind<ClTovuCommandGetTimezone>() || uuidKind == requestKind<ClTovuCommandGetTime>()
        || uuidKind == requestKind<ClTovuCommandGetGpsSetting>()
        || uuidKind == requestKind<ClTovuCommandSetTimezone>() || uuidKind == requestKind<ClTovuCommandSetTime>()
        || uuidKind == requestKind<ClTovuCommandSetGpsSetting>();
}

QSpinBox* timeField(int lMin, int lMax, const char* pszName, QWidget* pclParent)
{
    auto* pclSpin = new QSpinBox(pclParent);
    pclSpin->setObjectName(QLatin1String(pszName));
    pclSpin->setRange(lMin, lMax);
    pclSpin->setAlignment(Qt::AlignRight);
    return pclSpin;
}

QLabel* separator(const char* pszText, QWidget* pclParent)
{
    return new QLabel(QLatin1String(pszText), pclParent);
}
}  // namespace

ClWidgetBasicTime::ClWidgetBasicTime(QWidget* parent) : ClWidgetBase(parent)
{
    setObjectName(QStringLiteral("pageBasicTime"));
    strApplied = trBasic("%1 is applied").arg(trBasic("Time settings"));
    clSyncTimer.setInterval(500);
    connect(&clSyncTimer, &QTimer::timeout, this, &ClWidgetBasicTime::slotSyncTime);
    buildControls();
    // Until a camera says it has one, there is no time stamp to switch.
    pclTimestampGroup->setVisible(false);
    forgetCamera();
}

void ClWidgetBasicTime::buildControls()
{
    pclZone = new QComboBox(this);
    pclZone->setObjectName(QStringLiteral("comboTimeZone"));
    for (int i = 0; i < ClTimeZoneTable::lCount; ++i)
        pclZone->addItem(ClTimeZoneTable::name(i));
    // Each zone's name takes two lines.
    pclZone->setMinimumHeight(2 * pclZone->fontMetrics().height() + 12);

    pclYear = timeField(2000, 2100, "spinYear", this);
    pclMonth = timeField(1, 12, "spinMonth", this);
    pclDay = timeField(1, 31, "spinDay", this);
    pclHour = timeField(0, 23, "spinHour", this);
    pclMinute = timeField(0, 59, "spinMinute", this);
    pclSecond = timeField(0, 59, "spinSecond", this);
    pclYear->setMinimumWidth(70);
    // Six fields under one caption: each says which part of the date or time it holds.
    const std::pair<QSpinBox*, const char*> aFieldNames[] = {
        {pclYear, QT_TRANSLATE_NOOP("ClWidgetBasicSetting", "Year")},
        {pclMonth, QT_TRANSLATE_NOOP("ClWidgetBasicSetting", "Month")},
        {pclDay, QT_TRANSLATE_NOOP("ClWidgetBasicSetting", "Day")},
        {pclHour, QT_TRANSLATE_NOOP("ClWidgetBasicSetting", "Hour")},
        {pclMinute, QT_TRANSLATE_NOOP("ClWidgetBasicSetting", "Minute")},
        {pclSecond, QT_TRANSLATE_NOOP("ClWidgetBasicSetting", "Second")},
    };
    for (const auto& [pclField, pszName] : aFieldNames) {
        pclField->setAccessibleName(trBasic(pszName));
        pclField->setAccessibleDescription(trBasic("Date time"));
    }

    pclSyncPc = new QPushButton(trBasic("Synchronize PC"), this);
    pclSyncPc->setObjectName(QStringLiteral("buttonSyncPc"));
    pclSyncPc->setCheckable(true);
    pclSyncPc->setMinimumHeight(34);
    connect(pclSyncPc, &QPushButton::toggled, this, &ClWidgetBasicTime::slotChangeEditable);

    pclAdjustGps = new QCheckBox(trBasic("Adjust time from GPS info\n(If GPS valid, when can use)"), this);
    pclAdjustGps->setObjectName(QStringLiteral("checkAdjustGps"));

    auto* pclClockGroup = BasicLook::groupBox(trBasic("Time settings"), QStringLiteral("groupTime"), false, this);
    auto* pclDate = new QHBoxLayout;
    pclDate->setSpacing(4);
    pclDate->addWidget(pclYear);
    pclDate->addWidget(separator("/", pclClockGroup));
    pclDate->addWidget(pclMonth);
    pclDate->addWidget(separator("/", pclClockGroup));
    pclDate->addWidget(pclDay);
    pclDate->addSpacing(12);
    pclDate->addWidget(pclHour);
    pclDate->addWidget(separator(":", pclClockGroup));
    pclDate->addWidget(pclMinute);
    pclDate->addWidget(separator(":", pclClockGroup));
    pclDate->addWidget(pclSecond);
    pclDate->addStretch();

    auto* pclClock = new QGridLayout(pclClockGroup);
    pclClock->setContentsMargins(16, 8, 16, 0);
    pclClock->setVerticalSpacing(10);
    auto* pclZoneCaption = new QLabel(trBasic("Time zone"), pclClockGroup);
    pclZoneCaption->setBuddy(pclZone);
    pclClock->addWidget(pclZoneCaption, 0, 0);
    pclClock->addWidget(pclZone, 1, 0);
    pclClock->addWidget(new QLabel(trBasic("Date time"), pclClockGroup), 2, 0);
    pclClock->addLayout(pclDate, 3, 0);
    pclClock->addWidget(pclSyncPc, 4, 0, Qt::AlignLeft);
    pclClock->addWidget(pclAdjustGps, 5, 0);

    pclTimestampGroup = BasicLook::groupBox(trBasic("Rec timestamp"), QStringLiteral("groupTimestamp"), false, this);
    pclTimestampOn = new QRadioButton(trBasic("ON"), pclTimestampGroup);
    pclTimestampOn->setObjectName(QStringLiteral("radioTimestampOn"));
    pclTimestampOff = new QRadioButton(trBasic("OFF"), pclTimestampGroup);
    pclTimestampOff->setObjectName(QStringLiteral("radioTimestampOff"));
    pclTimestampButtons = new QButtonGroup(this);
    pclTimestampButtons->addButton(pclTimestampOn);
    pclTimestampButtons->addButton(pclTimestampOff);
    auto* pclStamp = new QHBoxLayout(pclTimestampGroup);
    pclStamp->setContentsMargins(16, 4, 16, 0);
    pclStamp->setSpacing(50);
    pclStamp->addWidget(pclTimestampOn);
    pclStamp->addWidget(pclTimestampOff);
    pclStamp->addStretch();

    auto* pclLayout = new QVBoxLayout(this);
    pclLayout->setContentsMargins(12, 12, 12, 12);
    pclLayout->setSpacing(12);
    pclLayout->addWidget(pclClockGroup);
    pclLayout->addWidget(pclTimestampGroup);
    pclLayout->addStretch();
}

void ClWidgetBasicTime::setCameraInfo(qint32 lModel, QString strVersion)
{
    if (lModel < 0)
        forgetCamera();
    const QList<QUuid> lstSupported = supportedCommands(lModel, strVersion);
    pclTimestampGroup->setVisible(lstSupported.contains(requestKind<ClTovuCommandGetTimeStampOnOff>()));
}

void ClWidgetBasicTime::forgetCamera()
{
    pclSyncPc->setChecked(false);
    pclZone->setCurrentIndex(-1);
    for (QSpinBox* pclField : {pclYear, pclMonth, pclDay, pclHour, pclMinute, pclSecond})
        pclField->setValue(pclField->minimum());
    pclAdjustGps->setChecked(false);
    BasicLook::uncheckAll(pclTimestampButtons);
    // What the emptied fields show counts as the camera's, so that an Apply before the
    // next camera has answered sends nothing the user did not enter.
    tzCamera = 0;
    tzPending = 0;
    dtCamera = fieldsDateTime();
    dtPending = QDateTime();
    dtFieldsSent = QDateTime();
    dtFieldsPending = QDateTime();
    bGpsRead = false;
    bGpsValid = false;
    bGpsSaveLog = false;
    ulGpsLogFormat = 1;
    bGpsAdjustTime = false;
    bGpsAdjustTimePending = false;
    bTimestamp = false;
    bTimestampPending = false;
}

void ClWidgetBasicTime::requestData(bool)
{
    // Reload shows the camera's time again, so synchronising with the PC ends here.
    pclSyncPc->setChecked(false);
    sendCommand(requestKind<ClTovuCommandGetTimezone>(), PV_CMD(), false, 0);
}

QDateTime ClWidgetBasicTime::fieldsDateTime() const
{
    // Wall-clock fields without a zone of the PC's: a camera time that falls into the
    // PC's daylight-saving gap is still the time the user typed.
    const QDate clDate(pclYear->value(), pclMonth->value(), pclDay->value());
    if (!clDate.isValid())
        return QDateTime();
    return QDateTime(clDate, QTime(pclHour->value(), pclMinute->value(), pclSecond->value()), Qt::UTC);
}

bool ClWidgetBasicTime::fieldsEqualCamera() const
{
    const QDateTime dtFields = fieldsDateTime();
    if (!dtFields.isValid())
        return false;
    // The fields last sent count as the camera's too: after the zone, the camera got them a
    // second ahead, and sending them again later would set its clock back.
    const auto same = [&dtFields](const QDateTime& dtOther) {
        return dtOther.isValid() && dtFields.date() == dtOther.date() && dtFields.time() == dtOther.time();
    };
    return same(dtCamera) || same(dtFieldsSent);
}

void ClWidgetBasicTime::writeFields(const QDateTime& dtTime)
{
    pclYear->setValue(dtTime.date().year());
    pclMonth->setValue(dtTime.date().month());
    pclDay->setValue(dtTime.date().day());
    pclHour->setValue(dtTime.time().hour());
    pclMinute->setValue(dtTime.time().minute());
    pclSecond->setValue(dtTime.time().second());
}

void ClWidgetBasicTime::showCameraTime(const QDateTime& dtTime)
{
    // The camera's clock is its date and time fields, in no zone of the PC's: read as the
    // PC's local time, an hour its daylight saving skips would be no time at all.
    const QDateTime dtClock = dtTime.date().isValid() && dtTime.time().isValid()
        ? QDateTime(dtTime.date(), dtTime.time(), Qt::UTC)
        : QDateTime();
    dtFieldsSent = QDateTime();
    // The fields follow the PC (the user pressed "Synchronize PC" while the camera was
    // being asked): the answer only says what the camera holds.
    if (bSync) {
        dtCamera = dtClock;
        return;
    }
    if (dtClock.isValid())
        writeFields(dtClock);
    // A time the fields cannot hold (unreadable, or a year outside 2000 to 2100) is shown
    // as far as the fields go; what they show then counts as the camera's, so that an
    // Apply does not send a time the user never entered.
    const QDateTime dtFields = fieldsDateTime();
    dtCamera = dtClock.isValid() && dtFields == dtClock ? dtClock : dtFields;
}

void ClWidgetBasicTime::receiveCommand(const PV_CMD& clCommand)
{
    const QUuid uuidCmd = ClEnvelope::kind(clCommand);
    const QVariant clValue = clCommand.value(ClEnvelope::keyParam(2));
    if (uuidCmd == replyKind<ClTovuCommandGetTimezone>()) {
        tzCamera = clValue.toUInt();
        // An unknown code selects nothing: Apply then leaves the zone alone.
        pclZone->setCurrentIndex(ClTimeZoneTable::indexOf(tzCamera));
        sendCommand(requestKind<ClTovuCommandGetTime>(), PV_CMD(), false, 0);
    } else if (uuidCmd == replyKind<ClTovuCommandGetTime>()) {
        showCameraTime(clValue.toDateTime());
        sendCommand(requestKind<ClTovuCommandGetGpsSetting>(), PV_CMD(), false, 0);
    } else if (uuidCmd == replyKind<ClTovuCommandGetGpsSetting>()) {
        bGpsRead = true;
        bGpsValid = clValue.toBool();
        bGpsSaveLog = clCommand.value(ClEnvelope::keyParam(3)).toBool();
        bGpsAdjustTime = clCommand.value(ClEnvelope::keyParam(4)).toBool();
        ulGpsLogFormat = clCommand.value(ClEnvelope::keyParam(5)).toUInt();
        pclAdjustGps->setChecked(bGpsAdjustTime);
        if (!pclTimestampGroup->isHidden())
            sendCommand(requestKind<ClTovuCommandGetTimeStampOnOff>(), PV_CMD(), false, 0);
    } else if (uuidCmd == replyKind<ClTovuCommandGetTimeStampOnOff>()) {
        bTimestamp = clValue.toBool();
        (bTimestamp ? pclTimestampOn : pclTimestampOff)->setChecked(true);
    } else if (ClEnvelope::isOutcome(clCommand)) {
        handleOutcome(ClEnvelope::executedKind(clCommand), ClEnvelope::resultCode(clCommand),
                      ClEnvelope::isErrorNotice(clCommand));
    }
}

void ClWidgetBasicTime::handleOutcome(const QUuid& uuidExecuted, quint16 usCode, bool bNotice)
{
    if (usCode != ClResultCode::usSuccess) {
        if (isReported(uuidExecuted) && !(bNotice && usCode == ClResultCode::usNoCamera)) {
            stopPolling();
            showCommandError(usCode);
        }
        return;
    }
    if (uuidExecuted == requestKind<ClTovuCommandSetTimezone>()) {
        tzCamera = tzPending;
        // The zone is in place; the time follows, one second ahead for the time it takes.
        sendTime(1000);
    } else if (uuidExecuted == requestKind<ClTovuCommandSetTime>()) {
        dtCamera = dtPending;
        dtFieldsSent = dtFieldsPending;
    } else if (uuidExecuted == requestKind<ClTovuCommandSetGpsSetting>()) {
        bGpsAdjustTime = bGpsAdjustTimePending;
    } else if (uuidExecuted == requestKind<ClTovuCommandSetTimeStampOnOff>()) {
        bTimestamp = bTimestampPending;
    }
}

void ClWidgetBasicTime::sendTime(qint32 lOffsetMs)
{
    const QDateTime dtFields = fieldsDateTime();
    if (!dtFields.isValid() || fieldsEqualCamera())
        return;
    // Kept as wall-clock fields (UTC, no daylight saving), so that adding the second and
    // sending never moves the time the user entered by an hour of the PC's zone.
    dtPending = lOffsetMs > 0 ? dtFields.addMSecs(lOffsetMs) : dtFields;
    dtFieldsPending = dtFields;
    PV_CMD clArgs;
    clArgs.insert(ClEnvelope::keyParam(2), dtPending);
    sendCommand(requestKind<ClTovuCommandSetTime>(), clArgs, true, 0);
}

void ClWidgetBasicTime::slotApply()
{
    // The day field runs to 31 in every month; a date that does not exist would go out as
    // some other time, so nothing is sent until the user corrects it.
    if (!fieldsDateTime().isValid()) {
        ClMessageBox(this, trBasic("The date does not exist.\nPlease check the day of the month."),
                     ClMessageBox::applicationTitle(), QMessageBox::Ok)
            .exec();
        return;
    }

    const int lCode = ClTimeZoneTable::codeOf(pclZone->currentIndex());
    if (lCode < 0 || quint32(lCode) == tzCamera) {
        sendTime(0);
    } else {
        tzPending = quint32(lCode);
        PV_CMD clArgs;
        clArgs.insert(ClEnvelope::keyParam(2), tzPending);
        sendCommand(requestKind<ClTovuCommandSetTimezone>(), clArgs, true, 0);
    }

    if (bGpsRead && pclAdjustGps->isChecked() != bGpsAdjustTime) {
        bGpsAdjustTimePending = pclAdjustGps->isChecked();
        PV_CMD clArgs;
        clArgs.insert(ClEnvelope::keyParam(2), bGpsValid);
        clArgs.insert(ClEnvelope::keyParam(3), bGpsSaveLog);
        clArgs.insert(ClEnvelope::keyParam(4), bGpsAdjustTimePending);
        clArgs.insert(ClEnvelope::keyParam(5), ulGpsLogFormat);
        sendCommand(requestKind<ClTovuCommandSetGpsSetting>(), clArgs, true, 0);
    }

    // Neither button checked (no answer yet) is no choice of the user's.
    if (!pclTimestampGroup->isHidden() && pclTimestampButtons->checkedButton()
        && pclTimestampOn->isChecked() != bTimestamp) {
        bTimestampPending = pclTimestampOn->isChecked();
        PV_CMD clArgs;
        clArgs.insert(ClEnvelope::keyParam(2), bTimestampPending);
        sendCommand(requestKind<ClTovuCommandSetTimeStampOnOff>(), clArgs, true, 0);
    }
}

void ClWidgetBasicTime::slotChangeEditable()
{
    bSync = !bSync;
    if (bSync) {
        clSyncTimer.start();
        slotSyncTime();
    } else {
        clSyncTimer.stop();
        dtShown = QDateTime();
    }
    for (QSpinBox* pclField : {pclYear, pclMonth, pclDay, pclHour, pclMinute, pclSecond})
        pclField->setEnabled(!bSync);
}

void ClWidgetBasicTime::slotSyncTime()
{
    if (!bSync) {
        clSyncTimer.stop();
        return;
    }
    const QDateTime dtNow = QDateTime::currentDateTime();
    const QDate clDate = dtNow.date();
    const QTime clTime = dtNow.time();
    if (dtShown.isNull()) {
        writeFields(dtNow);
    } else if (QTime(clTime.hour(), clTime.minute(), clTime.second())
               != QTime(dtShown.time().hour(), dtShown.time().minute(), dtShown.time().second())) {
        // Smallest unit first, stopping at the first that stayed: a field is rewritten only
        // when it changed, so a field the user looks at does not flicker.
        pclSecond->setValue(clTime.second());
        if (clTime.minute() != dtShown.time().minute()) {
            pclMinute->setValue(clTime.minute());
            if (clTime.hour() != dtShown.time().hour()) {
                pclHour->setValue(clTime.hour());
                if (clDate != dtShown.date()) {
                    pclDay->setValue(clDate.day());
                    if (clDate.month() != dtShown.date().month()) {
                        pclMonth->setValue(clDate.month());
                        if (clDate.year() != dtShown.date().year())
                            pclYear->setValue(clDate.year());
                    }
                }
            }
        }
    }
    dtShown = dtNow;
}
