#include "ClWidgetScheduleSetting.h"

#include "ClWidgetScheduleSlider.h"
#include "ClWidgetScheduledBar.h"
#include "ClWidgetWeekdayEvr.h"
#include "protocol/ClEnvelope.h"
#include "protocol/ClResultCode.h"
#include "protocol/ScheduleSettings.h"
#include "protocol/SupportedCommands.h"
#include "protocol/TypedKinds.h"
#include "resources/ClArtPalette.h"

#include <QCheckBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPainter>
#include <QResizeEvent>
#include <QVBoxLayout>

namespace {
// Screen order, top to bottom: Sunday, Monday ... Saturday, then every day.
constexpr int alScreenOrder[] = {7, 1, 2, 3, 4, 5, 6, 8};
constexpr int alDayCodes[] = {2, 3, 4, 5, 6, 7, 1, 8};  // of rows 1 ... 8

bool isOwnCommand(const QUuid& uuidKind)
{
    return uuidKind == requestKind<ClTovuCommandGetScheSetting>()
        || uuidKind == requestKind<ClTovuCommandGetScheOnOff>() || uuidKind == requestKind<ClTovuCommandSetScheOnOff>()
        || uuidKind == requestKind<ClTovuCommandSetScheSetting>();
}

QString hhmm(const QTime& tmTime)
{
    return tmTime.toString(QStringLiteral("hh:mm"));
}
}  // namespace

ClWidgetScheduleSetting::ClWidgetScheduleSetting(QWidget* parent) : ClWidgetBase(parent)
{
    setObjectName(QStringLiteral("pageSchedule"));
    strApplied = tr("Schedule is applied");
    clBackground = QPixmap(QStringLiteral(":/img/sch_bg"));

    pclContent = new QWidget(this);
    pclContent->setObjectName(QStringLiteral("widgetScheduleContent"));
    auto* pclOuter = new QVBoxLayout(this);
    pclOuter->setContentsMargins(0, 0, 0, 0);
    pclOuter->addWidget(pclContent);

    auto* pclLayout = new QVBoxLayout(pclContent);
    pclLayout->setContentsMargins(8, 10, 6, 8);
    pclLayout->setSpacing(0);

    pclEnable = new QCheckBox(tr("Schedule enable"), pclContent);
    pclEnable->setObjectName(QStringLiteral("checkScheduleEnable"));
    QFont clBold = pclEnable->font();
    clBold.setWeight(QFont::Bold);
    pclEnable->setFont(clBold);
    auto* pclHeader = new QHBoxLayout;
    pclHeader->addWidget(pclEnable);
    pclHeader->addStretch();
    pclHeader->addWidget(decoration(QStringLiteral(":/img/sch_day"), QStringLiteral("labelDayBand")));
    pclHeader->addWidget(decoration(QStringLiteral(":/img/sch_night"), QStringLiteral("labelNightBand")));
    pclLayout->addLayout(pclHeader);
    pclLayout->addSpacing(4);
    pclLayout->addWidget(decoration(QStringLiteral(":/img/sch_line_solid"), QStringLiteral("labelLineTop")));
    pclLayout->addSpacing(6);

    pclScale = new QLabel(pclContent);
    pclScale->setObjectName(QStringLiteral("labelTimeScale"));
    pclScale->setPixmap(QPixmap(QStringLiteral(":/img/she_memory")));
    pclScale->setScaledContents(true);
    pclScale->setFixedHeight(18);
    auto* pclScaleRow = new QHBoxLayout;
    pclScaleRow->setSpacing(0);
    pclScaleRow->addSpacing(ClWidgetWeekday::lNameWidth + 6);
    pclScaleRow->addWidget(pclScale);
    pclScaleRow->addStretch();
    pclLayout->addLayout(pclScaleRow);

    buildRows(pclLayout);
    pclLayout->addStretch();

    pclRegion = new QLabel(pclContent);
    pclRegion->setObjectName(QStringLiteral("labelEverydayRegion"));
    pclRegionAfterMidnight = new QLabel(pclContent);
    pclRegionAfterMidnight->setObjectName(QStringLiteral("labelEverydayRegionAfterMidnight"));
    for (QLabel* pclLabel : {pclRegion, pclRegionAfterMidnight}) {
        pclLabel->setPixmap(QPixmap(QStringLiteral(":/img/sch_evr_rgn")));
        pclLabel->setScaledContents(true);
        // A tint over the rows: the bars beneath stay in reach of the mouse.
        pclLabel->setAttribute(Qt::WA_TransparentForMouseEvents);
        pclLabel->hide();
    }
    pclIndicatorStart = new QLabel(pclContent);
    pclIndicatorStart->setObjectName(QStringLiteral("labelIndicatorStart"));
    pclIndicatorEnd = new QLabel(pclContent);
    pclIndicatorEnd->setObjectName(QStringLiteral("labelIndicatorEnd"));
    for (QLabel* pclLabel : {pclIndicatorStart, pclIndicatorEnd}) {
        pclLabel->setStyleSheet(QStringLiteral("QLabel { color: white; background: %1; border-radius: 3px;"
                                               " padding: 0px 3px; font-size: 11px; }")
                                    .arg(ClArtPalette::css(ClArtPalette::accentDark())));
        pclLabel->setAttribute(Qt::WA_TransparentForMouseEvents);
        pclLabel->hide();
    }

    connect(pclEnable, &QCheckBox::toggled, this, &ClWidgetScheduleSetting::sigChangeSchedEnable);
    for (ClWidgetWeekday* pclRow : std::as_const(mapRows))
        connect(this, &ClWidgetScheduleSetting::sigChangeSchedEnable, pclRow, &QWidget::setEnabled);
    for (QLabel* pclLabel : {pclRegion, pclRegionAfterMidnight})
        connect(this, &ClWidgetScheduleSetting::sigChangeSchedEnable, pclLabel, &QWidget::setEnabled);
    Q_EMIT sigChangeSchedEnable(false);
    // Nothing to edit before the camera has told its schedule.
    pclContent->setEnabled(false);
    pclContent->setVisible(false);
}

QLabel* ClWidgetScheduleSetting::decoration(const QString& strPath, const QString& strObjectName)
{
    auto* pclLabel = new QLabel(pclContent);
    pclLabel->setObjectName(strObjectName);
    pclLabel->setPixmap(QPixmap(strPath));
    if (strObjectName == QLatin1String("labelLineTop") || strObjectName == QLatin1String("labelLineEveryday")) {
        pclLabel->setScaledContents(true);
        pclLabel->setFixedHeight(2);
    }
    return pclLabel;
}

void ClWidgetScheduleSetting::buildRows(QVBoxLayout* pclLayout)
{
    for (int lRow : alScreenOrder) {
        ClWidgetWeekday* pclRow = lRow == 8 ? new ClWidgetWeekdayEvr(pclContent) : new ClWidgetWeekday(pclContent);
        pclRow->setDay(lRow);
        mapRows.insert(lRow, pclRow);
        if (lRow == 8) {
            pclLayout->addSpacing(6);
            pclLayout->addWidget(decoration(QStringLiteral(":/img/sch_line_dot"), QStringLiteral("labelLineEveryday")));
            pclLayout->addSpacing(6);
        }
        pclLayout->addWidget(pclRow);
    }
    for (int lRow = 1; lRow <= 8; ++lRow) {
        ClWidgetWeekday* pclRow = mapRows.value(lRow);
        pclRow->linkNext(mapRows.value(nextRow(lRow)));
        if (lRow == 8) {
            connect(pclRow, &ClWidgetWeekday::sigOnMouseBar, this, &ClWidgetScheduleSetting::slotActiveEveryday);
            connect(pclRow, &ClWidgetWeekday::sigLeaveMouseBar, this, &ClWidgetScheduleSetting::slotLeaveEveryday);
            connect(pclRow, &ClWidgetWeekday::sigChangedRange, this,
                    &ClWidgetScheduleSetting::slotChangedEverydayRange);
            connect(pclRow, &ClWidgetWeekday::sigChangedEnable, this,
                    &ClWidgetScheduleSetting::slotChangedEverydayEnable);
        }
        connect(pclRow, &ClWidgetWeekday::sigOnMouseBar, this, &ClWidgetScheduleSetting::slotShowIndicator);
        connect(pclRow, &ClWidgetWeekday::sigLeaveMouseBar, this, &ClWidgetScheduleSetting::slotHideIndicator);
        connect(pclRow, &ClWidgetWeekday::sigChangedRange, this, &ClWidgetScheduleSetting::slotUpdateTotal);
        connect(pclRow, &ClWidgetWeekday::sigChangedEnable, this, &ClWidgetScheduleSetting::slotUpdateTotal);
    }
    // The region follows the weekday axes wherever the layout puts them.
    mapRows.value(7)->slider()->installEventFilter(this);
    mapRows.value(6)->slider()->installEventFilter(this);
}

int ClWidgetScheduleSetting::rowOfDayCode(int lDayCode)
{
    for (int lRow = 1; lRow <= 8; ++lRow) {
        if (alDayCodes[lRow - 1] == lDayCode)
            return lRow;
    }
    return -1;
}

int ClWidgetScheduleSetting::dayCodeOfRow(int lRow)
{
    return lRow >= 1 && lRow <= 8 ? alDayCodes[lRow - 1] : -1;
}

int ClWidgetScheduleSetting::nextRow(int lRow)
{
    if (lRow == 8)
        return 8;
    return lRow % 7 + 1;
}

void ClWidgetScheduleSetting::setCameraInfo(qint32 lModel, QString strVersion)
{
    bSupported = supportedCommands(lModel, strVersion).contains(requestKind<ClTovuCommandGetScheSetting>());
    pclContent->setVisible(bSupported);
    if (!bSupported) {
        bLoaded = false;
        bApplying = false;
        pclContent->setEnabled(false);
        forgetSchedule();
    }
}

void ClWidgetScheduleSetting::forgetSchedule()
{
    // The next camera must not be shown, even for a moment, the schedule of the last one.
    for (ClWidgetWeekday* pclRow : std::as_const(mapRows))
        pclRow->forgetPeriod();
    pclEnable->setChecked(false);
    Q_EMIT sigChangeSchedEnable(false);
    slotHideIndicator();
    slotChangedEverydayRange();
}

void ClWidgetScheduleSetting::requestData(bool)
{
    if (!bSupported)
        return;
    sendCommand(requestKind<ClTovuCommandGetScheSetting>(), PV_CMD(), false, 0);
}

void ClWidgetScheduleSetting::showSchedule(const PV_CMD& clAnswer)
{
    const ScheduleSettings mapEntries = clAnswer.value(ClEnvelope::keyParam(2)).value<ScheduleSettings>();
    QList<int> lstShown;
    for (auto it = mapEntries.cbegin(); it != mapEntries.cend(); ++it) {
        const int lRow = rowOfDayCode(it.key());
        const stScheduleEntry& stEntry = it.value();
        // A day the page has no row for, or times that are no time of day, are not shown.
        if (lRow < 0 || !stEntry.tmStart.isValid() || !stEntry.tmEnd.isValid())
            continue;
        ClWidgetWeekday* pclRow = mapRows.value(lRow);
        pclRow->setPeriod(stEntry.tmStart, stEntry.tmEnd);
        pclRow->setSwitchedOn(stEntry.bOn);
        lstShown.append(lRow);
    }
    // A day the camera did not answer for shows no period it may not have.
    for (int lRow = 1; lRow <= 8; ++lRow) {
        if (!lstShown.contains(lRow))
            mapRows.value(lRow)->forgetPeriod();
    }
    slotChangedEverydayRange();
}

void ClWidgetScheduleSetting::receiveCommand(const PV_CMD& clCommand)
{
    const QUuid uuidCmd = ClEnvelope::kind(clCommand);
    if (uuidCmd == replyKind<ClTovuCommandGetScheSetting>()) {
        showSchedule(clCommand);
        sendCommand(requestKind<ClTovuCommandGetScheOnOff>(), PV_CMD(), false, 0);
    } else if (uuidCmd == replyKind<ClTovuCommandGetScheOnOff>()) {
        const bool bOn = clCommand.value(ClEnvelope::keyParam(2)).toBool();
        pclEnable->setChecked(bOn);
        Q_EMIT sigChangeSchedEnable(bOn);
        bLoaded = true;
        pclContent->setEnabled(true);
    } else if (ClEnvelope::isOutcome(clCommand)) {
        const QUuid uuidExecuted = ClEnvelope::executedKind(clCommand);
        const quint16 usCode = ClEnvelope::resultCode(clCommand);
        if (!isOwnCommand(uuidExecuted))
            return;
        if (usCode != ClResultCode::usSuccess) {
            finishApply(false);
            stopPolling();
            // The camera is gone; its removal notice follows.
            if (!ClEnvelope::isCameraGone(clCommand))
                showCommandError(usCode);
            return;
        }
        if (!bApplying)
            return;
        if (uuidExecuted == requestKind<ClTovuCommandSetScheOnOff>())
            writeRow(1);
        else if (uuidExecuted == requestKind<ClTovuCommandSetScheSetting>())
            writeRow(lApplyStep + 1);
    }
}

void ClWidgetScheduleSetting::slotApply()
{
    // Before the schedule has been read there is nothing the user could have set.
    if (!bSupported || !bLoaded || bApplying)
        return;
    bApplying = true;
    lApplyStep = 0;
    PV_CMD clCommand;
    clCommand.insert(ClEnvelope::keyParam(2), pclEnable->isChecked());
    sendCommand(requestKind<ClTovuCommandSetScheOnOff>(), clCommand, false, 0);
}

void ClWidgetScheduleSetting::writeRow(int lRow)
{
    // A row without a period of its own has nothing well-formed to write.
    while (lRow <= 8 && !mapRows.value(lRow)->hasPeriod())
        ++lRow;
    if (lRow > 8) {
        finishApply(true);
        return;
    }
    lApplyStep = lRow;
    const ClWidgetWeekday* pclRow = mapRows.value(lRow);
    PV_CMD clCommand;
    clCommand.insert(ClEnvelope::keyParam(2), quint32(dayCodeOfRow(lRow)));
    clCommand.insert(ClEnvelope::keyParam(3), pclRow->isSwitchedOn());
    clCommand.insert(ClEnvelope::keyParam(4), pclRow->startTime());
    clCommand.insert(ClEnvelope::keyParam(5), pclRow->endTime());
    sendCommand(requestKind<ClTovuCommandSetScheSetting>(), clCommand, false, 0);
}

void ClWidgetScheduleSetting::finishApply(bool bApplied)
{
    const bool bWasApplying = bApplying;
    bApplying = false;
    if (bWasApplying && bApplied)
        Q_EMIT sigSetLog(strApplied);
}

void ClWidgetScheduleSetting::placeIndicator(QLabel* pclLabel, ClWidgetWeekday* pclRow, const QTime& tmTime)
{
    ClWidgetScheduleSlider* pclAxis = pclRow->slider();
    pclLabel->setText(hhmm(tmTime));
    pclLabel->adjustSize();
    const QPoint ptAxis = pclAxis->mapTo(pclContent, QPoint(0, 0));
    int lX = ptAxis.x() + pclAxis->xOf(tmTime) - pclLabel->width() / 2;
    lX = qBound(0, lX, qMax(0, pclContent->width() - pclLabel->width()));
    pclLabel->move(lX, ptAxis.y() - pclLabel->height() + 4);
    pclLabel->show();
    pclLabel->raise();
}

void ClWidgetScheduleSetting::slotShowIndicator(ClWidgetWeekday::eBarType eType)
{
    auto* pclHovered = qobject_cast<ClWidgetWeekday*>(sender());
    if (!pclHovered)
        return;
    // The period of a continuation belongs to the row before.
    ClWidgetWeekday* pclOwner = pclHovered;
    if (eType == ClWidgetWeekday::Eve) {
        for (ClWidgetWeekday* pclRow : std::as_const(mapRows)) {
            if (nextRow(pclRow->day()) == pclHovered->day())
                pclOwner = pclRow;
        }
    }
    if (!pclOwner->isSwitchedOn() || !pclOwner->hasPeriod()) {
        slotHideIndicator();
        return;
    }
    const QTime tmStart = pclOwner->startTime();
    const QTime tmEnd = pclOwner->endTime();
    placeIndicator(pclIndicatorStart, pclOwner, tmStart);
    if (tmStart < tmEnd) {
        placeIndicator(pclIndicatorEnd, pclOwner, tmEnd);
    } else if (tmEnd == QTime(0, 0)) {
        // Ends at midnight: at the end of the day's own axis.
        placeIndicator(pclIndicatorEnd, pclOwner, tmEnd);
        ClWidgetScheduleSlider* pclAxis = pclOwner->slider();
        const QPoint ptAxis = pclAxis->mapTo(pclContent, QPoint(0, 0));
        pclIndicatorEnd->move(qMin(ptAxis.x() + pclAxis->width() - pclIndicatorEnd->width() / 2,
                                   pclContent->width() - pclIndicatorEnd->width()),
                              pclIndicatorEnd->y());
    } else {
        placeIndicator(pclIndicatorEnd, mapRows.value(nextRow(pclOwner->day())), tmEnd);
    }
}

void ClWidgetScheduleSetting::slotHideIndicator()
{
    pclIndicatorStart->hide();
    pclIndicatorEnd->hide();
}

void ClWidgetScheduleSetting::slotActiveEveryday()
{
    for (QLabel* pclLabel : {pclRegion, pclRegionAfterMidnight})
        pclLabel->setPixmap(QPixmap(QStringLiteral(":/img/sch_evr_rgn_green")));
}

void ClWidgetScheduleSetting::slotLeaveEveryday()
{
    for (QLabel* pclLabel : {pclRegion, pclRegionAfterMidnight})
        pclLabel->setPixmap(QPixmap(QStringLiteral(":/img/sch_evr_rgn")));
}

void ClWidgetScheduleSetting::slotChangedEverydayRange()
{
    const ClWidgetWeekday* pclEveryday = mapRows.value(8);
    ClWidgetScheduleSlider* pclTop = mapRows.value(7)->slider();
    ClWidgetScheduleSlider* pclBottom = mapRows.value(6)->slider();
    const QPoint ptTop = pclTop->mapTo(pclContent, QPoint(0, 0));
    const int lBottom = pclBottom->mapTo(pclContent, QPoint(0, pclBottom->height())).y();
    const int lHeight = qMax(0, lBottom - ptTop.y());
    const QTime tmStart = pclEveryday->startTime();
    const QTime tmEnd = pclEveryday->endTime();
    const int lStartX = pclTop->xOf(tmStart);
    const int lEndX = pclTop->xOf(tmEnd);
    const bool bPastMidnight = !(tmStart < tmEnd);
    pclRegion->setGeometry(ptTop.x() + lStartX, ptTop.y(), qMax(0, (bPastMidnight ? pclTop->width() : lEndX) - lStartX),
                           lHeight);
    pclRegionAfterMidnight->setGeometry(ptTop.x(), ptTop.y(), bPastMidnight ? lEndX : 0, lHeight);
    slotChangedEverydayEnable(pclEveryday->isSwitchedOn() && pclEveryday->hasPeriod());
}

void ClWidgetScheduleSetting::slotChangedEverydayEnable(bool bEnable)
{
    const ClWidgetWeekday* pclEveryday = mapRows.value(8);
    const bool bPastMidnight = !(pclEveryday->startTime() < pclEveryday->endTime());
    pclRegion->setVisible(bEnable);
    pclRegionAfterMidnight->setVisible(bEnable && bPastMidnight && pclRegionAfterMidnight->width() > 0);
    pclRegion->raise();
    pclRegionAfterMidnight->raise();
}

void ClWidgetScheduleSetting::slotUpdateTotal() {}

bool ClWidgetScheduleSetting::eventFilter(QObject* pclWatched, QEvent* pclEvent)
{
    // Only the axes' geometry is watched; their events go on as they came.
    if (pclWatched == mapRows.value(7)->slider() || pclWatched == mapRows.value(6)->slider()) {
        if (pclEvent->type() == QEvent::Resize || pclEvent->type() == QEvent::Move)
            slotChangedEverydayRange();
        return false;
    }
    return ClWidgetBase::eventFilter(pclWatched, pclEvent);
}

void ClWidgetScheduleSetting::resizeEvent(QResizeEvent* pclEvent)
{
    ClWidgetBase::resizeEvent(pclEvent);
    const int lScaleWidth = int(width() * 0.7825);
    pclScale->setMinimumWidth(lScaleWidth);
    pclScale->setMaximumWidth(lScaleWidth);
    // The axes lie under the time scale.
    for (ClWidgetWeekday* pclRow : std::as_const(mapRows))
        pclRow->slider()->setFixedWidth(lScaleWidth);
    slotChangedEverydayRange();
}

void ClWidgetScheduleSetting::paintEvent(QPaintEvent*)
{
    QPainter clPainter(this);
    if (!clBackground.isNull())
        clPainter.drawPixmap(rect(), clBackground);
}
