#include "ClWidgetInterval.h"

#include "StreamText.h"
#include "protocol/ClEnvelope.h"
#include "protocol/ClResultCode.h"
#include "protocol/TypedKinds.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QSignalBlocker>
#include <QSpinBox>
#include <QVBoxLayout>

namespace {
const QString strGroupStyle = QStringLiteral(
    "QGroupBox{\t\t\t\t\t\t\tbackground-color: rgb(158, 168, 178);\t\t\t\t\t\t\tborder: 1px solid rgb(120, 120, "
    "120);\t\t\t\t\t\t\tborder-radius: 0px;\t\t\t\t\t\t\tpadding: 20px 0px;\t\t\t\t\t\t\tcolor: "
    "#000000;\t\t\t\t\t\t}"
    // The switch sits inside the box, not on its border.
    "QGroupBox::title{subcontrol-origin: padding; subcontrol-position: top left; left: 8px; top: 2px;}");
const char* const apszUnits[3]
    = {QT_TRANSLATE_NOOP("ClWidgetStreamSetting", "h"), QT_TRANSLATE_NOOP("ClWidgetStreamSetting", "min"),
       QT_TRANSLATE_NOOP("ClWidgetStreamSetting", "s")};
// Six fields in one box: each names its row and its unit.
const char* const apszFieldNames[2][3] = {{QT_TRANSLATE_NOOP("ClWidgetStreamSetting", "Hours before start"),
                                           QT_TRANSLATE_NOOP("ClWidgetStreamSetting", "Minutes before start"),
                                           QT_TRANSLATE_NOOP("ClWidgetStreamSetting", "Seconds before start")},
                                          {QT_TRANSLATE_NOOP("ClWidgetStreamSetting", "Interval hours"),
                                           QT_TRANSLATE_NOOP("ClWidgetStreamSetting", "Interval minutes"),
                                           QT_TRANSLATE_NOOP("ClWidgetStreamSetting", "Interval seconds")}};
const char* const apszSpinNames[2][3] = {{"spinStartHour", "spinStartMinute", "spinStartSecond"},
                                         {"spinIntervalHour", "spinIntervalMinute", "spinIntervalSecond"}};
}  // namespace

ClWidgetInterval::ClWidgetInterval(QWidget* parent) : ClWidgetBase(parent)
{
    setObjectName(QStringLiteral("pageStreamInterval"));
    strApplied = streamTr("%1 is applied").arg(oneLine(streamTr("Interval setting")));

    pclGroup = new QGroupBox(streamTr("Use interval timer"), this);
    pclGroup->setObjectName(QStringLiteral("groupInterval"));
    pclGroup->setCheckable(true);
    pclGroup->setChecked(false);
    pclGroup->setStyleSheet(strGroupStyle);

    auto* pclGrid = new QGridLayout(pclGroup);
    pclGrid->setContentsMargins(12, 4, 12, 0);
    pclGrid->setHorizontalSpacing(4);
    pclGrid->setVerticalSpacing(2);
    pclGrid->setRowMinimumHeight(2, 34);
    const char* const apszRows[2] = {QT_TRANSLATE_NOOP("ClWidgetStreamSetting", "Time of until start \ninterval timer"),
                                     QT_TRANSLATE_NOOP("ClWidgetStreamSetting", "Time of interval that captured")};
    const QString astrRanges[2] = {QStringLiteral("(0:0:0 - %1:0:0)").arg(lMaxHours),
                                   QStringLiteral("(0:0:1 - %1:0:0)").arg(lMaxHours)};
    for (int lRow = 0; lRow < 2; ++lRow) {
        // Each row: caption and the three boxes, its range written small below the boxes.
        const int lGridRow = lRow * 2;
        auto* pclCaption = new QLabel(streamTr(apszRows[lRow]), pclGroup);
        pclGrid->addWidget(pclCaption, lGridRow, 0, 2, 1, Qt::AlignTop);
        for (int lField = 0; lField < 3; ++lField) {
            auto* pclSpin = new QSpinBox(pclGroup);
            pclSpin->setObjectName(QLatin1String(apszSpinNames[lRow][lField]));
            pclSpin->setRange(0, lField == 0 ? lMaxHours : 59);
            pclSpin->setMinimumWidth(52);
            pclSpin->setAccessibleName(streamTr(apszFieldNames[lRow][lField]));
            pclSpin->setAccessibleDescription(oneLine(streamTr(apszRows[lRow])));
            apclSpins[lRow][lField] = pclSpin;
            pclGrid->addWidget(pclSpin, lGridRow, 1 + lField * 2);
            pclGrid->addWidget(new QLabel(streamTr(apszUnits[lField]), pclGroup), lGridRow, 2 + lField * 2);
            connect(pclSpin, qOverload<int>(&QSpinBox::valueChanged), this, &ClWidgetInterval::slotValueChange);
        }
        auto* pclRange = new QLabel(astrRanges[lRow], pclGroup);
        QFont clSmall = pclRange->font();
        clSmall.setPixelSize(11);
        pclRange->setFont(clSmall);
        pclGrid->addWidget(pclRange, lGridRow + 1, 1, 1, 6);
    }
    pclGrid->setColumnMinimumWidth(0, 120);
    pclGrid->setColumnStretch(7, 1);
    // The interval is at least one second.
    apclSpins[1][2]->setValue(1);

    auto* pclLayout = new QVBoxLayout(this);
    pclLayout->setContentsMargins(14, 8, 14, 4);
    pclLayout->addWidget(pclGroup);
    pclLayout->addStretch();
}

quint32 ClWidgetInterval::rowSeconds(int lRow) const
{
    return quint32(apclSpins[lRow][0]->value() * 3600 + apclSpins[lRow][1]->value() * 60 + apclSpins[lRow][2]->value());
}

void ClWidgetInterval::showRowSeconds(int lRow, qint64 llSeconds)
{
    // A camera's value beyond the range shows as its end, 72:0:0.
    const qint64 llShown = qBound(qint64(0), llSeconds, qint64(lMaxHours) * 3600);
    // Hours first, so that the 72-hour rule sees the hours it applies to.
    apclSpins[lRow][0]->setValue(int(llShown / 3600));
    apclSpins[lRow][1]->setValue(int((llShown % 3600) / 60));
    apclSpins[lRow][2]->setValue(int(llShown % 60));
}

void ClWidgetInterval::slotValueChange(int)
{
    if (bCorrecting)
        return;
    bCorrecting = true;
    for (int lRow = 0; lRow < 2; ++lRow) {
        QSpinBox** apclRow = apclSpins[lRow];
        if (apclRow[0]->value() == lMaxHours) {
            apclRow[1]->setValue(0);
            apclRow[2]->setValue(0);
        }
        if (lRow == 1 && rowSeconds(1) == 0)
            apclRow[2]->setValue(1);
    }
    bCorrecting = false;
}

void ClWidgetInterval::requestData(bool bIsPolling)
{
    if (!bIsPolling)
        sendCommand(requestKind<ClTovuCommandGetIntervalTimer>(), PV_CMD(), false, 0);
}

void ClWidgetInterval::receiveCommand(const PV_CMD& clCommand)
{
    const QUuid uuidCmd = ClEnvelope::kind(clCommand);
    if (uuidCmd == replyKind<ClTovuCommandGetIntervalTimer>()) {
        bCurrentOn = clCommand.value(ClEnvelope::keyParam(2)).toBool();
        llCurrentStart = clCommand.value(ClEnvelope::keyParam(3)).toLongLong();
        llCurrentInterval = clCommand.value(ClEnvelope::keyParam(4)).toLongLong();
        bKnown = true;
        pclGroup->setChecked(bCurrentOn);
        showRowSeconds(0, llCurrentStart);
        showRowSeconds(1, llCurrentInterval);
        return;
    }
    if (!ClEnvelope::isOutcome(clCommand))
        return;
    const QUuid uuidExecuted = ClEnvelope::executedKind(clCommand);
    if (uuidExecuted != requestKind<ClTovuCommandGetIntervalTimer>()
        && uuidExecuted != requestKind<ClTovuCommandSetIntervalTimer>())
        return;
    const quint16 usCode = ClEnvelope::resultCode(clCommand);
    if (ClEnvelope::isErrorNotice(clCommand)) {
        if (usCode != ClResultCode::usNoCamera)
            showCommandError(usCode);
        return;
    }
    if (usCode == ClResultCode::usSuccess) {
        if (uuidExecuted == requestKind<ClTovuCommandSetIntervalTimer>()) {
            bCurrentOn = bPendingOn;
            llCurrentStart = ulPendingStart;
            llCurrentInterval = ulPendingInterval;
            bKnown = true;
        }
        return;
    }
    stopPolling();
    showCommandError(usCode);
}

void ClWidgetInterval::slotApply()
{
    const bool bOn = pclGroup->isChecked();
    const quint32 ulStart = rowSeconds(0);
    const quint32 ulInterval = rowSeconds(1);
    if (bKnown && bOn == bCurrentOn && ulStart == llCurrentStart && ulInterval == llCurrentInterval)
        return;
    bPendingOn = bOn;
    ulPendingStart = ulStart;
    ulPendingInterval = ulInterval;
    PV_CMD clArgs;
    clArgs.insert(ClEnvelope::keyParam(2), bOn);
    clArgs.insert(ClEnvelope::keyParam(3), ulStart);
    clArgs.insert(ClEnvelope::keyParam(4), ulInterval);
    sendCommand(requestKind<ClTovuCommandSetIntervalTimer>(), clArgs, true, 0);
}
