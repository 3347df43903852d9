#include "ClButtonNetworkTab.h"

#include "framework/ClAccessible.h"
#include "framework/ClFocusFrame.h"
#include "resources/ClArtPalette.h"

#include <QPainter>

ClButtonNetworkTab::ClButtonNetworkTab(const QString& strText, QWidget* parent) : ClRollOverToolBtn(parent)
{
    setText(strText);
    setCheckable(true);
    ClAccessible::setRole(this, QAccessible::PageTab);
    // Reached with Tab, the arrows move between the tabs of the group.
    setFocusPolicy(Qt::TabFocus);
    setCursor(Qt::PointingHandCursor);
    QIcon clFaces;
    clFaces.addPixmap(QPixmap(QStringLiteral(":/network/net_tab_h")), QIcon::Active, QIcon::Off);
    clFaces.addPixmap(QPixmap(QStringLiteral(":/network/net_tab_s")), QIcon::Selected, QIcon::Off);
    clFaces.addPixmap(QPixmap(QStringLiteral(":/network/net_tab_s")), QIcon::Selected, QIcon::On);
    setImgShow(clFaces);
}

void ClButtonNetworkTab::paintEvent(QPaintEvent*)
{
    QPainter clPainter(this);
    const bool bChosen = isChecked() || isDown();
    if (bChosen || underMouse()) {
        const QIcon::Mode eMode = bChosen ? QIcon::Selected : QIcon::Active;
        const QPixmap clFace = imgShow().pixmap(QSize(123, 36), eMode, isChecked() ? QIcon::On : QIcon::Off);
        clPainter.setOpacity(opacity());
        clPainter.drawPixmap(rect(), clFace);
        clPainter.setOpacity(1.0);
    }
    QFont clFont = font();
    clFont.setBold(bChosen);
    clPainter.setFont(clFont);
    clPainter.setPen(bChosen ? QColor(Qt::white) : ClArtPalette::ink());
    clPainter.drawText(rect(), Qt::AlignCenter, text());
    if (hasFocus())
        ClFocusFrame::paint(clPainter, rect(), bChosen);
}
