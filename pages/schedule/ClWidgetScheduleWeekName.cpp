#include "ClWidgetScheduleWeekName.h"

#include "framework/ClAccessible.h"
#include "resources/ClArtPalette.h"

#include <QCheckBox>
#include <QEnterEvent>
#include <QPainter>

ClWidgetScheduleWeekName::ClWidgetScheduleWeekName(QWidget* parent) : ClRollOverToolBtn(parent)
{
    QIcon clIcon;
    clIcon.addPixmap(QPixmap(QStringLiteral(":/img/sch_day_name_back")), QIcon::Normal);
    clIcon.addPixmap(QPixmap(QStringLiteral(":/img/sch_day_name_green")), QIcon::Active);
    clIcon.addPixmap(QPixmap(QStringLiteral(":/img/sch_day_name_blue")), QIcon::Selected);
    clIcon.addPixmap(QPixmap(QStringLiteral(":/img/sch_day_name_back")), QIcon::Disabled);
    setImgShow(clIcon);
    setFocusPolicy(Qt::NoFocus);
    // Only a frame around the day's switch: the switch is what a screen reader acts on.
    ClAccessible::setRole(this, QAccessible::Grouping);
    pclCheck = new QCheckBox(this);
    pclCheck->setObjectName(QStringLiteral("checkDay"));
    pclCheck->setStyleSheet(
        QStringLiteral("QCheckBox { color: %1; background: transparent; spacing: 6px; }"
                       "QCheckBox:disabled { color: %2; }"
                       "QCheckBox::indicator { width: 16px; height: 16px; }"
                       "QCheckBox::indicator:checked { image: url(:/img/sch_check); }"
                       "QCheckBox::indicator:unchecked { image: url(:/img/sch_uncheck); }"
                       "QCheckBox::indicator:unchecked:disabled { image: url(:/img/sch_uncheck); }"
                       "QCheckBox::indicator:checked:disabled { image: url(:/img/sch_check_gray); }")
            .arg(ClArtPalette::css(ClArtPalette::ink()), ClArtPalette::css(ClArtPalette::groupBox())));
}

void ClWidgetScheduleWeekName::setDayText(const QString& strText)
{
    pclCheck->setText(strText);
}

void ClWidgetScheduleWeekName::setChecked(bool bChecked)
{
    pclCheck->setChecked(bChecked);
}

bool ClWidgetScheduleWeekName::isChecked() const
{
    return pclCheck->isChecked();
}

void ClWidgetScheduleWeekName::slotChangeStateMouseEnter()
{
    bHighlight = true;
    update();
}

void ClWidgetScheduleWeekName::slotChangeStateMouseLeave()
{
    bHighlight = false;
    update();
}

void ClWidgetScheduleWeekName::enterEvent(QEnterEvent* pclEvent)
{
    ClRollOverToolBtn::enterEvent(pclEvent);
    Q_EMIT sigOnMouse();
}

void ClWidgetScheduleWeekName::leaveEvent(QEvent* pclEvent)
{
    ClRollOverToolBtn::leaveEvent(pclEvent);
    Q_EMIT sigLeaveMouse();
}

void ClWidgetScheduleWeekName::paintEvent(QPaintEvent*)
{
    // Lit while highlighted, even with the mouse on the day's bar.
    QIcon::Mode eMode = iconMode();
    if (bHighlight && isEnabled())
        eMode = QIcon::Active;
    const QIcon clIcon = imgShow();
    if (clIcon.availableSizes(eMode).isEmpty())
        return;
    QPainter clPainter(this);
    clPainter.drawPixmap(rect(), clIcon.pixmap(clIcon.availableSizes(eMode).constFirst(), eMode));
}

void ClWidgetScheduleWeekName::resizeEvent(QResizeEvent* pclEvent)
{
    ClRollOverToolBtn::resizeEvent(pclEvent);
    pclCheck->setGeometry(rect().adjusted(8, 0, -4, 0));
}
