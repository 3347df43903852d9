// The progress dialog: the dot animation, Cancel with its confirmation, the installing
// view and the reset between runs.
#include "ClProgressDialog.h"

#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QSignalSpy>
#include <QtTest>

class TestProgressDialog : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init();
    void cleanup();
    void dotsAppearOneByOne();
    void cancelAskedFirst_data();
    void cancelAskedFirst();
    void closingFromOutsideAnswersNo();
    void byteBarFollowsEachFile();
    void installingViewAndReset();

private:
    QLabel* dot(int i) const { return pclDialog->findChild<QLabel*>(QStringLiteral("labelDot%1").arg(i)); }
    // Answers the confirmation as soon as it is shown.
    void answerConfirmation(QMessageBox::StandardButton eButton);

    ClProgressDialog* pclDialog = nullptr;
    QString strAsked;
    QString strAskedTitle;
    QMessageBox::Icon eAskedIcon = QMessageBox::NoIcon;
};

void TestProgressDialog::init()
{
    pclDialog = new ClProgressDialog;
    pclDialog->setWindowTitle("Tovu Setting Tool");
    pclDialog->show();
}

void TestProgressDialog::cleanup()
{
    delete pclDialog;
}

void TestProgressDialog::answerConfirmation(QMessageBox::StandardButton eButton)
{
    QTimer::singleShot(0, pclDialog, [this, eButton] {
        QMessageBox* pclBox = pclDialog->confirmation();
        QVERIFY(pclBox);
        strAsked = pclBox->text();
        strAskedTitle = pclBox->windowTitle();
        eAskedIcon = pclBox->icon();
        pclBox->button(eButton)->click();
    });
}

void TestProgressDialog::dotsAppearOneByOne()
{
    QLabel* pclStatus = pclDialog->findChild<QLabel*>("labelStatus");
    QCOMPARE(pclStatus->text(), QStringLiteral("now Downloading"));
    QVERIFY(pclStatus->font().italic());
    QVERIFY(pclStatus->font().bold());

    pclDialog->slotEndMove();
    QElapsedTimer clTimer;
    clTimer.start();
    pclDialog->slotTimerMovie();
    QVERIFY(!dot(1)->isHidden());
    QVERIFY(dot(2)->isHidden() && dot(3)->isHidden());
    QTRY_VERIFY_WITH_TIMEOUT(!dot(2)->isHidden(), 1000);
    QVERIFY(clTimer.elapsed() >= 190);
    QVERIFY(dot(3)->isHidden());
    QTRY_VERIFY_WITH_TIMEOUT(!dot(3)->isHidden(), 1000);
    QVERIFY(clTimer.elapsed() >= 390);
    QTRY_VERIFY_WITH_TIMEOUT(dot(1)->isHidden() && dot(2)->isHidden() && dot(3)->isHidden(), 1000);
    QVERIFY(clTimer.elapsed() >= 790);
}

void TestProgressDialog::cancelAskedFirst_data()
{
    QTest::addColumn<int>("lAnswer");
    QTest::addColumn<bool>("bCancelled");
    QTest::newRow("OK cancels") << int(QMessageBox::Ok) << true;
    QTest::newRow("Cancel goes on") << int(QMessageBox::Cancel) << false;
}

void TestProgressDialog::cancelAskedFirst()
{
    QFETCH(int, lAnswer);
    QFETCH(bool, bCancelled);
    QSignalSpy clCancel(pclDialog, &ClProgressDialog::sigCancel);
    answerConfirmation(QMessageBox::StandardButton(lAnswer));
    pclDialog->findChild<QPushButton*>("buttonCancel")->click();
    QCOMPARE(strAsked, QStringLiteral("Do you want to quit will not be updated?"));
    QCOMPARE(strAskedTitle, QStringLiteral("Tovu Setting Tool"));
    QCOMPARE(eAskedIcon, QMessageBox::Warning);
    QCOMPARE(clCancel.count(), bCancelled ? 1 : 0);
    QCOMPARE(pclDialog->isVisible(), !bCancelled);
    QVERIFY(!pclDialog->confirmation());
}

void TestProgressDialog::closingFromOutsideAnswersNo()
{
    QSignalSpy clCancel(pclDialog, &ClProgressDialog::sigCancel);
    // The run ends (the controller closes the dialog) while the user is being asked.
    QTimer::singleShot(0, pclDialog, [this] {
        QVERIFY(pclDialog->confirmation());
        pclDialog->close();
    });
    pclDialog->slotCloseEvent();
    QCOMPARE(clCancel.count(), 0);
    QVERIFY(!pclDialog->isVisible());
    QVERIFY(!pclDialog->confirmation());
}

void TestProgressDialog::byteBarFollowsEachFile()
{
    auto* pclBytes = pclDialog->findChild<QProgressBar*>("progressBytes");
    QVERIFY(pclBytes->minimumWidth() >= 300);
    pclDialog->slotPartProgress(10, 100);
    QCOMPARE(pclBytes->maximum(), 100);
    QCOMPARE(pclBytes->value(), 10);
    pclDialog->slotPartProgress(5, 40);  // the next file
    QCOMPARE(pclBytes->maximum(), 40);
    QCOMPARE(pclBytes->value(), 5);
    pclDialog->slotPartProgress(7, -1);  // no length announced
    QCOMPARE(pclBytes->maximum(), 0);
}

void TestProgressDialog::installingViewAndReset()
{
    auto* pclFiles = pclDialog->findChild<QProgressBar*>("progressFiles");
    auto* pclBytes = pclDialog->findChild<QProgressBar*>("progressBytes");
    pclDialog->slotTotalFiles(3);
    pclDialog->slotTotalProgress(3);
    pclDialog->slotPartProgress(50, 50);
    pclDialog->slotTimerMovie();
    pclDialog->slotChangeView();
    QCOMPARE(pclDialog->findChild<QLabel*>("labelStatus")->text(), QStringLiteral("now Installing"));
    QVERIFY(pclBytes->isHidden());

    pclDialog->reset();
    QCOMPARE(pclDialog->findChild<QLabel*>("labelStatus")->text(), QStringLiteral("now Downloading"));
    QVERIFY(!pclBytes->isHidden());
    QCOMPARE(pclFiles->value(), 0);
    QCOMPARE(pclBytes->value(), 0);
    QVERIFY(dot(1)->isHidden() && dot(2)->isHidden() && dot(3)->isHidden());
}

QTEST_MAIN(TestProgressDialog)
#include "TestProgressDialog.moc"
