// How long the update manifest and settings readers take on the worst documents under
// their size cap, and on an ordinary manifest, as a user's update check reads them.
#include "data/ClParseXmlNetwork.h"
#include "update/ClParseXmlUpdate.h"

#include <QtTest>

namespace {
QByteArray attributes(int lCount)
{
    QByteArray clAttributes;
    for (int i = 0; i < lCount; ++i)
        clAttributes += " a" + QByteArray::number(i) + "=\"\"";
    return clAttributes;
}
}  // namespace

class BenchXmlParse : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void manifest_data()
    {
        QTest::addColumn<QByteArray>("clXml");
        QByteArray clOrdinary = "<?xml version=\"1.0\"?><update><firm dir=\"firmware\">";
        for (int i = 0; i < 50; ++i)
            clOrdinary += "<file version=\"01.03.0" + QByteArray::number(i) + "\" hash=\"0123456789abcdef\">f"
                + QByteArray::number(i) + ".bin</file>";
        clOrdinary += "</firm></update>";
        QTest::newRow("ordinary, 50 files") << clOrdinary;
        QTest::newRow("80,000 attributes") << QByteArray("<update><own><f" + attributes(80000) + "/></own></update>");
        QTest::newRow("200,000 empty elements")
            << QByteArray("<update>" + QByteArray("<a/>").repeated(200000) + "</update>");
        QTest::newRow("100,000 levels") << QByteArray("<update>" + QByteArray("<a>").repeated(100000) + "</update>");
    }

    void manifest()
    {
        QFETCH(QByteArray, clXml);
        QBENCHMARK
        {
            ClParseXmlUpdate clManifest;
            clManifest.parseData(clXml);
        }
    }

    void settingsFile()
    {
        const QByteArray clXml = "<network><sourceurl" + attributes(80000) + ">x</sourceurl></network>";
        QBENCHMARK
        {
            ClParseXmlNetwork clSettings;
            clSettings.parseData(clXml);
        }
    }
};

QTEST_GUILESS_MAIN(BenchXmlParse)
#include "BenchXmlParse.moc"
