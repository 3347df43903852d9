// Draws every picture of the tool. With --output it writes them as PNG files plus a
// resource collection file that maps each to its resource path; with --sheet it renders
// a review sheet of them all; with --icons it writes the application mark as the icon
// theme's files that the desktop entry names.
#include "ClArtCatalogue.h"
#include "ClContactSheet.h"
#include "ClPictureArt.h"

#include <QCommandLineParser>
#include <QDir>
#include <QGuiApplication>
#include <QSaveFile>

#include <cstdio>

namespace {

QString fileNameFor(const QString& strAlias)
{
    return QString(strAlias).replace(QLatin1Char('/'), QLatin1Char('_')) + QStringLiteral(".png");
}

bool writeAll(const QString& strFolder)
{
    if (!QDir().mkpath(strFolder))
        return false;
    QString strCollection = QStringLiteral("<!DOCTYPE RCC>\n<RCC version=\"1.0\">\n<qresource prefix=\"/\">\n");
    for (const auto& clPicture : ClArtCatalogue::all()) {
        const QString strFile = fileNameFor(clPicture.strAlias);
        const QImage clImage = clPicture.fnDraw();
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
    clParser.addOption(clIcons);
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
    if (!clParser.isSet(clOutput) && !clParser.isSet(clSheet) && !clParser.isSet(clIcons))
        clParser.showHelp(1);
    return 0;
}
