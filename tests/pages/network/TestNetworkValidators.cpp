// The address checks made on Apply (masks, hosts), the address field as it is typed
// (automatic dot, the dot removed with its digit, leading zeros), the port field and the
// correction of a finished port, and the signal and encryption tables of the list rows.
#include "pages/network/ClIpv4Validator.h"
#include "pages/network/ClNetworkPortValidator.h"
#include "pages/network/ClSsidText.h"
#include "pages/network/ClWidgetEncryption.h"
#include "pages/network/ClWidgetRssi.h"

#include <QLineEdit>
#include <QtTest>

class TestNetworkValidators : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void typing_data()
    {
        // What the field holds after each text typed into an empty field.
        QTest::addColumn<QString>("strTyped");
        QTest::addColumn<QString>("strShown");
        QTest::newRow("192 gets its dot") << "192"
                                          << "192.";
        QTest::newRow("19 waits") << "19"
                                  << "19";
        QTest::newRow("full address") << "1921681100"
                                      << "192.168.110.0";
        QTest::newRow("dots typed") << "10.0.0.1"
                                    << "10.0.0.1";
        QTest::newRow("no 256") << "256"
                                << "25";
        QTest::newRow("no leading zero") << "01"
                                         << "0";
        QTest::newRow("no fifth part") << "1.2.3.4.5"
                                       << "1.2.3.45";
        QTest::newRow("no letters") << "1a"
                                    << "1";
    }

    void typing()
    {
        QFETCH(QString, strTyped);
        QFETCH(QString, strShown);
        QLineEdit clEdit;
        clEdit.setValidator(new ClIpv4Validator(&clEdit));
        QTest::keyClicks(&clEdit, strTyped);
        QCOMPARE(clEdit.text(), strShown);
    }

    void deletingTheDigitAfterADotTakesTheDot()
    {
        // The dot added after 192 goes with the digit before it, or it would come back at once.
        QLineEdit clEdit;
        clEdit.setValidator(new ClIpv4Validator(&clEdit));
        QTest::keyClicks(&clEdit, QStringLiteral("192"));
        QCOMPARE(clEdit.text(), QStringLiteral("192."));
        QTest::keyClick(&clEdit, Qt::Key_Backspace);
        QCOMPARE(clEdit.text(), QStringLiteral("19"));
        QCOMPARE(clEdit.cursorPosition(), 2);
        QTest::keyClicks(&clEdit, QStringLiteral("8"));
        QCOMPARE(clEdit.text(), QStringLiteral("198."));
    }

    void portField_data()
    {
        QTest::addColumn<QString>("strText");
        QTest::addColumn<int>("eState");
        QTest::newRow("empty") << "" << int(QValidator::Acceptable);
        QTest::newRow("80") << "80" << int(QValidator::Acceptable);
        QTest::newRow("99999") << "99999" << int(QValidator::Acceptable);
        QTest::newRow("six digits") << "100000" << int(QValidator::Invalid);
        QTest::newRow("letters") << "8o" << int(QValidator::Invalid);
        QTest::newRow("sign") << "-80" << int(QValidator::Invalid);
    }

    void portField()
    {
        QFETCH(QString, strText);
        QFETCH(int, eState);
        ClNetworkPortValidator clValidator;
        int lPos = 0;
        QCOMPARE(int(clValidator.validate(strText, lPos)), eState);
    }

    void signalLevels_data()
    {
        QTest::addColumn<quint32>("ulSignal");
        QTest::addColumn<int>("lLevel");
        QTest::newRow("65") << 65u << 3;
        QTest::newRow("66") << 66u << 2;
        QTest::newRow("80") << 80u << 2;
        QTest::newRow("81") << 81u << 1;
        QTest::newRow("120") << 120u << 1;
        QTest::newRow("1") << 1u << 3;
        QTest::newRow("0: no value") << 0u << 0;
        QTest::newRow("121: no value") << 121u << 0;
        QTest::newRow("0xFFFFFFFF: no value") << 0xFFFFFFFFu << 0;
    }

    void signalLevels()
    {
        QFETCH(quint32, ulSignal);
        QFETCH(int, lLevel);
        ClWidgetRssi clRssi(ulSignal);
        QCOMPARE(clRssi.level(), lLevel);
        // Every level has its picture.
        QVERIFY(!clRssi.pixmap().isNull());
    }

    void encryptionTexts()
    {
        QCOMPARE(ClWidgetEncryption::textFor(1), QStringLiteral("WEP"));
        QCOMPARE(ClWidgetEncryption::textFor(2), QStringLiteral("TKIP"));
        QCOMPARE(ClWidgetEncryption::textFor(4), QStringLiteral("AES"));
        for (quint32 ulCode : {0u, 3u, 5u, 0xFFFFFFFFu}) {
            ClWidgetEncryption clPlate(ulCode);
            QVERIFY(clPlate.text().isEmpty());
            QCOMPARE(clPlate.size(), QSize(0, 0));
        }
    }

    void ssidBytes()
    {
        bool bSendable = false;
        // UTF-8 read as 8-bit characters comes back as the name it spells, which sends the same bytes.
        const QString strWire = QString::fromLatin1(QStringLiteral("カフェ").toUtf8());
        QCOMPARE(ClSsidText::fromCamera(strWire, &bSendable), QStringLiteral("カフェ"));
        QVERIFY(bSendable);
        const QString strBroken = QString::fromLatin1(QByteArray("\xff\xfe\x80 net"));
        QCOMPARE(ClSsidText::fromCamera(strBroken, &bSendable), strBroken);
        QVERIFY(!bSendable);
        QCOMPARE(ClSsidText::display(QStringLiteral("a\tb\x1b")), QStringLiteral("a\uFFFDb\uFFFD"));
    }
};

QTEST_MAIN(TestNetworkValidators)
#include "TestNetworkValidators.moc"
