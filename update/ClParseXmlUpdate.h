#pragma once
// Reader of an update manifest: the files it offers with version and MD5 hash. Groups
// that belong to installer functions this tool does not perform are accepted and kept
// apart, and yield no downloads.
#include "data/ClParseXml.h"
#include "stFileEntry.h"

#include <QList>
#include <QStringList>
#include <QVariantMap>

class ClParseXmlUpdate : public ClParseXml
{
public:
    ClParseXmlUpdate();

    void clear() override;

    const QList<stFileEntry>& entries() const { return lstEntries; }
    const QStringList& processNames() const { return lstProcess; }
    // Children of "own", "remove" and "settings" groups, one attribute map each.
    const QList<QVariantMap>& ownEntries() const { return lstOwn; }
    const QList<QVariantMap>& removeEntries() const { return lstRemove; }
    const QList<QVariantMap>& settingsEntries() const { return lstSettings; }

protected:
    bool parseNode(const QDomNode& clNode) override;

private:
    void readFileGroup(const QDomElement& clGroup);
    static void readInstallerGroup(const QDomElement& clGroup, QList<QVariantMap>& lstTarget);

    QList<stFileEntry> lstEntries;
    QStringList lstProcess;
    QList<QVariantMap> lstOwn;
    QList<QVariantMap> lstRemove;
    QList<QVariantMap> lstSettings;
};
