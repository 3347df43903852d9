#include "ClParseXml.h"

#include "ClXmlShapeCheck.h"
#include "TovuDataLog.h"

#include <QFile>

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

bool ClParseXml::parseData(const QByteArray& clData)
{
    clear();
    if (clData.size() > llMaxBytes) {
        qCWarning(lcTovuData) << "refusing oversized XML document" << clData.size();
        return false;
    }
    // The DOM below takes time quadratic in these shapes; they are refused in one linear
    // pass first, so that no document under the size cap can hold the tool up.
    const ClXmlShapeCheck::Verdict eShape = ClXmlShapeCheck::check(clData);
    if (eShape != ClXmlShapeCheck::Verdict::Acceptable) {
        qCWarning(lcTovuData) << "refusing XML of an unreasonable shape" << int(eShape);
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
