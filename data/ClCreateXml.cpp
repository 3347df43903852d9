#include "ClCreateXml.h"

#include "TovuDataLog.h"

#include <QSaveFile>

ClCreateXml::ClCreateXml() = default;

ClCreateXml::~ClCreateXml() = default;

QByteArray ClCreateXml::toByteArray() const
{
    return clDocument.toByteArray(1);
}

bool ClCreateXml::save(const QString& strPath)
{
    const QByteArray clData = toByteArray();
    if (clData.isEmpty())
        return false;
    // Written to a temporary file and renamed over the old one, so a crash while
    // writing leaves the previous file intact. Owner-only: it may hold a proxy password.
    QSaveFile clFile(strPath);
    if (!clFile.open(QIODevice::WriteOnly))
        return false;
    if (!clFile.setPermissions(QFileDevice::ReadOwner | QFileDevice::WriteOwner)) {
        qCWarning(lcTovuData) << "cannot restrict permissions of" << strPath;
        clFile.cancelWriting();
        return false;
    }
    if (clFile.write(clData) != clData.size()) {
        clFile.cancelWriting();
        return false;
    }
    return clFile.commit();
}

QDomNode ClCreateXml::element(QDomNode clParent, const QString& strName)
{
    const QDomNode clExisting
        = clParent.isNull() ? clDocument.firstChildElement(strName) : clParent.firstChildElement(strName);
    if (!clExisting.isNull())
        return QDomNode();
    // Creating the element also gives a still empty document its content, so the
    // document is only taken as the owner afterwards.
    QDomElement clElement = clDocument.createElement(strName);
    if (clParent.isNull())
        clDocument.appendChild(clElement);
    else
        clParent.appendChild(clElement);
    return clElement;
}

bool ClCreateXml::addText(QDomNode clNode, const QString& strText)
{
    if (clNode.isNull())
        return false;
    for (QDomNode clChild = clNode.firstChild(); !clChild.isNull(); clChild = clChild.nextSibling()) {
        if (clChild.isText() && clChild.nodeValue() == strText)
            return false;
    }
    clNode.appendChild(clDocument.createTextNode(strText));
    return true;
}

bool ClCreateXml::setAttribute(QDomNode clNode, const QString& strName, const QString& strValue)
{
    QDomElement clElement = clNode.toElement();
    if (clElement.isNull() || strName.isEmpty() || strValue.isEmpty())
        return false;
    clElement.setAttribute(strName, strValue);
    return true;
}
