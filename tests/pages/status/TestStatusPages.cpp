// The status pages against a real USB worker and an emulated camera. The camera state page:
// the chain it asks, the battery, the link and the SD card as shown (also when the camera
// reports what it cannot have), the maintenance actions behind their confirmations, which
// failures it shows, and nothing of a camera pulled out. The mode page: what it shows for
// each mode and recording state, the ways of pressing its button, a failed switch. And the
// pie chart alone: which stretches of its front wall a slice gets, and that pieces do not
// pile up.
#include "pages/status/ClLabelWifiState.h"
#include "pages/status/ClPiechart.h"
#include "pages/status/ClWidgetCameraState.h"
#include "pages/status/ClWidgetProgress.h"
#include "pages/status/ClWidgetSecureMode.h"
#include "protocol/ClCommandKinds.h"
#include "protocol/TypedKinds.h"
#include "tests/pages/PageRig.h"
#include "virtualcamera/ClVirtualCameraStatusReport.h"

#include <QImage>
#include <QLabel>
#include <QPainter>
#include <QPushButton>

Q_DECLARE_METATYPE(ClVirtualCameraStatusReport)

namespace {
const QColor clGood(26, 97, 9);
const QColor clBad(180, 25, 8);

// The chart as the camera page sets it up.
void cameraPageChart(ClPiechart& clPie)
{
    clPie.setPosition(QPointF(180, 180));
    clPie.setDepth(25);
    clPie.setClockwise(false);
    clPie.setStartAngle(90);
    clPie.setWidth(200);
    clPie.setHeight(150);
    clPie.setAlpha(80);
}

void draw(ClPiechart& clPie)
{
    QImage clImage(600, 500, QImage::Format_ARGB32);
    QPainter clPainter(&clImage);
    clPie.draw3D(&clPainter);
}
}  // namespace

class TestStatusPages : public QObject
{
    Q_OBJECT

    std::unique_ptr<PageRig> upRig;
    ClWidgetBase* pclPage = nullptr;  // the host's

    ClVirtualCamera& camera() { return upRig->camera(); }
    ClWidgetProgress* battery() const { return pclPage->findChild<ClWidgetProgress*>(); }
    ClLabelWifiState* link() const { return pclPage->findChild<ClLabelWifiState*>(); }
    QString text(const char* pszName) const { return pclPage->findChild<QLabel*>(pszName)->text(); }
    QPushButton* button(const char* pszName) const { return pclPage->findChild<QPushButton*>(pszName); }
    bool panelShown() const { return !pclPage->findChild<QWidget*>("panelSignal")->isHidden(); }
    int answers(const QUuid& uuidReply) const { return upRig->worker().count(uuidReply); }
    ClWidgetCameraState* statePage() const { return qobject_cast<ClWidgetCameraState*>(pclPage); }

    // A page of the kind in front of a camera of the model, polled by hand: each round is
    // the test's.
    template <class Page> Page* create(int lModel, int lSecureMode = 2)
    {
        upRig.reset();  // one rig at a time: each answers the boxes while it lives
        upRig = std::make_unique<PageRig>(lModel, QString(), lSecureMode);
        auto* pclNew = new Page(&upRig->host());
        pclNew->setPollingInterval(3600 * 1000);
        upRig->host().show();
        pclPage = pclNew;
        return pclNew;
    }
    // The camera state page attached, the camera's report first when given, until its
    // chain has ended.
    void openState(const ClVirtualCameraStatusReport* pstReport = nullptr)
    {
        create<ClWidgetCameraState>(0);
        if (pstReport != nullptr)
            camera().setStatusReport(*pstReport);
        pclPage->activate(&upRig->host());
        QTRY_COMPARE_WITH_TIMEOUT(answers(replyKind<ClTovuCommandGetSdInfo>()), 1, 5000);
    }
    // The mode page attached with the camera's mode told as the window tells it.
    void openMode(int lMode, bool bRecording)
    {
        auto* pclMode = create<ClWidgetSecureMode>(1, lMode);
        camera().setRecording(bRecording);
        pclMode->setSecureMode(camera().secureMode());
        pclMode->activate(&upRig->host());
        QTRY_COMPARE_WITH_TIMEOUT(answers(replyKind<ClTovuCommandGetRecState>()), 1, 5000);
    }

private Q_SLOTS:
    void cleanup() { upRig.reset(); }

    void stateChainAskedOneAfterAnother()
    {
        openState();
        QVERIFY(pclPage->isPolling());
        QCOMPARE(upRig->sentKinds(),
                 QList<QUuid>({requestKind<ClTovuCommandGetBatteryState>(), requestKind<ClTovuCommandGetWifiInfo>(),
                               requestKind<ClTovuCommandGetSdInfo>()}));
    }

    void batteryLevels_data()
    {
        QTest::addColumn<quint32>("ulLevel");
        QTest::addColumn<QString>("strShown");
        QTest::addColumn<QColor>("clColour");
        QTest::addColumn<int>("lBar");
        const QColor clWarning(120, 110, 25);
        QTest::newRow("50 green") << 50u << "50%" << clGood << 50;
        QTest::newRow("49 warning") << 49u << "49%" << clWarning << 49;
        QTest::newRow("10 warning") << 10u << "10%" << clWarning << 10;
        QTest::newRow("9 red") << 9u << "9%" << clBad << 9;
        QTest::newRow("above 100: full") << 250u << "100%" << clGood << 100;
        QTest::newRow("negative: unknown") << quint32(-5) << "--" << QColor(44, 52, 62) << 0;
    }

    void batteryLevels()
    {
        QFETCH(quint32, ulLevel);
        QFETCH(QString, strShown);
        QFETCH(QColor, clColour);
        QFETCH(int, lBar);
        ClVirtualCameraStatusReport stReport;
        stReport.oBatteryLevel = ulLevel;
        openState(&stReport);
        QCOMPARE(battery()->levelText(), strShown);
        QCOMPARE(battery()->levelColor(), clColour);
        QCOMPARE(battery()->barValue(), lBar);
    }

    void linkStates_data()
    {
        QTest::addColumn<quint32>("ulState");
        QTest::addColumn<quint32>("ulSignal");
        QTest::addColumn<QString>("strText");
        QTest::addColumn<bool>("bLinkedPlate");
        QTest::addColumn<bool>("bPanel");
        QTest::newRow("ad hoc, 42 on 11") << 3u << 42u << "Adhoc Link" << true << true;
        QTest::newRow("not linked, yet strong") << 1u << 70u << "Not link" << false << false;
        QTest::newRow("linked without strength") << 2u << 0u << "Link" << true << false;
        // A state the table does not know: the linked plate, the text it had.
        QTest::newRow("unknown state") << 9u << 30u << "Not link" << true << true;
    }

    void linkStates()
    {
        QFETCH(quint32, ulState);
        QFETCH(quint32, ulSignal);
        QFETCH(QString, strText);
        QFETCH(bool, bLinkedPlate);
        QFETCH(bool, bPanel);
        ClVirtualCameraStatusReport stReport;
        stReport.oLinkState = ulState;
        stReport.oSignal = ulSignal;
        stReport.oChannel = 11;
        openState(&stReport);
        QCOMPARE(link()->text(), strText);
        QCOMPARE(link()->pixmapPath(),
                 bLinkedPlate ? QStringLiteral(":/img/wifi_link") : QStringLiteral(":/img/wifi_notlink"));
        QCOMPARE(panelShown(), bPanel);
        if (bPanel) {
            QCOMPARE(text("labelRssi"), QStringLiteral("%1dBm").arg(ulSignal));
            QCOMPARE(text("labelChannel"), QStringLiteral("11ch"));
        }
    }

    void sdCardAsReported_data()
    {
        QTest::addColumn<quint64>("ullTotal");
        QTest::addColumn<quint64>("ullUsed");
        QTest::addColumn<quint32>("ulFileSystem");
        QTest::addColumn<double>("dUsed");
        QTest::addColumn<QString>("strFileSystem");
        QTest::newRow("8 GiB, 2 used") << quint64(8ull << 30) << quint64(2ull << 30) << 3u << 25.0 << "FAT32";
        QTest::newRow("FAT16") << quint64(1000) << quint64(500) << 2u << 50.0 << "FAT16";
        QTest::newRow("more used than held") << quint64(1000) << quint64(3000) << 3u << 100.0 << "FAT32";
        QTest::newRow("size 0") << quint64(0) << quint64(0) << 3u << 0.0 << "FAT32";
        QTest::newRow("largest sizes") << ~quint64(0) << ~quint64(0) / 2 << 3u << 50.0 << "FAT32";
        QTest::newRow("unknown file system") << quint64(1000) << quint64(0) << 7u << 0.0 << "";
    }

    void sdCardAsReported()
    {
        QFETCH(quint64, ullTotal);
        QFETCH(quint64, ullUsed);
        QFETCH(quint32, ulFileSystem);
        QFETCH(double, dUsed);
        QFETCH(QString, strFileSystem);
        ClVirtualCameraStatusReport stReport;
        stReport.oSdTotal = ullTotal;
        stReport.oSdUsed = ullUsed;
        stReport.oSdFileSystem = ulFileSystem;
        openState(&stReport);
        QCOMPARE(text("labelFileSystem"), strFileSystem);
        const QList<ClPiece*> lstPieces = statePage()->pieChart().pieces();
        QCOMPARE(lstPieces.size(), 2);
        QVERIFY(qAbs(lstPieces[1]->percentage() - dUsed) < 1e-9);
        QVERIFY(qAbs(lstPieces[0]->percentage() - (100 - dUsed)) < 1e-9);
        pclPage->grab();  // drawn without a negative slice
        for (const ClPiece* pclPiece : lstPieces)
            QVERIFY(pclPiece->drawnSpan() >= 0 && pclPiece->drawnSpan() <= 360);
    }

    // Each action asks first; only OK sends it, and only a format says it is done.
    void maintenanceActions_data()
    {
        QTest::addColumn<QString>("strButton");
        QTest::addColumn<QString>("strQuestion");
        QTest::addColumn<int>("usCode");
        QTest::addColumn<QString>("strDone");
        QTest::newRow("format") << "buttonFormat"
                                << "All data delete on SD card" << int(ClTovuCommandFormatSd::usCommandCode)
                                << "Completed SD card format";
        QTest::newRow("initialise") << "buttonInit"
                                    << "Initialize all settings" << int(ClTovuCommandInitSetting::usCommandCode) << "";
        QTest::newRow("restart") << "buttonReset"
                                 << "Reset Tovu and restart" << int(ClTovuCommandRestart::usCommandCode) << "";
    }

    void maintenanceActions()
    {
        QFETCH(QString, strButton);
        QFETCH(QString, strQuestion);
        QFETCH(int, usCode);
        QFETCH(QString, strDone);
        openState();
        camera().setRestartDelay(100000);  // a restarting camera stays away for the test
        camera().setText(ClTovuCommandGetCameraName::usCommandCode, "MyCam");
        auto* pclButton = pclPage->findChild<QPushButton*>(strButton);

        upRig->eAnswer = QMessageBox::Cancel;
        pclButton->click();
        QCOMPARE(upRig->lstBoxes, QStringList {strQuestion});
        QTest::qWait(50);
        QCOMPARE(upRig->received(quint16(usCode)), 0);

        upRig->eAnswer = QMessageBox::Ok;
        upRig->lstBoxes.clear();
        pclButton->click();
        QTRY_COMPARE_WITH_TIMEOUT(upRig->received(quint16(usCode)), 1, 5000);
        const QStringList lstExpected
            = strDone.isEmpty() ? QStringList {strQuestion} : QStringList {strQuestion, strDone};
        QTRY_COMPARE_WITH_TIMEOUT(upRig->lstBoxes, lstExpected, 5000);
        if (usCode == ClTovuCommandFormatSd::usCommandCode)
            QCOMPARE(camera().sdUsed(), quint64(0));
        if (usCode == ClTovuCommandInitSetting::usCommandCode)
            QVERIFY(camera().text(ClTovuCommandGetCameraName::usCommandCode) != "MyCam");
        QTest::qWait(100);
        QCOMPARE(upRig->lstBoxes, lstExpected);
    }

    void stateFailuresShownOnce()
    {
        openState();
        // The camera does not take the request: a transport error (0xEF03).
        camera().failTransfers(ClVirtualUsbDevice::Direction::Write, 1, -116);
        pclPage->requestData(true);
        QTRY_COMPARE_WITH_TIMEOUT(upRig->lstBoxes, QStringList {"Exec failed, unknown error"}, 5000);
        QVERIFY(!pclPage->isPolling());
        // The chain ends with the failed request: nothing more is asked.
        const int lSent = int(upRig->lstSent.size());
        QTest::qWait(200);
        QCOMPARE(upRig->lstSent.size(), lSent);
        QCOMPARE(upRig->lstBoxes.size(), 1);

        // A camera recording refuses the format.
        camera().setRecording(true);
        upRig->lstBoxes.clear();
        pclPage->findChild<QPushButton*>("buttonFormat")->click();
        QTRY_COMPARE_WITH_TIMEOUT(upRig->lstBoxes,
                                  (QStringList {"All data delete on SD card", "Timeout error, please reset"}), 5000);
    }

    void pulledOutCameraShowsNothing()
    {
        openState();
        camera().unplugAtTransfer(ClVirtualUsbDevice::Direction::Write, 1);
        pclPage->requestData(true);
        QTRY_VERIFY_WITH_TIMEOUT(upRig->worker().count(ClCommandKinds::transportError()) > 0, 5000);
        QTest::qWait(100);
        QCOMPARE(upRig->lstBoxes, QStringList());
        QVERIFY(pclPage->isPolling());
        // The window tells the page the camera is gone: nothing of it stays for the next.
        QVERIFY(text("labelBattery") != QStringLiteral("--") && !statePage()->pieChart().pieces().isEmpty());
        pclPage->setCameraInfo(-1, QString());
        QCOMPARE(text("labelBattery"), QStringLiteral("--"));
        QCOMPARE(link()->state(), 1);
        QVERIFY(!panelShown());
        QCOMPARE(text("labelFileSystem"), QStringLiteral("--"));
        QVERIFY(statePage()->pieChart().pieces().isEmpty());
    }

    void modeDisplay_data()
    {
        QTest::addColumn<int>("lMode");
        QTest::addColumn<bool>("bRecording");
        QTest::addColumn<QString>("strMode");
        QTest::addColumn<QString>("strRec");
        QTest::addColumn<QString>("strButton");
        QTest::newRow("security, recording") << 1 << true << "Security"
                                             << "Running recording"
                                             << "Change to maintenance mode";
        QTest::newRow("maintenance") << 2 << false << "Maintenance"
                                     << "Recording stopped"
                                     << "Change to security mode";
    }

    void modeDisplay()
    {
        QFETCH(int, lMode);
        QFETCH(bool, bRecording);
        QFETCH(QString, strMode);
        QFETCH(QString, strRec);
        QFETCH(QString, strButton);
        openMode(lMode, bRecording);
        auto* pclMode = pclPage->findChild<QLabel*>("labelModeValue");
        auto* pclRec = pclPage->findChild<QLabel*>("labelRecValue");
        QCOMPARE(pclMode->text(), strMode);
        QCOMPARE(pclMode->palette().color(QPalette::WindowText), lMode == 2 ? clGood : clBad);
        QCOMPARE(pclRec->text(), strRec);
        QCOMPARE(pclRec->palette().color(QPalette::WindowText), bRecording ? clBad : clGood);
        QCOMPARE(pclPage->findChild<QLabel*>("labelHint")->isHidden(), lMode == 2);
        QCOMPARE(button("buttonToggleMode")->text(), strButton);
    }

    // bAsked: whether the user is asked; lSent: the mode the switch asks for, 0 when
    // nothing is sent.
    void modeToggle_data()
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

    void modeToggle()
    {
        QFETCH(int, lMode);
        QFETCH(bool, bRecording);
        QFETCH(int, eAnswer);
        QFETCH(bool, bAsked);
        QFETCH(int, lSent);
        openMode(lMode, bRecording);
        upRig->eAnswer = QMessageBox::StandardButton(eAnswer);
        button("buttonToggleMode")->click();
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
        QTRY_COMPARE_WITH_TIMEOUT(text("labelModeValue"),
                                  lSent == 2 ? QStringLiteral("Maintenance") : QStringLiteral("Security"), 5000);
        // Maintenance stops a recording.
        QCOMPARE(camera().isRecording(), bRecording && lSent == 1);
    }

    void noModeYetAsksForMaintenance()
    {
        auto* pclMode = create<ClWidgetSecureMode>(1, 1);
        pclMode->activate(&upRig->host());
        QTRY_COMPARE_WITH_TIMEOUT(answers(replyKind<ClTovuCommandGetRecState>()), 1, 5000);
        QVERIFY(button("buttonToggleMode")->text().isEmpty());
        button("buttonToggleMode")->click();
        QCOMPARE(upRig->lstSent.last().value("PARAM2").toInt(), 2);
    }

    // Walls by where a slice starts and ends, on a chart starting at the slice's start.
    void walls_data()
    {
        QTest::addColumn<double>("dStart");
        QTest::addColumn<double>("dPercent");
        QTest::addColumn<QList<ClPiechart::WallPart>>("lstParts");
        using Parts = QList<ClPiechart::WallPart>;
        QTest::newRow("front to front") << 200.0 << 10.0 << Parts {{200.0, 236.0}};
        QTest::newRow("back into front") << 150.0 << 25.0 << Parts {{180.0, 240.0}};
        QTest::newRow("front into back") << 300.0 << 25.0 << Parts {{300.0, 360.0}};
        QTest::newRow("back only") << 45.0 << 25.0 << Parts {};
        QTest::newRow("round behind") << 300.0 << 90.0 << Parts {{180.0, 264.0}, {300.0, 360.0}};
        QTest::newRow("whole pie") << 0.0 << 100.0 << Parts {{180.0, 360.0}};
    }

    void walls()
    {
        QFETCH(double, dStart);
        QFETCH(double, dPercent);
        QFETCH(QList<ClPiechart::WallPart>, lstParts);
        ClPiechart clPie;
        cameraPageChart(clPie);
        clPie.setStartAngle(dStart);
        clPie.addPiece(QStringLiteral("one"), Qt::red, dPercent);
        draw(clPie);
        QCOMPARE(clPie.drawnWalls().size(), 1);
        const QList<ClPiechart::WallPart> lstDrawn = clPie.drawnWalls().at(0);
        QCOMPARE(lstDrawn.size(), lstParts.size());
        for (int i = 0; i < lstParts.size(); ++i) {
            QVERIFY(qAbs(lstDrawn[i].first - lstParts[i].first) < 1e-9);
            QVERIFY(qAbs(lstDrawn[i].second - lstParts[i].second) < 1e-9);
        }
    }

    void onlyTheCurrentPiecesAreKept()
    {
        ClPiechart clPie;
        QImage clImage(10, 10, QImage::Format_ARGB32);
        QPainter clPainter(&clImage);
        clPie.draw3D(&clPainter);  // nothing to draw, nothing drawn
        QVERIFY(clPie.drawnWalls().isEmpty());

        ClPiece clOwn(QStringLiteral("mine"), Qt::blue, 30);
        clPie.appendPiece(&clOwn);
        // Redrawn every few seconds for hours, the chart keeps only its current pieces.
        for (int i = 0; i < 100; ++i) {
            clPie.clear();
            clPie.addPiece(QStringLiteral("Space"), Qt::green, 60);
            clPie.addPiece(QStringLiteral("Used"), Qt::blue, 40);
        }
        QCOMPARE(clPie.findChildren<ClPiece*>().size(), 2);
        QCOMPARE(clOwn.name(), QStringLiteral("mine"));  // a piece the chart did not make survives
    }

    // A refused switch shows its box; a camera pulled out during the mode query shows none.
    void modeFailures()
    {
        openMode(1, false);
        camera().setFaultStatus(0xFFFC);
        camera().injectFault(ClVirtualCamera::Fault::Status);
        button("buttonToggleMode")->click();
        QTRY_COMPARE_WITH_TIMEOUT(upRig->lstBoxes, QStringList {"Command error, version up"}, 5000);
        QVERIFY(!pclPage->isPolling());
        QCOMPARE(upRig->sentCount(requestKind<ClTovuCommandGetSecureCurr>()), 0);

        openMode(1, false);
        camera().unplugAtTransfer(ClVirtualUsbDevice::Direction::Write, 1);
        pclPage->sendCommand(requestKind<ClTovuCommandGetSecureCurr>(), PV_CMD(), false, 0);
        QTRY_VERIFY_WITH_TIMEOUT(upRig->worker().count(ClCommandKinds::transportError()) > 0, 5000);
        QTest::qWait(100);
        QCOMPARE(upRig->lstBoxes, QStringList());
    }
};

QTEST_MAIN(TestStatusPages)
#include "TestStatusPages.moc"
