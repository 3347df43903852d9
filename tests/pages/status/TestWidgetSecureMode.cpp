// The mode page against a real USB worker and an emulated Tovu-S: what it shows for each
// mode and recording state, the four ways of pressing its button, the mode shown after a
// switch, and a failed switch.
#include "pages/status/ClWidgetSecureMode.h"
#include "protocol/ClCommandKinds.h"
#include "protocol/TypedKinds.h"
#include "tests/pages/PageRig.h"

#include <QLabel>
#include <QPushButton>

class TestWidgetSecureMode : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<PageRig> upRig;
    ClWidgetSecureMode* pclPage = nullptr;  // the host's

    ClVirtualCamera& camera() { return upRig->camera(); }
    QLabel* label(const char* pszName) const { return pclPage->findChild<QLabel*>(pszName); }
    QPushButton* toggle() const { return pclPage->findChild<QPushButton*>("buttonToggleMode"); }
    int recAnswers() const { return upRig->worker().count(replyKind<ClTovuCommandGetRecState>()); }

    // The page attached with the camera's mode told as the window tells it.
    void attach()
    {
        pclPage->setSecureMode(camera().secureMode());
        pclPage->activate(&upRig->host());
        QTRY_COMPARE_WITH_TIMEOUT(recAnswers(), 1, 5000);
    }

private Q_SLOTS:
    void init()
    {
        upRig = std::make_unique<PageRig>(1, QString(), 1);
        QVERIFY(upRig->handle());
        pclPage = new ClWidgetSecureMode(&upRig->host());
        pclPage->setPollingInterval(3600 * 1000);
        upRig->host().show();
    }
    void cleanup() { upRig.reset(); }

    void display_data()
    {
        QTest::addColumn<int>("lMode");
        QTest::addColumn<bool>("bRecording");
        QTest::addColumn<QString>("strMode");
        QTest::addColumn<QString>("strRec");
        QTest::addColumn<QString>("strButton");
        QTest::newRow("security, recording") << 1 << true << "Security"
                                             << "Running recording"
                                             << "Change to maintenance mode";
        QTest::newRow("security, stopped") << 1 << false << "Security"
                                           << "Recording stopped"
                                           << "Change to maintenance mode";
        QTest::newRow("maintenance") << 2 << false << "Maintenance"
                                     << "Recording stopped"
                                     << "Change to security mode";
    }

    void display()
    {
        QFETCH(int, lMode);
        QFETCH(bool, bRecording);
        QFETCH(QString, strMode);
        QFETCH(QString, strRec);
        QFETCH(QString, strButton);
        camera().setSecureMode(lMode);
        camera().setRecording(bRecording);
        attach();
        const QColor clGood(26, 97, 9), clBad(180, 25, 8);
        QCOMPARE(label("labelModeValue")->text(), strMode);
        QCOMPARE(label("labelModeValue")->palette().color(QPalette::WindowText), lMode == 2 ? clGood : clBad);
        QCOMPARE(label("labelRecValue")->text(), strRec);
        QCOMPARE(label("labelRecValue")->palette().color(QPalette::WindowText), bRecording ? clBad : clGood);
        QCOMPARE(label("labelHint")->isHidden(), lMode == 2);
        QCOMPARE(toggle()->text(), strButton);
        QVERIFY(!label("labelModeImage")->pixmap().isNull());
    }

    // lAsk: whether the user is asked; eAnswer: what they answer; lSent: the mode the
    // switch asks for, 0 when nothing is sent.
    void toggleCases_data()
    {
        QTest::addColumn<int>("lMode");
        QTest::addColumn<bool>("bRecording");
        QTest::addColumn<int>("eAnswer");
        QTest::addColumn<bool>("bAsked");
        QTest::addColumn<int>("lSent");
        QTest::newRow("maintenance: to security at once") << 2 << false << int(QMessageBox::Ok) << false << 1;
        QTest::newRow("security, recording, cancelled") << 1 << true << int(QMessageBox::Cancel) << true << 0;
        QTest::newRow("security, recording, OK") << 1 << true << int(QMessageBox::Ok) << true << 2;
        QTest::newRow("security, stopped: at once") << 1 << false << int(QMessageBox::Ok) << false << 2;
    }

    void toggleCases()
    {
        QFETCH(int, lMode);
        QFETCH(bool, bRecording);
        QFETCH(int, eAnswer);
        QFETCH(bool, bAsked);
        QFETCH(int, lSent);
        camera().setSecureMode(lMode);
        camera().setRecording(bRecording);
        attach();
        upRig->eAnswer = QMessageBox::StandardButton(eAnswer);
        toggle()->click();
        QCOMPARE(upRig->lstBoxes,
                 bAsked ? QStringList {"Are you sure you want, but I will stop recording?"} : QStringList {});
        const QUuid uuidSwitch = requestKind<ClTovuCommandExecSecureCurr>();
        if (lSent == 0) {
            QCOMPARE(upRig->sentCount(uuidSwitch), 0);
            QTest::qWait(50);
            QCOMPARE(camera().secureMode(), lMode);
            return;
        }
        QCOMPARE(upRig->sentCount(uuidSwitch), 1);
        QCOMPARE(upRig->lstSent.last().value("PARAM2").toInt(), lSent);
        // Switched: the log says so, the page asks for the mode and shows the new one.
        QTRY_COMPARE_WITH_TIMEOUT(upRig->lstLogs, QStringList {"Mode is changed"}, 5000);
        QCOMPARE(camera().secureMode(), lSent);
        QCOMPARE(upRig->sentCount(requestKind<ClTovuCommandGetSecureCurr>()), 1);
        QTRY_COMPARE_WITH_TIMEOUT(label("labelModeValue")->text(),
                                  lSent == 2 ? QStringLiteral("Maintenance") : QStringLiteral("Security"), 5000);
        // Maintenance stops a recording.
        QCOMPARE(camera().isRecording(), bRecording && lSent == 1);
    }

    void noModeYetAsksForMaintenance()
    {
        pclPage->activate(&upRig->host());
        QTRY_COMPARE_WITH_TIMEOUT(recAnswers(), 1, 5000);
        QVERIFY(toggle()->text().isEmpty());
        toggle()->click();
        QCOMPARE(upRig->lstSent.last().value("PARAM2").toInt(), 2);
    }

    void failedSwitchShowsItsBox()
    {
        attach();
        camera().setFaultStatus(0xFFFC);
        camera().injectFault(ClVirtualCamera::Fault::Status);
        toggle()->click();
        QTRY_COMPARE_WITH_TIMEOUT(upRig->lstBoxes, QStringList {"Command error, version up"}, 5000);
        QVERIFY(!pclPage->isPolling());
        QCOMPARE(upRig->sentCount(requestKind<ClTovuCommandGetSecureCurr>()), 0);
    }

    void pulledOutDuringModeQueryShowsNothing()
    {
        attach();
        camera().unplugAtTransfer(ClVirtualUsbDevice::Direction::Write, 1);
        pclPage->sendCommand(requestKind<ClTovuCommandGetSecureCurr>(), PV_CMD(), false, 0);
        QTRY_VERIFY_WITH_TIMEOUT(upRig->worker().count(ClCommandKinds::transportError()) > 0, 5000);
        QTest::qWait(100);
        QCOMPARE(upRig->lstBoxes, QStringList());
    }
};

QTEST_MAIN(TestWidgetSecureMode)
#include "TestWidgetSecureMode.moc"
