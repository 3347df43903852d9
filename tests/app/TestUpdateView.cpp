// What the user sees of update runs, with the real controller against a local update
// site: the progress dialog following the files, the question before an automatic update
// and what its answer does, the boxes the controller's messages become, and Cancel in
// the dialog.
#include "app/ClProgressDialog.h"
#include "app/ClUpdateView.h"
#include "data/ClUpdateServer.h"
#include "framework/ClMessageBox.h"
#include "tests/support/ClTestHttpServer.h"
#include "tests/support/UpdateTestSupport.h"
#include "update/ClTovuDownload.h"

#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QSignalSpy>
#include <QtTest>

using namespace UpdateTestSupport;

namespace {
const QString strFirm = QStringLiteral("/tovuupdate/update_firm.xml");

QString site(const QString& strFile)
{
    return "/tovuupdate/" + strFile;
}
}  // namespace

class TestUpdateView : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void cleanupTestCase() { ClMessageBox::setTestResponder({}); }
    void init();
    void cleanup();
    void dialogFollowsFiles();
    void automaticQuestion_data();
    void automaticQuestion();
    void cancelAskedFirst_data();
    void cancelAskedFirst();

private:
    // Starts a firmware check of a camera with 01.03.025 (user-started unless bAuto).
    void startCheck(bool bAuto = false);
    ClProgressDialog* dialog() const { return pclView->progressDialog(); }
    QProgressBar* bar(const char* pszName) const { return dialog()->findChild<QProgressBar*>(pszName); }
    QString status() const { return dialog()->findChild<QLabel*>("labelStatus")->text(); }

    std::unique_ptr<ClTestHttpServer> pclServer;
    std::unique_ptr<QWidget> pclWindow;
    ClTovuDownload* pclDownload = nullptr;  // the window's
    ClUpdateView* pclView = nullptr;        // the window's
    QStringList lstBoxes;
    QList<QMessageBox::StandardButtons> lstButtons;
    bool bDialogShownWithBox = false;
    QMessageBox::StandardButton eAnswer = QMessageBox::Ok;
    QList<PV_CMD> lstSent;
};

void TestUpdateView::initTestCase()
{
    QStandardPaths::setTestModeEnabled(true);
    QVERIFY(!testKeyFile().isEmpty());
    PvCmd::registerMetaTypes();
    ClMessageBox::setTestResponder([this](const QString& strText, QMessageBox::StandardButtons clButtons) {
        lstBoxes << strText;
        lstButtons << clButtons;
        bDialogShownWithBox = bDialogShownWithBox || dialog()->isVisible();
        return eAnswer;
    });
}

void TestUpdateView::init()
{
    pclServer = std::make_unique<ClTestHttpServer>();
    QVERIFY(pclServer->listen());
    ClUpdateServer::setUrl(pclServer->baseUrl());
    pclWindow = std::make_unique<QWidget>();
    pclDownload = new ClTovuDownload(pclWindow.get());
    pclView = new ClUpdateView(pclDownload, pclWindow.get());
    pclDownload->setCameraVersion("01.03.025");
    pclDownload->setUpdateKind(1);
    connect(pclDownload, &ClTovuDownload::sigSendCommand, this, [this](PV_CMD clCommand) { lstSent << clCommand; });
    lstBoxes.clear();
    lstButtons.clear();
    bDialogShownWithBox = false;
    eAnswer = QMessageBox::Ok;
    lstSent.clear();
}

void TestUpdateView::cleanup()
{
    pclWindow.reset();  // with the controller, the view and its dialog
    pclServer.reset();
}

void TestUpdateView::startCheck(bool bAuto)
{
    QStringList lstArgs = {"-u", strFirm.mid(1)};
    if (bAuto)
        lstArgs << "-a";
    QVERIFY(pclDownload->start(lstArgs));
}

void TestUpdateView::dialogFollowsFiles()
{
    // Each file longer than the one before, so that the bytes bar shows whose total it has.
    QList<QStringList> lstFiles;
    for (const QString strName : {"f1.bin", "f2.bin", "f3.bin"}) {
        const QByteArray clBody = strName.toLatin1().repeated(lstFiles.size() + 1);
        lstFiles.append(listed(strName, "01.03.026", clBody));
        pclServer->setFile(site(strName), clBody);
    }
    serveSigned(*pclServer, strFirm, manifest(lstFiles));
    QStringList lstSeen;  // files done, and whether the dialog showed it
    connect(bar("progressFiles"), &QProgressBar::valueChanged, this, [&](int lValue) {
        if (lValue > 0)
            lstSeen << QString::number(lValue) + (dialog()->isVisible() ? " shown" : " hidden");
    });
    // What the dialog shows once a run has planned its files.
    QStringList lstPlanned;
    connect(pclDownload, &ClDownload::sigProgressStart, this, [&] {
        lstPlanned << QStringLiteral("%1 %2 %3/%4")
                          .arg(status())
                          .arg(bar("progressBytes")->isHidden() ? "hidden" : "bytes")
                          .arg(bar("progressFiles")->value())
                          .arg(bar("progressFiles")->maximum());
    });
    // The bytes bar's total follows each file's own size (6, 12, 18 bytes), never the run's.
    QList<int> lstTotals;
    connect(bar("progressBytes"), &QProgressBar::valueChanged, this, [&](int) {
        const int lMaximum = bar("progressBytes")->maximum();
        if (lMaximum > 0 && (lstTotals.isEmpty() || lstTotals.constLast() != lMaximum))
            lstTotals << lMaximum;
    });
    startCheck();
    QTRY_VERIFY(!pclDownload->isBusy());
    QCOMPARE(lstTotals, QList<int>({6, 12, 18}));
    QCOMPARE(lstSeen, QStringList({"1 shown", "2 shown", "3 shown"}));
    QCOMPARE(bar("progressFiles")->maximum(), 3);
    // The bytes bar ends with the last file's.
    QCOMPARE(bar("progressBytes")->maximum(), 18);
    QCOMPARE(bar("progressBytes")->value(), 18);
    // Verified, the files are installing; then the run is over and the dialog closed.
    QCOMPARE(status(), QStringLiteral("now Installing"));
    QVERIFY(bar("progressBytes")->isHidden());
    QVERIFY(!dialog()->isVisible());
    // The first block went to the camera; the others wait for it to take each.
    QCOMPARE(lstSent.size(), 1);

    // The next run's dialog starts afresh, in the downloading view.
    serveSigned(*pclServer, strFirm, manifest(lstFiles.mid(0, 2)));
    startCheck();
    QTRY_VERIFY(!pclDownload->isBusy());
    QCOMPARE(lstPlanned, QStringList({"now Downloading bytes 0/3", "now Downloading bytes 0/2"}));

    // Nothing newer: the dialog stays closed and the user is told.
    pclServer->setFile(strFirm, manifest({{"f1.bin", "01.03.025", md5("f1.bin")}}));
    startCheck();
    QTRY_VERIFY(!pclDownload->isBusy());
    QCOMPARE(lstBoxes, QStringList({"Your Firmware is the latest version."}));
    QCOMPARE(lstButtons, QList<QMessageBox::StandardButtons>({QMessageBox::Ok}));
    QVERIFY(!bDialogShownWithBox);
}

void TestUpdateView::automaticQuestion_data()
{
    QTest::addColumn<int>("lAnswer");
    QTest::addColumn<bool>("bUpdated");
    QTest::newRow("Yes fetches and sends") << int(QMessageBox::Yes) << true;
    QTest::newRow("No ends the run") << int(QMessageBox::No) << false;
    // Closing the box is no Yes.
    QTest::newRow("closed ends the run") << int(QMessageBox::NoButton) << false;
}

void TestUpdateView::automaticQuestion()
{
    QFETCH(int, lAnswer);
    QFETCH(bool, bUpdated);
    serveSigned(*pclServer, strFirm, manifest({listed("fw.bin", "01.03.026", "fw")}));
    pclServer->setFile(site("fw.bin"), "fw");
    eAnswer = QMessageBox::StandardButton(lAnswer);
    QSignalSpy clEnd(pclDownload, &ClTovuDownload::sigEndUpdate);
    startCheck(true);
    QTRY_VERIFY(!pclDownload->isBusy());

    // Asked first, with the dialog not yet shown; nothing more is said either way.
    QCOMPARE(lstBoxes, QStringList({"There are new Firmware.\nVersion up?"}));
    QCOMPARE(lstButtons, QList<QMessageBox::StandardButtons>({QMessageBox::Yes | QMessageBox::No}));
    QVERIFY(!bDialogShownWithBox);
    QCOMPARE(clEnd.count(), 1);
    QCOMPARE(pclServer->requestCount(site("fw.bin")), bUpdated ? 1 : 0);
    QCOMPARE(lstSent.size(), bUpdated ? 1 : 0);
    QCOMPARE(bar("progressFiles")->maximum(), bUpdated ? 1 : 0);
    QVERIFY(!dialog()->isVisible());
}

void TestUpdateView::cancelAskedFirst_data()
{
    QTest::addColumn<int>("lAnswer");
    QTest::addColumn<bool>("bCancelled");
    QTest::newRow("OK cancels") << int(QMessageBox::Ok) << true;
    QTest::newRow("Cancel goes on") << int(QMessageBox::Cancel) << false;
}

void TestUpdateView::cancelAskedFirst()
{
    QFETCH(int, lAnswer);
    QFETCH(bool, bCancelled);
    // A file that stops after its first bytes keeps the run going.
    serveSigned(*pclServer, strFirm, manifest({listed("fw.bin", "01.03.026", "fw")}));
    pclServer->setStall(site("fw.bin"), 100, "fw");
    startCheck();
    QTRY_COMPARE(pclServer->requestCount(site("fw.bin")), 1);
    QVERIFY(dialog()->isVisible());

    QString strAsked;
    // Answers the confirmation as soon as it is shown.
    QTimer::singleShot(0, dialog(), [&] {
        QMessageBox* pclBox = dialog()->confirmation();
        QVERIFY(pclBox);
        strAsked = pclBox->windowTitle() + ": " + pclBox->text();
        pclBox->button(QMessageBox::StandardButton(lAnswer))->click();
    });
    dialog()->findChild<QPushButton*>("buttonCancel")->click();
    QCOMPARE(strAsked, QStringLiteral("Tovu Setting Tool: Do you want to quit will not be updated?"));
    QVERIFY(!dialog()->confirmation());
    QCOMPARE(dialog()->isVisible(), !bCancelled);
    QCOMPARE(pclDownload->isBusy(), !bCancelled);
    QVERIFY(lstBoxes.isEmpty());
}

QTEST_MAIN(TestUpdateView)
#include "TestUpdateView.moc"
