#include "ClPageListView.h"
#include "ClFocusFrame.h"
#include "resources/ClArtPalette.h"

#include <QFontInfo>
#include <QFontMetrics>
#include <QKeyEvent>
#include <QPainter>
#include <QPixmap>
#include <QStandardItemModel>

namespace {
// Shared by every list of the tool; loaded on first use.
const QPixmap& rowBackground()
{
    static const QPixmap clPixmap(QStringLiteral(":/list/bg"));
    return clPixmap;
}

const QPixmap& rowArrow()
{
    static const QPixmap clPixmap(QStringLiteral(":/list/arrow"));
    return clPixmap;
}

const QColor clListColour(206, 213, 223);
constexpr int lIconSize = 24;
constexpr int lIconLeft = 6;
constexpr int lTextGap = 6;
constexpr int lSmallestText = 9;
}  // namespace

ClPageListView::ClPageListView(QWidget* parent) : QListView(parent)
{
    setFrameShape(QFrame::NoFrame);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setFocusPolicy(Qt::StrongFocus);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setUniformItemSizes(true);
    setSpacing(0);
    setIconSize(QSize(lIconSize, lIconSize));
}

void ClPageListView::keyPressEvent(QKeyEvent* pclEvent)
{
    // The arrows, Home and End move the current row; the page follows at once, as it
    // does a click.
    const int lBefore = currentIndex().row();
    QListView::keyPressEvent(pclEvent);
    if (currentIndex().isValid() && currentIndex().row() != lBefore)
        Q_EMIT sigRowChosen(currentIndex());
}

void ClPageListView::paintEvent(QPaintEvent*)
{
    QPainter clPainter(viewport());
    clPainter.fillRect(viewport()->rect(), clListColour);
    if (model() == nullptr)
        return;

    const int lWidth = viewport()->width();
    const int lCurrent = currentIndex().row();
    for (int lRow = 0; lRow < model()->rowCount(rootIndex()); ++lRow) {
        const QModelIndex clIndex = model()->index(lRow, 0, rootIndex());
        const QRect clRow = visualRect(clIndex).isValid() ? QRect(0, visualRect(clIndex).top(), lWidth, lRowHeight)
                                                          : QRect(0, lRow * lRowHeight, lWidth, lRowHeight);
        const bool bCurrent = (lRow == lCurrent);
        if (bCurrent) {
            if (!rowBackground().isNull())
                clPainter.drawPixmap(clRow, rowBackground());
            else
                clPainter.fillRect(clRow, ClArtPalette::groupBox());
            const QPixmap& clArrow = rowArrow();
            if (!clArrow.isNull())
                clPainter.drawPixmap(clRow.right() + 1 - clArrow.width(),
                                     clRow.top() + (lRowHeight - clArrow.height()) / 2, clArrow);
        }

        const QIcon clIcon = clIndex.data(Qt::DecorationRole).value<QIcon>();
        const QRect clIconRect(clRow.left() + lIconLeft, clRow.top() + (lRowHeight - lIconSize) / 2, lIconSize,
                               lIconSize);
        clIcon.paint(&clPainter, clIconRect, Qt::AlignCenter, bCurrent ? QIcon::Selected : QIcon::Normal);

        const int lTextLeft = clIconRect.right() + 1 + lTextGap;
        const QRect clText(lTextLeft, clRow.top(), lWidth - lTextLeft - 9, lRowHeight);
        // A title too long for its row wraps, and gets a smaller font until it fits.
        const QString strTitle = clIndex.data(Qt::DisplayRole).toString();
        const int lFlags = Qt::AlignLeft | Qt::AlignVCenter | Qt::TextWordWrap;
        QFont clFont = font();
        int lPixelSize = QFontInfo(clFont).pixelSize();
        clFont.setPixelSize(lPixelSize);
        while (lPixelSize > lSmallestText) {
            const QRect clNeeded = QFontMetrics(clFont).boundingRect(clText, lFlags, strTitle);
            if (clNeeded.height() <= lRowHeight - 2 && clNeeded.width() <= clText.width())
                break;
            clFont.setPixelSize(--lPixelSize);
        }
        clPainter.setFont(clFont);
        clPainter.setPen(bCurrent ? ClArtPalette::listCurrentText() : QColor(Qt::black));
        clPainter.drawText(clText, lFlags, strTitle);
        if (bCurrent && hasFocus())
            ClFocusFrame::paint(clPainter, clRow);
    }
}
