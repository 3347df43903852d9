// Reading update manifests and comparing versions.
#include "ClDownload.h"
#include "ClParseXmlUpdate.h"

#include <QtTest>

namespace {
// Exposes the version comparison of the run controller.
class ClVersionProbe : public ClDownload
{
public:
    using ClDownload::isNewer;
};

QList<stFileEntry> entriesOf(const QByteArray& clXml)
{
    ClParseXmlUpdate clReader;
    clReader.parseData(clXml);
    return clReader.entries();
}
}  // namespace

class TestManifest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void isNewer_data();
    void isNewer();
    void fileEntriesInDocumentOrder();
    void incompleteEntriesSkipped();
    void installerGroupsYieldNoFiles();
    void malformedOrDeepManifestYieldsNothing();
    void readerIsEmptiedBeforeEachParse();
};

void TestManifest::isNewer_data()
{
    QTest::addColumn<QString>("strOffered");
    QTest::addColumn<QString>("strInstalled");
    QTest::addColumn<bool>("bNewer");
    QTest::newRow("last component greater") << "01.00.038" << "01.00.037" << true;
    QTest::newRow("equal") << "01.00.037" << "01.00.037" << false;
    QTest::newRow("older") << "01.00.036" << "01.00.037" << false;
    QTest::newRow("leading zeros do not count") << "1.2" << "01.02" << false;
    QTest::newRow("longer is newer") << "1.2.1" << "1.2" << true;
    QTest::newRow("shorter is not newer") << "1.2" << "1.2.1" << false;
    QTest::newRow("first component decides") << "2.0.0" << "1.99.999" << true;
    QTest::newRow("numeric, not textual") << "01.10.000" << "01.09.999" << true;
    QTest::newRow("non-number reads as 0") << "1a.5" << "0.4" << true;
    QTest::newRow("non-number reads as 0, equal") << "1a" << "0" << false;
    QTest::newRow("empty offered") << "" << "01.00.037" << false;
    QTest::newRow("firmware") << "01.03.026" << "01.03.025" << true;
}

void TestManifest::isNewer()
{
    QFETCH(QString, strOffered);
    QFETCH(QString, strInstalled);
    QFETCH(bool, bNewer);
    ClVersionProbe clProbe;
    QCOMPARE(clProbe.isNewer(strOffered, strInstalled), bNewer);
}

void TestManifest::fileEntriesInDocumentOrder()
{
    // Root and group names are free; group attributes only place files for installers.
    const QList<stFileEntry> lstEntries = entriesOf(
        "<anything>"
        " <firm dir=\"fw\" reg=\"k\" app=\"a\" scope=\"2\">"
        "  <f version=\"01.03.026\" hash=\"0123456789abcdef0123456789abcdef\">fw/main.bin</f>"
        "  <g version=\"01.03.027\" hash=\"fedcba9876543210fedcba9876543210\">fw/boot.bin<sub/></g>"
        " </firm>"
        " <other><f version=\"2\" hash=\"00000000000000000000000000000000\">x.bin</f></other>"
        "</anything>");
    QCOMPARE(lstEntries.size(), 3);
    QCOMPARE(lstEntries.at(0).strPath, QStringLiteral("fw/main.bin"));
    QCOMPARE(lstEntries.at(0).strVersion, QStringLiteral("01.03.026"));
    QCOMPARE(lstEntries.at(0).strHash, QStringLiteral("0123456789abcdef0123456789abcdef"));
    QCOMPARE(lstEntries.at(1).strPath, QStringLiteral("fw/boot.bin"));
    QCOMPARE(lstEntries.at(2).strPath, QStringLiteral("x.bin"));
    for (const stFileEntry& stEntry : lstEntries) {
        QVERIFY(stEntry.strDirectory.isEmpty());
        QVERIFY(!stEntry.bFlag);
    }
}

void TestManifest::incompleteEntriesSkipped()
{
    const QList<stFileEntry> lstEntries = entriesOf(
        "<update><firm>"
        "  <f version=\"9\" hash=\"\">empty-hash.bin</f>"
        "  <f hash=\"0123456789abcdef0123456789abcdef\">no-version.bin</f>"
        "  <f version=\"9\" hash=\"0123456789abcdef0123456789abcdef\"/>"
        "  <f version=\"9\" hash=\"0123456789abcdef0123456789abcdef\"><b>element-first.bin</b></f>"
        "  <f version=\"9\" hash=\"0123456789abcdef0123456789abcdef\">ok.bin</f>"
        "</firm></update>");
    QCOMPARE(lstEntries.size(), 1);
    QCOMPARE(lstEntries.at(0).strPath, QStringLiteral("ok.bin"));
}

void TestManifest::installerGroupsYieldNoFiles()
{
    ClParseXmlUpdate clReader;
    QVERIFY(clReader.parseData(
        "<update>"
        " <process>setup,,helper</process>"
        " <own><f version=\"9\" hash=\"0123456789abcdef0123456789abcdef\" format=\"x\">own.bin</f></own>"
        " <remove><f version=\"9\" hash=\"0123456789abcdef0123456789abcdef\">gone.bin</f></remove>"
        " <settings><s isadd=\"1\" scope=\"3\">k</s></settings>"
        "</update>"));
    QVERIFY(clReader.entries().isEmpty());
    QCOMPARE(clReader.processNames(), QStringList({"setup", "helper"}));
    QCOMPARE(clReader.removeEntries().size(), 1);
    QCOMPARE(clReader.ownEntries().value(0).value("format").toString(), QStringLiteral("x"));
    QCOMPARE(clReader.settingsEntries().value(0).value("isadd").toString(), QStringLiteral("1"));
}

void TestManifest::malformedOrDeepManifestYieldsNothing()
{
    ClParseXmlUpdate clReader;
    QVERIFY(!clReader.parseData("<update><firm><f version=\"2\" hash=\"h\">a.bin</f></firm>"));
    QVERIFY(clReader.entries().isEmpty());
    QVERIFY(!clReader.parseData(QByteArray()));
    const QByteArray clDeep = "<update><firm><f version=\"2\" hash=\"h\">a.bin</f></firm>"
                              + QByteArray("<a>").repeated(ClParseXml::lMaxDepth)
                              + QByteArray("</a>").repeated(ClParseXml::lMaxDepth) + "</update>";
    QVERIFY(!clReader.parseData(clDeep));
    QVERIFY(clReader.entries().isEmpty());
}

void TestManifest::readerIsEmptiedBeforeEachParse()
{
    ClParseXmlUpdate clReader;
    QVERIFY(clReader.parseData("<u><g><f version=\"2\" hash=\"h\">a.bin</f></g></u>"));
    QCOMPARE(clReader.entries().size(), 1);
    QVERIFY(!clReader.parseData("not xml"));
    QVERIFY(clReader.entries().isEmpty());
}

QTEST_MAIN(TestManifest)
#include "TestManifest.moc"
