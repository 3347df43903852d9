#pragma once
// The dependency direction of the libraries, and a check of a source tree against it:
// every quoted include that names a folder must name the file's own library or one it
// may depend on, and the libraries below the widgets include no QtWidgets header.
#include <QString>
#include <QStringList>

class ClIncludeRules
{
public:
    // One finding per offending include: "file:line: text".
    static QStringList check(const QString& strRoot);

    // The library a file belongs to ("pages/basic", "framework", "protocol"...), or
    // empty for folders the rules leave alone (tests, tools, benchmarks).
    static QString libraryOf(const QString& strRelativePath);
    static bool mayInclude(const QString& strFrom, const QString& strTo);
    static bool isBelowWidgets(const QString& strLibrary);
};
