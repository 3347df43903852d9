#include "ClIncludeRules.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QLibraryInfo>
#include <QRegularExpression>

namespace {
struct stLibrary
{
    const char* pszFolder;
    // The libraries it may include from, besides itself.
    QStringList lstBelow;
    bool bWidgets;
};

const QStringList lstPages
    = {"pages/status", "pages/basic", "pages/network", "pages/stream", "pages/schedule", "pages/help"};

// Lowest first, as the top CMakeLists.txt builds them.
const QList<stLibrary>& libraries()
{
    static const QList<stLibrary> lstLibraries = {
        {"protocol", {}, false},
        {"usb", {"protocol"}, false},
        {"virtualcamera", {"usb", "protocol"}, false},
        {"data", {}, false},
        {"resources", {}, false},
        {"update", {"data", "protocol"}, false},
        {"session", {"update", "data", "protocol"}, false},
        {"settings", {"protocol"}, false},
        {"cli", {"settings", "session", "update", "data", "virtualcamera", "usb", "protocol"}, false},
        {"framework", {"protocol", "resources"}, true},
        {"pages/status", {"framework", "settings", "protocol", "resources"}, true},
        {"pages/basic", {"framework", "settings", "protocol", "resources"}, true},
        {"pages/network", {"framework", "settings", "protocol", "resources"}, true},
        {"pages/stream", {"framework", "settings", "protocol", "resources"}, true},
        {"pages/schedule", {"framework", "settings", "protocol", "resources"}, true},
        {"pages/help", {"framework", "settings", "update", "data", "protocol", "resources"}, true},
        {"app",
         QStringList {"framework", "settings", "session", "update", "data", "virtualcamera", "usb", "protocol", "resources"}
             + lstPages,
         true},
    };
    return lstLibraries;
}

const stLibrary* find(const QString& strFolder)
{
    for (const stLibrary& stEntry : libraries()) {
        if (strFolder == QLatin1String(stEntry.pszFolder))
            return &stEntry;
    }
    return nullptr;
}

bool isWidgetHeader(const QString& strHeader)
{
    static const QString strWidgets = QLibraryInfo::path(QLibraryInfo::HeadersPath) + QStringLiteral("/QtWidgets/");
    return strHeader.startsWith(QLatin1String("QtWidgets/")) || QFileInfo::exists(strWidgets + strHeader);
}

// The library a file belongs to ("pages/basic", "framework", "protocol"...), or empty
// for folders the rules leave alone (tests, tools, benchmarks).
QString libraryOf(const QString& strRelativePath)
{
    // The longest folder that holds the file: "pages/basic" before a "pages" library would.
    QString strBest;
    for (const stLibrary& stEntry : libraries()) {
        const QString strFolder = QLatin1String(stEntry.pszFolder);
        if (strRelativePath.startsWith(strFolder + QLatin1Char('/')) && strFolder.size() > strBest.size())
            strBest = strFolder;
    }
    return strBest;
}

bool mayInclude(const QString& strFrom, const QString& strTo)
{
    const stLibrary* pstFrom = find(strFrom);
    return pstFrom && (strFrom == strTo || pstFrom->lstBelow.contains(strTo));
}

bool isBelowWidgets(const QString& strLibrary)
{
    const stLibrary* pstLibrary = find(strLibrary);
    return pstLibrary && !pstLibrary->bWidgets;
}
}  // namespace

QStringList ClIncludeRules::check(const QString& strRoot)
{
    static const QRegularExpression reQuoted(QStringLiteral("^\\s*#\\s*include\\s+\"([^\"]+)\""));
    static const QRegularExpression reAngled(QStringLiteral("^\\s*#\\s*include\\s+<([^>]+)>"));
    const QDir clRoot(strRoot);
    QStringList lstFindings;
    QDirIterator clFiles(strRoot, {QStringLiteral("*.h"), QStringLiteral("*.cpp"), QStringLiteral("*.def")},
                         QDir::Files, QDirIterator::Subdirectories);
    while (clFiles.hasNext()) {
        const QString strPath = clFiles.next();
        const QString strRelative = clRoot.relativeFilePath(strPath);
        const QString strLibrary = libraryOf(strRelative);
        if (strLibrary.isEmpty())
            continue;
        QFile clFile(strPath);
        if (!clFile.open(QIODevice::ReadOnly))
            continue;
        int lLine = 0;
        while (!clFile.atEnd()) {
            const QString strText = QString::fromUtf8(clFile.readLine()).trimmed();
            ++lLine;
            const QString strWhere = strRelative + QLatin1Char(':') + QString::number(lLine) + QLatin1String(": ");
            const QRegularExpressionMatch clQuoted = reQuoted.match(strText);
            if (clQuoted.hasMatch()) {
                const QString strTarget = clQuoted.captured(1);
                if (!strTarget.contains(QLatin1Char('/')))
                    continue;  // within the library
                const QString strTo = libraryOf(strTarget);
                if (strTo.isEmpty() || !mayInclude(strLibrary, strTo))
                    lstFindings << strWhere + strLibrary + QLatin1String(" may not include ") + strTarget;
                continue;
            }
            const QRegularExpressionMatch clAngled = reAngled.match(strText);
            if (clAngled.hasMatch() && isBelowWidgets(strLibrary) && isWidgetHeader(clAngled.captured(1)))
                lstFindings << strWhere + strLibrary + QLatin1String(" is below the widgets but includes <")
                        + clAngled.captured(1) + QLatin1Char('>');
        }
    }
    return lstFindings;
}
