#include "ClParseXml.h"

#include "TovuDataLog.h"

#include <QFile>
#include <QXmlStreamReader>

ClParseXml::ClParseXml() = default;

ClParseXml::~ClParseXml() = default;

void ClParseXml::clear() {}

bool ClParseXml::parseFile(const QString& strPath)
{
    QFile clFile(strPath);
    if (!clFile.open(QIODevice::ReadOnly))
        return false;
    if (clFile.size() > llMaxBytes) {
        qCWarning(lcTovuData) << "refusing oversized XML file" << strPath << clFile.size();
        return false;
    }
    strName = strPath;
    // read() bounds the allocation even if the file grew after size() was taken.
    const QByteArray clData = clFile.read(llMaxBytes + 1);
    if (clData.size() > llMaxBytes)
        return false;
    return parseData(clData);
}

bool ClParseXml::isDepthAcceptable(const QByteArray& clData)
{
    QXmlStreamReader clReader(clData);
    int lDepth = 0;
    while (!clReader.atEnd()) {
        switch (clReader.readNext()) {
        case QXmlStreamReader::StartElement:
            if (++lDepth > lMaxDepth)
                return false;
            break;
        case QXmlStreamReader::EndElement:
            --lDepth;
            break;
        default:
            break;
        }
    }
    return true;
}

bool ClParseXml::parseData(const QByteArray& clData)
{
    clear();
    if (clData.size() > llMaxBytes) {
        qCWarning(lcTovuData) << "refusing oversized XML document" << clData.size();
        return false;
    }
    if (!isDepthAcceptable(clData)) {
        qCWarning(lcTovuData) << "refusing XML nested deeper than" << lMaxDepth;
        return false;
    }
    if (!clDocument.setContent(clData, false) || !clDocument.hasChildNodes()) {
        clDocument.clear();
        return false;
    }
    for (QDomNode clNode = clDocument.firstChild(); !clNode.isNull(); clNode = clNode.nextSibling())
        walk(clNode);
    clDocument.clear();
    return true;
}

void ClParseXml::walk(const QDomNode& clNode)
{
    if (!parseNode(clNode))
        return;
    for (QDomNode clChild = clNode.firstChild(); !clChild.isNull(); clChild = clChild.nextSibling())
        walk(clChild);
}
