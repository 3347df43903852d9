// Draws every picture of the tool. With --output it writes them as PNG files plus a
// resource collection file that maps each to its resource path; with --sheet it renders
// a review sheet of them all; with --icons it writes the application mark as the icon
// theme's files that the desktop entry names (and, with --icon-review, a picture of them
// beside the window's own icon).
#include "ClArtCatalogue.h"
#include "ClContactSheet.h"
#include "ClPictureArt.h"

#include <QCommandLineParser>
#include <QDir>
#include <QGuiApplication>
#include <QHash>
#include <QPainter>
#include <QSaveFile>

#include <cstdio>

namespace {

QString fileNameFor(const QString& strAlias)
{
    return QString(strAlias).replace(QLatin1Char('/'), QLatin1Char('_')) + QStringLiteral(".png");
}

// The picture with a colour table when it has 256 colours or fewer, pixel for pixel the
// same: the tool decodes such a PNG a few times faster (one byte a pixel to inflate, not
// four), and the window's picture is decoded before the window can show.
QImage withColourTable(const QImage& clImage)
{
    const QImage clArgb = clImage.convertToFormat(QImage::Format_ARGB32);
    QList<QRgb> lstColours;
    QHash<QRgb, int> hashIndex;
    QImage clIndexed(clArgb.size(), QImage::Format_Indexed8);
    for (int lY = 0; lY < clArgb.height(); ++lY) {
        const auto* pulLine = reinterpret_cast<const QRgb*>(clArgb.constScanLine(lY));
        uchar* pucOut = clIndexed.scanLine(lY);
        for (int lX = 0; lX < clArgb.width(); ++lX) {
            auto it = hashIndex.constFind(pulLine[lX]);
            if (it == hashIndex.constEnd()) {
                if (lstColours.size() == 256)
                    return clImage;
                it = hashIndex.insert(pulLine[lX], int(lstColours.size()));
                lstColours.append(pulLine[lX]);
            }
            pucOut[lX] = uchar(it.value());
        }
    }
    clIndexed.setColorTable(lstColours);
    return clIndexed.convertToFormat(QImage::Format_ARGB32) == clArgb ? clIndexed : clImage;
}

bool writeAll(const QString& strFolder)
{
    if (!QDir().mkpath(strFolder))
        return false;
    QString strCollection = QStringLiteral("<!DOCTYPE RCC>\n<RCC version=\"1.0\">\n<qresource prefix=\"/\">\n");
    for (const auto& clPicture : ClArtCatalogue::all()) {
        const QString strFile = fileNameFor(clPicture.strAlias);
        const QImage clImage = withColourTable(clPicture.fnDraw());
        if (clImage.isNull() || !clImage.save(strFolder + QLatin1Char('/') + strFile, "PNG")) {
            std::fprintf(stderr, "cannot write %s\n", qPrintable(strFile));
            return false;
        }
        strCollection += QStringLiteral("  <file alias=\"%1\">%2</file>\n").arg(clPicture.strAlias, strFile);
    }
    strCollection += QStringLiteral("</qresource>\n</RCC>\n");
    // Written last: the resource compiler runs on it once all pictures are there.
    QSaveFile clFile(strFolder + QStringLiteral("/images.qrc"));
    return clFile.open(QIODevice::WriteOnly) && clFile.write(strCollection.toUtf8()) >= 0 && clFile.commit();
}

// The sizes desktops look for in the hicolor theme. Each is drawn at its own size rather
// than scaled from one large picture, so that the small ones stay sharp.
const int alIconSizes[] = {16, 22, 24, 32, 48, 64, 128, 256, 512};

bool writeIcons(const QString& strFolder)
{
    for (const int lSize : alIconSizes) {
        const QString strDir = QStringLiteral("%1/%2x%2/apps").arg(strFolder).arg(lSize);
        const QString strFile = strDir + QStringLiteral("/tovu-setting-tool.png");
        if (!QDir().mkpath(strDir) || !ClPictureArt::appIcon(lSize).save(strFile, "PNG")) {
            std::fprintf(stderr, "cannot write %s\n", qPrintable(strFile));
            return false;
        }
    }
    return true;
}

// The desktop entry's icon as the desktop loads it (the written files at 48 and 256 px)
// beside the window's own icon as the tool embeds it, on a light and a dark ground, for
// checking that they are one mark.
bool writeIconReview(const QString& strIconFolder, const QString& strPng)
{
    QImage clWindowIcon;
    for (const auto& clPicture : ClArtCatalogue::all()) {
        if (clPicture.strAlias == QLatin1String("imglang/icon_s"))
            clWindowIcon = clPicture.fnDraw();
    }
    const QImage clIcon48(strIconFolder + QStringLiteral("/48x48/apps/tovu-setting-tool.png"));
    const QImage clIcon256(strIconFolder + QStringLiteral("/256x256/apps/tovu-setting-tool.png"));
    if (clWindowIcon.isNull() || clIcon48.isNull() || clIcon256.isNull())
        return false;

    const int lMargin = 24;
    const int lCaption = 28;
    const int lCell = 256 + 2 * lMargin;
    QImage clSheet(3 * lCell, 2 * (lCell + lCaption), QImage::Format_ARGB32);
    QPainter clPainter(&clSheet);
    const struct
    {
        const QImage* pclImage;
        const char* pszCaption;
    } astItems[] = {{&clIcon48, "desktop entry, 48 px"},
                    {&clIcon256, "desktop entry, 256 px"},
                    {&clWindowIcon, "window icon (:/imglang/icon_s)"}};
    const QColor aclGrounds[] = {QColor(0xf4, 0xf4, 0xf4), QColor(0x2b, 0x2b, 0x2b)};
    for (int lRow = 0; lRow < 2; ++lRow) {
        const int lTop = lRow * (lCell + lCaption);
        clPainter.fillRect(0, lTop, clSheet.width(), lCell + lCaption, aclGrounds[lRow]);
        clPainter.setPen(lRow == 0 ? Qt::black : Qt::white);
        for (int i = 0; i < 3; ++i) {
            const QImage& clImage = *astItems[i].pclImage;
            const int lLeft = i * lCell;
            clPainter.drawImage(lLeft + (lCell - clImage.width()) / 2, lTop + (lCell - clImage.height()) / 2, clImage);
            clPainter.drawText(QRect(lLeft, lTop + lCell, lCell, lCaption), Qt::AlignCenter,
                               QString::fromLatin1(astItems[i].pszCaption));
        }
    }
    clPainter.end();
    return clSheet.save(strPng, "PNG");
}

}  // namespace

int main(int argc, char* argv[])
{
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication clApp(argc, argv);
    QCommandLineParser clParser;
    clParser.addHelpOption();
    const QCommandLineOption clOutput("output", "Write the pictures and images.qrc into <folder>.", "folder");
    const QCommandLineOption clSheet("sheet", "Render a review sheet of all pictures to <png>.", "png");
    const QCommandLineOption clIcons("icons", "Write the application icon as <folder>/<size>x<size>/apps/*.png.",
                                     "folder");
    clParser.addOption(clOutput);
    clParser.addOption(clSheet);
    const QCommandLineOption clIconReview("icon-review",
                                          "With --icons: also render the written icons beside the window icon to <png>.",
                                          "png");
    clParser.addOption(clIcons);
    clParser.addOption(clIconReview);
    clParser.process(clApp);

    if (clParser.isSet(clOutput) && !writeAll(clParser.value(clOutput)))
        return 1;
    if (clParser.isSet(clSheet)) {
        const QImage clImage = ClContactSheet::render(ClArtCatalogue::all());
        if (!clImage.save(clParser.value(clSheet), "PNG")) {
            std::fprintf(stderr, "cannot write %s\n", qPrintable(clParser.value(clSheet)));
            return 1;
        }
    }
    if (clParser.isSet(clIcons) && !writeIcons(clParser.value(clIcons)))
        return 1;
    if (clParser.isSet(clIcons) && clParser.isSet(clIconReview)
        && !writeIconReview(clParser.value(clIcons), clParser.value(clIconReview))) {
        std::fprintf(stderr, "cannot write %s\n", qPrintable(clParser.value(clIconReview)));
        return 1;
    }
    if (!clParser.isSet(clOutput) && !clParser.isSet(clSheet) && !clParser.isSet(clIcons))
        clParser.showHelp(1);
    return 0;
}
