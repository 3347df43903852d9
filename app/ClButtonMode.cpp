#include "ClButtonMode.h"

#include "framework/ClAccessible.h"
#include "framework/ClFocusFrame.h"
#include "framework/ClPictures.h"

#include <QFontInfo>
#include <QFontMetrics>
#include <QPainter>

namespace {
constexpr int lTextTop = 55;
constexpr int lTextBottom = 81;
constexpr int lIconTop = 3;
constexpr int lTextFlags = Qt::AlignCenter | Qt::TextWordWrap;
}  // namespace

ClButtonMode::ClButtonMode(const QString& strText, const QString& strIcon, QWidget* parent)
    : ClRollOverToolBtn(parent), clModeIcon(ClPictures::pixmap(strIcon))
{
    setText(strText);
    setCheckable(true);
    // In the Tab chain without taking the focus from a page on a click; the arrows move
    // between the buttons of the bar.
    setFocusPolicy(Qt::TabFocus);
    setAccessibleName(QString(strText).replace(QLatin1Char('\n'), QLatin1Char(' ')).simplified());
    // A tab of the window's pages to a screen reader, pressed (not merely checked) to open one.
    ClAccessible::setRole(this, QAccessible::PageTab);
    setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Fixed);
    QIcon clRollOver;
    const QPixmap clActive = ClPictures::pixmap(QStringLiteral(":/img/button1"));
    if (!clActive.isNull())
        clRollOver.addPixmap(clActive, QIcon::Active);
    const QPixmap clSelected = ClPictures::pixmap(QStringLiteral(":/img/button2"));
    if (!clSelected.isNull())
        clRollOver.addPixmap(clSelected, QIcon::Selected);
    setImgShow(clRollOver);
}

QRect ClButtonMode::textRect() const
{
    return QRect(QPoint(5, lTextTop), QPoint(width() - 6, lTextBottom));
}

QFont ClButtonMode::textFont() const
{
    if (stFit.lWidth == width() && stFit.strText == text() && stFit.clBase == font())
        return stFit.clFitted;
    QFont clFont = font();
    int lPixelSize = QFontInfo(clFont).pixelSize();
    clFont.setPixelSize(lPixelSize);
    const QRect clArea = textRect();
    while (lPixelSize > 1) {
        const QRect clNeeded = QFontMetrics(clFont).boundingRect(clArea, lTextFlags, text());
        if (clNeeded.top() >= lTextTop)
            break;
        clFont.setPixelSize(--lPixelSize);
    }
    stFit = Fit {text(), font(), width(), clFont};
    return clFont;
}

QColor ClButtonMode::textColour() const
{
    if (!isEnabled())
        return QColor(0, 0, 0, 127);
    return (isDown() || isChecked()) ? QColor(Qt::white) : QColor(Qt::black);
}

void ClButtonMode::paintEvent(QPaintEvent* pclEvent)
{
    // The roll-over picture is the selected mode's background, and the hover feedback.
    QPainter clPainter(this);
    if (isEnabled() && (isDown() || isChecked() || underMouse()))
        paintRollOver(clPainter);
    if (!clModeIcon.isNull()) {
        clPainter.setOpacity(isEnabled() ? 1.0 : 0.5);
        clPainter.drawPixmap((width() - clModeIcon.width()) / 2, lIconTop, clModeIcon);
        clPainter.setOpacity(1.0);
    }
    clPainter.setFont(textFont());
    clPainter.setPen(textColour());
    clPainter.drawText(textRect(), lTextFlags, text());
    if (hasFocus())
        ClFocusFrame::paint(clPainter, rect().adjusted(2, 2, -2, -2), isEnabled() && (isDown() || isChecked()));
}
