#include "TestMessageBox.h"

#include "ClMessageBox.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QPushButton>
#include <QtTest>

void TestMessageBox::buttonSets_data()
{
    QTest::addColumn<int>("lButtons");
    QTest::addColumn<QStringList>("lstTexts");
    QTest::newRow("OK|Cancel") << int(QMessageBox::Ok | QMessageBox::Cancel) << QStringList{"OK", "Cancel"};
    QTest::newRow("Yes|No") << int(QMessageBox::Yes | QMessageBox::No) << QStringList{"Yes", "No"};
    QTest::newRow("OK|Yes") << int(QMessageBox::Ok | QMessageBox::Yes) << QStringList{"OK"};
    QTest::newRow("Cancel|No") << int(QMessageBox::Cancel | QMessageBox::No) << QStringList{"Cancel"};
    QTest::newRow("OK") << int(QMessageBox::Ok) << QStringList{"OK"};
}

void TestMessageBox::buttonSets()
{
    QFETCH(int, lButtons);
    QFETCH(QStringList, lstTexts);
    ClMessageBox clBox(nullptr, QStringLiteral("Text"), QStringLiteral("Title"),
                       QMessageBox::StandardButtons(lButtons));
    QStringList lstShown;
    const auto lstButtons = clBox.findChild<QDialogButtonBox*>()->buttons();
    for (QAbstractButton* pclButton : lstButtons)
        lstShown.append(pclButton->text());
    lstShown.sort();
    lstTexts.sort();
    QCOMPARE(lstShown, lstTexts);
    QVERIFY(clBox.width() >= 230);
    QCOMPARE(clBox.windowTitle(), QStringLiteral("Title"));
    QCOMPARE(clBox.findChild<QLabel*>("labelMessage")->alignment(), Qt::AlignCenter);
}

void TestMessageBox::responderAnswers_data()
{
    QTest::addColumn<int>("lButtons");
    QTest::addColumn<int>("lChosen");
    QTest::addColumn<int>("lResult");
    QTest::newRow("OK") << int(QMessageBox::Ok | QMessageBox::Cancel) << int(QMessageBox::Ok) << 1;
    QTest::newRow("Cancel") << int(QMessageBox::Ok | QMessageBox::Cancel) << int(QMessageBox::Cancel) << 0;
    QTest::newRow("Yes") << int(QMessageBox::Yes | QMessageBox::No) << int(QMessageBox::Yes) << 1;
    QTest::newRow("No") << int(QMessageBox::Yes | QMessageBox::No) << int(QMessageBox::No) << 0;
    QTest::newRow("closed") << int(QMessageBox::Ok) << int(QMessageBox::NoButton) << 0;
    // Yes is not on a box that shows OK: picking it cannot accept.
    QTest::newRow("Yes hidden") << int(QMessageBox::Ok | QMessageBox::Yes) << int(QMessageBox::Yes) << 0;
}

void TestMessageBox::responderAnswers()
{
    QFETCH(int, lButtons);
    QFETCH(int, lChosen);
    QFETCH(int, lResult);
    QString strSeen;
    QMessageBox::StandardButtons clSeenButtons;
    ClMessageBox::setTestResponder([&](const QString& strText, QMessageBox::StandardButtons clButtons) {
        strSeen = strText;
        clSeenButtons = clButtons;
        return QMessageBox::StandardButton(lChosen);
    });
    ClMessageBox clBox(nullptr, QStringLiteral("Format the card?"), QStringLiteral("T"),
                       QMessageBox::StandardButtons(lButtons));
    QCOMPARE(clBox.exec(), lResult);
    ClMessageBox::setTestResponder({});
    QCOMPARE(strSeen, QStringLiteral("Format the card?"));
    QCOMPARE(clSeenButtons, clBox.shownButtons());
    QVERIFY(!clBox.isVisible());
}

void TestMessageBox::realButtonsCloseTheBox()
{
    for (const char* pszButton : {"buttonOk", "buttonCancel"}) {
        ClMessageBox clBox(nullptr, QStringLiteral("Text"), QStringLiteral("T"),
                           QMessageBox::Ok | QMessageBox::Cancel);
        QPushButton* pclButton = clBox.findChild<QPushButton*>(pszButton);
        QVERIFY(pclButton != nullptr);
        QTimer::singleShot(0, pclButton, [pclButton] { QTest::mouseClick(pclButton, Qt::LeftButton); });
        const int lResult = clBox.exec();
        QCOMPARE(lResult, qstrcmp(pszButton, "buttonOk") == 0 ? 1 : 0);
    }
}
