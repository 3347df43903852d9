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
};
