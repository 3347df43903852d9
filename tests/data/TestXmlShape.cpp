// The shapes of XML the readers would take far too long on are refused in one linear
// pass, and ordinary files (and the markup that only looks like tags) pass it.
#include "data/ClParseXmlNetwork.h"
#include "data/ClXmlShapeCheck.h"
#include "update/ClParseXmlUpdate.h"

#include <QtTest>

namespace {
using Verdict = ClXmlShapeCheck::Verdict;

QByteArray attributes(int lCount)
{
    QByteArray clAttributes;
    for (int i = 0; i < lCount; ++i)
        clAttributes += " a" + QByteArray::number(i) + "=\"\"";
    return clAttributes;
}

QByteArray nested(int lDepth)
{
    return QByteArray("<a>").repeated(lDepth) + QByteArray("</a>").repeated(lDepth);
}
}  // namespace

Q_DECLARE_METATYPE(ClXmlShapeCheck::Verdict)

class TestXmlShape : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void shapes_data()
    {
        QTest::addColumn<QByteArray>("clXml");
        QTest::addColumn<Verdict>("eVerdict");
        const int lDepth = ClXmlShapeCheck::lMaxDepth;
        const int lAttributes = ClXmlShapeCheck::lMaxAttributes;
        QTest::newRow("deepest allowed") << nested(lDepth) << Verdict::Acceptable;
        QTest::newRow("one level deeper") << nested(lDepth + 1) << Verdict::TooDeep;
        QTest::newRow("siblings do not add up")
            << QByteArray("<r>" + nested(lDepth - 1).repeated(50) + "</r>") << Verdict::Acceptable;
        QTest::newRow("self-closing elements do not nest")
            << QByteArray("<r>" + QByteArray("<a/>").repeated(1000) + "</r>") << Verdict::Acceptable;
        QTest::newRow("most attributes allowed")
            << QByteArray("<r" + attributes(lAttributes) + "/>") << Verdict::Acceptable;
        QTest::newRow("one attribute more")
            << QByteArray("<r" + attributes(lAttributes + 1) + "/>") << Verdict::TooManyAttributes;
        QTest::newRow("80,000 empty attributes")
            << QByteArray("<r" + attributes(80000) + "/>") << Verdict::TooManyAttributes;
        QTest::newRow("too many elements")
            << QByteArray("<r>" + QByteArray("<a/>").repeated(ClXmlShapeCheck::lMaxElements) + "</r>")
            << Verdict::TooManyElements;
        // Markup that only looks like tags or attributes counts for nothing.
        QTest::newRow("equals signs in a value")
            << QByteArray("<r a=\"" + QByteArray("=").repeated(500) + "\" b='>'/>") << Verdict::Acceptable;
        QTest::newRow("tags in a comment")
            << QByteArray("<r><!--" + nested(lDepth + 5) + "--></r>") << Verdict::Acceptable;
        QTest::newRow("tags in CDATA") << QByteArray("<r><![CDATA[" + nested(lDepth + 5) + "]]></r>")
                                       << Verdict::Acceptable;
        QTest::newRow("declaration") << QByteArray("<?xml version=\"1.0\" encoding=\"utf-8\"?><r/>")
                                     << Verdict::Acceptable;
        QTest::newRow("cut off inside a tag") << QByteArray("<r a=\"1\" b=") << Verdict::Acceptable;
    }

    void shapes()
    {
        QFETCH(QByteArray, clXml);
        QFETCH(Verdict, eVerdict);
        QCOMPARE(ClXmlShapeCheck::check(clXml), eVerdict);
    }

    void worstShapesAreRefusedUnread()
    {
        // Each under the readers' 1 MiB cap; read whole, the first took over a minute.
        const QList<QByteArray> lstWorst = {
            "<update><own><f" + attributes(80000) + "/></own></update>",
            "<update>" + QByteArray("<a/>").repeated(200000) + "</update>",
            "<update>" + QByteArray("<a>").repeated(100000) + "</update>",
            "<network><sourceurl" + attributes(80000) + ">x</sourceurl></network>",
        };
        // How long they take is benchmarks/BenchXmlParse's to measure.
        for (const QByteArray& clXml : lstWorst) {
            QVERIFY(clXml.size() < 1024 * 1024);
            QVERIFY(ClXmlShapeCheck::check(clXml) != Verdict::Acceptable);
            ClParseXmlUpdate clManifest;
            ClParseXmlNetwork clSettings;
            QVERIFY(!clManifest.parseData(clXml));
            QVERIFY(!clSettings.parseData(clXml));
            QVERIFY(clManifest.entries().isEmpty());
        }
    }
};

QTEST_GUILESS_MAIN(TestXmlShape)
#include "TestXmlShape.moc"
