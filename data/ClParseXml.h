#pragma once
// Base of the tool's XML readers: loads a document (bounded in size, and in nesting,
// attributes and elements by ClXmlShapeCheck) and walks its nodes, handing each to the
// subclass's parseNode.
#include <QByteArray>
#include <QDomDocument>
#include <QString>

class ClParseXml
{
public:
    // Every XML file the tool reads is small; anything larger is refused unread.
    static constexpr qint64 llMaxBytes = 1024 * 1024;

    ClParseXml();
    virtual ~ClParseXml();

    bool parseFile(const QString& strPath);
    bool parseData(const QByteArray& clData);

    virtual void clear();

protected:
    // Handles one node; returns true when the walk should descend into its children.
    virtual bool parseNode(const QDomNode& clNode) = 0;

    QDomDocument clDocument;
    QString strName;

private:
    void walk(const QDomNode& clNode);
};
