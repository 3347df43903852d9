#include "ClContactSheet.h"

#include "resources/ClArtPalette.h"

#include <QHash>
#include <QPainter>

namespace {

using Pictures = QHash<QString, QImage>;

struct ModeButton
{
    QString strIcon;
    QString strText;
    enum Look { Plain, Hovered, Selected, Disabled } eLook;
};

QFont uiFont(int lPixels, bool bBold = false)
{
    QFont clFont;
    clFont.setPixelSize(lPixels);
    clFont.setBold(bBold);
    return clFont;
}

void paintModeBar(QPainter& clPainter, const Pictures& clPics, const QList<ModeButton>& lstButtons)
{
    // Buttons share what the bar leaves after margins and separators, at most 97 each.
    const int lCount = int(lstButtons.size());
    const int lWidth = qMin(97, (600 - 8 - 2 * (lCount - 1)) / lCount);
    int x = 4;
    for (int i = 0; i < lCount; ++i) {
        const ModeButton& clButton = lstButtons.at(i);
        const QRect clRect(x, 27, lWidth, 87);
        if (clButton.eLook == ModeButton::Selected)
            clPainter.drawImage(clRect, clPics.value("img/button2"));
        else if (clButton.eLook == ModeButton::Hovered)
            clPainter.drawImage(clRect, clPics.value("img/button1"));
        const QImage& clIcon = clPics.value(clButton.strIcon);
        clPainter.setOpacity(clButton.eLook == ModeButton::Disabled ? 0.5 : 1.0);
        clPainter.drawImage(clRect.x() + (lWidth - clIcon.width()) / 2, clRect.y() + 3, clIcon);
        clPainter.setOpacity(1.0);
        QColor clText = Qt::black;
        if (clButton.eLook == ModeButton::Selected)
            clText = Qt::white;
        else if (clButton.eLook == ModeButton::Disabled)
            clText = QColor(0, 0, 0, 127);
        clPainter.setPen(clText);
        // As the button does: smaller type until the wrapped text fits between y 55 and 81.
        const QRect clTextRect(clRect.x() + 5, clRect.y() + 55, lWidth - 11, 26);
        int lPixels = 13;
        while (lPixels > 6) {
            clPainter.setFont(uiFont(lPixels));
            if (clPainter.fontMetrics().boundingRect(clTextRect, Qt::TextWordWrap, clButton.strText).height() <= 26)
                break;
            --lPixels;
        }
        clPainter.drawText(clTextRect, Qt::AlignCenter | Qt::TextWordWrap, clButton.strText);
        x += lWidth;
        if (i + 1 < lCount) {
            clPainter.drawImage(x, 27, clPics.value("mode/separator"));
            x += 2;
        }
    }
}

void paintLogBar(QPainter& clPainter, const Pictures& clPics, const QString& strMessage, bool bButtons)
{
    const QImage& clBar = clPics.value("log/bg");
    const int lTop = 620 - clBar.height();
    clPainter.drawImage(0, lTop, clBar);
    clPainter.setFont(uiFont(13));
    clPainter.setPen(Qt::white);
    clPainter.drawText(QRect(5, lTop, 380, clBar.height()), Qt::AlignVCenter | Qt::AlignLeft, strMessage);
    if (!bButtons)
        return;
    const QImage& clNormal = clPics.value("log/btnn");
    const QImage& clHover = clPics.value("log/btnh");
    const int lButtonTop = lTop + clBar.height() - clNormal.height();
    clPainter.drawImage(401, lButtonTop, clNormal);
    clPainter.drawImage(495, lButtonTop, clHover);
    clPainter.drawText(QRect(401, lButtonTop, 92, 29), Qt::AlignCenter, QStringLiteral("Reload"));
    clPainter.drawText(QRect(495, lButtonTop, 92, 29), Qt::AlignCenter, QStringLiteral("Apply"));
}

void paintCaption(QPainter& clPainter, const Pictures& clPics, const QString& strClose)
{
    clPainter.drawImage(526, 0, clPics.value(strClose));
    clPainter.setFont(uiFont(13));
    clPainter.setPen(Qt::black);
    clPainter.drawText(QRect(0, 7, 600, 18), Qt::AlignHCenter | Qt::AlignTop, QStringLiteral("Tovu Setting Tool"));
}

// Windows are drawn on a desktop-like ground so their outline and corners show.
QImage frameFor(const Pictures& clPics)
{
    QImage clWindow = clPics.value("img/window").copy();
    return clWindow;
}

QImage mockBasicSettings(const Pictures& clPics)
{
    QImage clWindow = frameFor(clPics);
    QPainter clPainter(&clWindow);
    clPainter.setRenderHint(QPainter::TextAntialiasing);
    paintCaption(clPainter, clPics, "img/close_win1");
    paintModeBar(clPainter, clPics,
                 {{"img/button_camera", "Camera state", ModeButton::Plain},
                  {"img/button_network", "Network setting", ModeButton::Hovered},
                  {"img/button_setting", "Basic setting", ModeButton::Selected},
                  {"img/button_stream", "Stream setting", ModeButton::Plain},
                  {"img/button_help", "Help", ModeButton::Plain}});

    // Page list on the left, a page with a group box on the right.
    const int lTop = 115;
    const int lListWidth = 130;
    const int lPageHeight = 620 - 36 - lTop;
    clPainter.fillRect(QRect(1, lTop, lListWidth, lPageHeight), ClArtPalette::list());
    const QStringList lstIcons = {"basic/time", "basic/gps", "basic/wifi", "basic/password", "basic/basic"};
    const QStringList lstTitles
        = {"Time settings", "GPS settings", "Wifi settings", "Password \nsetting", "Other settings"};
    clPainter.setFont(uiFont(13));
    for (int i = 0; i < lstIcons.size(); ++i) {
        const QRect clRow(1, lTop + i * 40, lListWidth, 40);
        const bool bCurrent = i == 0;
        if (bCurrent) {
            clPainter.drawImage(clRow, clPics.value("list/bg"));
            const QImage& clArrow = clPics.value("list/arrow");
            clPainter.drawImage(clRow.right() - clArrow.width() - 3, clRow.y() + (40 - clArrow.height()) / 2, clArrow);
        }
        const QImage& clIcon = clPics.value(lstIcons.at(i) + (bCurrent ? "s" : ""));
        clPainter.drawImage(clRow.x() + 8, clRow.y() + (40 - clIcon.height()) / 2, clIcon);
        clPainter.setPen(Qt::black);
        clPainter.drawText(QRect(clRow.x() + 40, clRow.y(), lListWidth - 50, 40), Qt::AlignVCenter | Qt::AlignLeft,
                           lstTitles.at(i));
    }
    clPainter.fillRect(QRect(lListWidth + 1, lTop, 1, lPageHeight), ClArtPalette::listLine());

    const QRect clGroup(lListWidth + 20, lTop + 24, 420, 120);
    clPainter.setPen(ClArtPalette::groupBox());
    clPainter.drawRect(clGroup);
    clPainter.fillRect(QRect(clGroup.x() + 10, clGroup.y() - 8, 90, 16), ClArtPalette::page());
    clPainter.setPen(Qt::black);
    clPainter.drawText(QRect(clGroup.x() + 14, clGroup.y() - 9, 90, 18), Qt::AlignVCenter, QStringLiteral("Date time"));
    clPainter.setFont(uiFont(14));
    clPainter.drawText(QRect(clGroup.x() + 20, clGroup.y() + 20, 380, 24), Qt::AlignVCenter,
                       QStringLiteral("2024 / 05 / 17    09 : 41 : 07"));
    clPainter.setFont(uiFont(13));
    const QList<QPair<QColor, QString>> lstStates = {{ClArtPalette::good(), "Recording stopped"},
                                                     {ClArtPalette::warning(), "Battery low"},
                                                     {ClArtPalette::bad(), "Running recording"}};
    for (int i = 0; i < lstStates.size(); ++i) {
        clPainter.setPen(lstStates.at(i).first);
        clPainter.drawText(QRect(clGroup.x() + 20, clGroup.y() + 56 + i * 18, 300, 18), Qt::AlignVCenter,
                           lstStates.at(i).second);
    }
    paintLogBar(clPainter, clPics, QStringLiteral("Time settings is applied"), true);
    return clWindow;
}

QImage mockSecurityMode(const Pictures& clPics)
{
    QImage clWindow = frameFor(clPics);
    QPainter clPainter(&clWindow);
    clPainter.setRenderHint(QPainter::TextAntialiasing);
    paintCaption(clPainter, clPics, "img/close_win2");
    // All seven buttons: the widest the bar gets, squeezed below 97 px.
    paintModeBar(clPainter, clPics,
                 {{"img/button_security", "Mode", ModeButton::Selected},
                  {"img/button_camera", "Camera state", ModeButton::Disabled},
                  {"img/button_network", "Network setting", ModeButton::Disabled},
                  {"img/button_setting", "Basic setting", ModeButton::Disabled},
                  {"img/button_stream", "Stream setting", ModeButton::Disabled},
                  {"img/button_schedule", "Schedule", ModeButton::Disabled},
                  {"img/button_help", "Help", ModeButton::Plain}});
    clPainter.setFont(uiFont(13));
    clPainter.setPen(Qt::black);
    clPainter.drawText(QRect(150, 170, 150, 20), Qt::AlignRight, QStringLiteral("Current mode"));
    clPainter.drawText(QRect(150, 196, 150, 20), Qt::AlignRight, QStringLiteral("Recording status"));
    clPainter.setPen(ClArtPalette::bad());
    clPainter.drawText(QRect(320, 170, 200, 20), Qt::AlignLeft, QStringLiteral("Security"));
    clPainter.setPen(ClArtPalette::good());
    clPainter.drawText(QRect(320, 196, 200, 20), Qt::AlignLeft, QStringLiteral("Recording stopped"));
    clPainter.drawImage(QRect(250, 236, 100, 100), clPics.value("secure/img_mode_red"));
    clPainter.drawImage(QRect(490, 236, 100, 100), clPics.value("secure/img_mode"));
    clPainter.setPen(Qt::black);
    clPainter.drawText(QRect(60, 350, 480, 40), Qt::AlignCenter | Qt::TextWordWrap,
                       QStringLiteral("In order to use the maintenance tools must be in maintenance mode the camera"));
    paintLogBar(clPainter, clPics, QStringLiteral("Mode is changed"), false);
    return clWindow;
}

QImage mockNotConnected(const Pictures& clPics)
{
    QImage clWindow = frameFor(clPics);
    QPainter clPainter(&clWindow);
    clPainter.setRenderHint(QPainter::TextAntialiasing);
    paintCaption(clPainter, clPics, "img/close_win3");
    paintModeBar(clPainter, clPics,
                 {{"img/button_camera", "Camera state", ModeButton::Disabled},
                  {"img/button_network", "Network setting", ModeButton::Disabled},
                  {"img/button_setting", "Basic setting", ModeButton::Disabled},
                  {"img/button_stream", "Stream setting", ModeButton::Disabled},
                  {"img/button_help", "Help", ModeButton::Hovered}});
    const QImage& clPicture = clPics.value("img/camera_notconnect");
    clPainter.drawImage((600 - clPicture.width()) / 2, 210, clPicture);
    clPainter.setFont(uiFont(13));
    clPainter.setPen(Qt::black);
    clPainter.drawText(QRect(0, 390, 600, 20), Qt::AlignHCenter, QStringLiteral("Connect camera by USB cable"));
    const QImage& clLogo = clPics.value("img/logo");
    clPainter.drawImage(20, 130, clLogo);
    clPainter.drawImage(380, 130, clPics.value("imglang/logo"));
    paintLogBar(clPainter, clPics, QString(), false);
    return clWindow;
}

// Pictures small enough to be shown enlarged as well.
bool isSmall(const QImage& clImage)
{
    return clImage.width() <= 64 && clImage.height() <= 64;
}

QSize shownSize(const QImage& clImage, int lCellWidth)
{
    if (isSmall(clImage))
        return QSize(lCellWidth, clImage.height() * 3);
    QSize clSize = clImage.size();
    if (clSize.width() > lCellWidth)
        clSize = clSize.scaled(lCellWidth, 10000, Qt::KeepAspectRatio);
    return clSize;
}

void paintChecker(QPainter& clPainter, const QRect& clRect)
{
    clPainter.save();
    clPainter.setClipRect(clRect);
    for (int y = clRect.top(); y <= clRect.bottom(); y += 8)
        for (int x = clRect.left(); x <= clRect.right(); x += 8)
            clPainter.fillRect(QRect(x, y, 8, 8),
                               ((x - clRect.left()) / 8 + (y - clRect.top()) / 8) % 2 ? QColor(214, 214, 214)
                                                                                      : QColor(250, 250, 250));
    clPainter.restore();
}

}  // namespace

QImage ClContactSheet::render(const QList<ClArtCatalogue::Picture>& lstPictures)
{
    Pictures clPics;
    QStringList lstOrder;
    for (const auto& clPicture : lstPictures) {
        clPics.insert(clPicture.strAlias, clPicture.fnDraw());
        lstOrder << clPicture.strAlias;
    }

    const int lMargin = 24;
    const int lSheetWidth = 3 * 600 + 4 * lMargin;
    // The grid: each picture at full size (the window at half), on a checkerboard.
    const int lCellWidth = 290;
    const int lColumns = (lSheetWidth - lMargin) / (lCellWidth + lMargin);
    QList<QRect> lstCells;
    int x = lMargin;
    int y = 620 + 2 * lMargin + 10;
    int lRowHeight = 0;
    for (const QString& strAlias : lstOrder) {
        const int lHeight = shownSize(clPics.value(strAlias), lCellWidth).height() + 8 + 34;
        if (lstCells.size() % lColumns == 0 && !lstCells.isEmpty()) {
            x = lMargin;
            y += lRowHeight + lMargin;
            lRowHeight = 0;
        }
        lstCells << QRect(x, y, lCellWidth, lHeight);
        lRowHeight = qMax(lRowHeight, lHeight);
        x += lCellWidth + lMargin;
    }
    const int lSheetHeight = y + lRowHeight + lMargin;

    QImage clSheet(lSheetWidth, lSheetHeight, QImage::Format_ARGB32_Premultiplied);
    clSheet.fill(QColor(92, 100, 110));
    QPainter clPainter(&clSheet);
    clPainter.setRenderHint(QPainter::SmoothPixmapTransform);
    clPainter.drawImage(lMargin, lMargin, mockBasicSettings(clPics));
    clPainter.drawImage(2 * lMargin + 600, lMargin, mockSecurityMode(clPics));
    clPainter.drawImage(3 * lMargin + 1200, lMargin, mockNotConnected(clPics));

    clPainter.setFont(uiFont(12));
    for (int i = 0; i < lstOrder.size(); ++i) {
        const QImage& clImage = clPics.value(lstOrder.at(i));
        const QRect& clCell = lstCells.at(i);
        const QSize clSize = shownSize(clImage, lCellWidth);
        const QRect clBack(clCell.x(), clCell.y(), lCellWidth, clSize.height() + 8);
        paintChecker(clPainter, clBack);
        if (isSmall(clImage)) {
            // Actual size on the left, three times enlarged (hard pixels) on the right.
            clPainter.drawImage(clCell.x() + 8, clCell.y() + 4, clImage);
            clPainter.setRenderHint(QPainter::SmoothPixmapTransform, false);
            clPainter.drawImage(
                QRect(QPoint(clCell.x() + 8 + clImage.width() + 16, clCell.y() + 4), clImage.size() * 3), clImage);
            clPainter.setRenderHint(QPainter::SmoothPixmapTransform, true);
        } else {
            clPainter.drawImage(QRect(QPoint(clCell.x() + (lCellWidth - clSize.width()) / 2, clCell.y() + 4), clSize),
                                clImage);
        }
        clPainter.setPen(Qt::white);
        clPainter.drawText(
            QRect(clCell.x(), clBack.bottom() + 4, lCellWidth, 30), Qt::AlignLeft | Qt::AlignTop,
            QStringLiteral(":/%1\n%2 x %3").arg(lstOrder.at(i)).arg(clImage.width()).arg(clImage.height()));
    }
    return clSheet;
}
