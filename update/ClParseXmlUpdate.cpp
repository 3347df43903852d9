#include "ClParseXmlUpdate.h"

ClParseXmlUpdate::ClParseXmlUpdate() = default;

void ClParseXmlUpdate::clear()
{
    lstEntries.clear();
    lstProcess.clear();
    lstOwn.clear();
    lstRemove.clear();
    lstSettings.clear();
    clDocument.clear();
}

bool ClParseXmlUpdate::parseNode(const QDomNode& clNode)
{
    // The root (whatever its name) is only descended into; its children are the groups.
    if (clNode.parentNode().isDocument())
        return true;
    const QDomElement clElement = clNode.toElement();
    if (clElement.isNull())
        return true;
    const QString strTag = clElement.tagName();
    if (strTag == QLatin1String("process"))
        lstProcess = clElement.text().split(QLatin1Char(','), Qt::SkipEmptyParts);
    else if (strTag == QLatin1String("own"))
        readInstallerGroup(clElement, lstOwn);
    else if (strTag == QLatin1String("remove"))
        readInstallerGroup(clElement, lstRemove);
    else if (strTag == QLatin1String("settings"))
        readInstallerGroup(clElement, lstSettings);
    else
        readFileGroup(clElement);
    return false;
}

void ClParseXmlUpdate::readFileGroup(const QDomElement& clGroup)
{
    // "dir", "reg", "app" and "scope" would only place files on an installer's
    // machine; this tool keeps files in memory, so the directory stays empty.
    for (QDomElement clFile = clGroup.firstChildElement(); !clFile.isNull(); clFile = clFile.nextSiblingElement()) {
        const QDomNode clFirst = clFile.firstChild();
        if (!clFirst.isText())
            continue;
        stFileEntry stEntry;
        stEntry.strPath = clFirst.nodeValue();
        stEntry.strVersion = clFile.attribute(QStringLiteral("version"));
        stEntry.strHash = clFile.attribute(QStringLiteral("hash"));
        // Added by signed sites; readers that know only "hash" pass over it.
        stEntry.strSha256 = clFile.attribute(QStringLiteral("sha256"));
        if (stEntry.strPath.isEmpty() || stEntry.strVersion.isEmpty() || stEntry.strHash.isEmpty())
            continue;
        lstEntries.append(stEntry);
    }
}

void ClParseXmlUpdate::readInstallerGroup(const QDomElement& clGroup, QList<QVariantMap>& lstTarget)
{
    for (QDomElement clChild = clGroup.firstChildElement(); !clChild.isNull(); clChild = clChild.nextSiblingElement()) {
        QVariantMap mapEntry;
        const QDomNamedNodeMap clAttributes = clChild.attributes();
        for (int i = 0; i < clAttributes.count(); ++i) {
            const QDomAttr clAttr = clAttributes.item(i).toAttr();
            mapEntry.insert(clAttr.name(), clAttr.value());
        }
        mapEntry.insert(QStringLiteral("#name"), clChild.tagName());
        mapEntry.insert(QStringLiteral("#text"), clChild.text());
        lstTarget.append(mapEntry);
    }
}
