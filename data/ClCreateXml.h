#pragma once
// Base of the tool's XML writers: builds a DOM document element by element and saves it
// atomically, readable by its owner only.
#include <QDomDocument>
#include <QString>

class ClCreateXml
{
public:
    ClCreateXml();
    virtual ~ClCreateXml();

    virtual bool save(const QString& strPath);
    // Appends a new element "strName" to clParent (to the document when clParent is
    // null) unless one of that name is already there; returns the new element, or a
    // null node when it already existed.
    virtual QDomNode element(QDomNode clParent, const QString& strName);
    virtual bool addText(QDomNode clNode, const QString& strText);
    virtual bool setAttribute(QDomNode clNode, const QString& strName, const QString& strValue);

    QByteArray toByteArray() const;

protected:
    QDomDocument clDocument;
};
