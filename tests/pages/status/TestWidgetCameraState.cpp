// The camera state page against a real USB worker and an emulated Tovu: the chain it asks,
// how it shows the battery, the link and the SD card (also when the camera reports what it
// cannot have), the three maintenance actions behind their confirmations, and which
// failures it shows.
#include "pages/status/ClLabelWifiState.h"
#include "pages/status/ClWidgetCameraState.h"
#include "pages/status/ClWidgetProgress.h"
#include "protocol/ClCommandKinds.h"
#include "protocol/TypedKinds.h"
#include "tests/pages/PageRig.h"
#include "virtualcamera/ClVirtualCameraStatusReport.h"

#include <QLabel>
#include <QPushButton>

Q_DECLARE_METATYPE(ClVirtualCameraStatusReport)

class TestWidgetCameraState : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<PageRig> upRig;
    ClWidgetCameraState* pclPage = nullptr;  // the host's

    ClVirtualCamera& camera() { return upRig->camera(); }
    ClWidgetProgress* battery() const { return pclPage->findChild<ClWidgetProgress*>(); }
    ClLabelWifiState* link() const { return pclPage->findChild<ClLabelWifiState*>(); }
    QString text(const char* pszName) const { return pclPage->findChild<QLabel*>(pszName)->text(); }
    bool panelShown() const { return !pclPage->findChild<QWidget*>("panelSignal")->isHidden(); }
    int sdAnswers() const { return upRig->worker().count(replyKind<ClTovuCommandGetSdInfo>()); }

    // The page attached, the camera's report first when given, until its chain has ended.
    void open(const ClVirtualCameraStatusReport* pstReport = nullptr)
    {
        if (pstReport != nullptr)
            camera().setStatusReport(*pstReport);
        pclPage->activate(&upRig->host());
        QTRY_COMPARE_WITH_TIMEOUT(sdAnswers(), 1, 5000);
    }
    // One more round of the chain, to its end.
    void poll()
    {
        const int lBefore = sdAnswers();
        pclPage->requestData(true);
        QTRY_COMPARE_WITH_TIMEOUT(sdAnswers(), lBefore + 1, 5000);
    }

private Q_SLOTS:
    void init()
    {
        upRig = std::make_unique<PageRig>(0);
        QVERIFY(upRig->handle());
        pclPage = new ClWidgetCameraState(&upRig->host());
        // Polling by hand: each round is the test's.
        pclPage->setPollingInterval(3600 * 1000);
        upRig->host().show();
    }
    void cleanup() { upRig.reset(); }

    void chainAskedOneAfterAnother()
    {
        open();
        QVERIFY(pclPage->isPolling());
        QCOMPARE(upRig->sentKinds(),
                 QList<QUuid>({requestKind<ClTovuCommandGetBatteryState>(), requestKind<ClTovuCommandGetWifiInfo>(),
                               requestKind<ClTovuCommandGetSdInfo>()}));
    }

    void batteryLevels_data()
    {
        QTest::addColumn<ClVirtualCameraStatusReport>("stReport");
        QTest::addColumn<QString>("strShown");
        QTest::addColumn<QColor>("clColour");
        QTest::addColumn<int>("lBar");
        const auto level = [](quint32 ulLevel) {
            ClVirtualCameraStatusReport stReport;
            stReport.oBatteryLevel = ulLevel;
            return stReport;
        };
        const QColor clGood(26, 97, 9), clWarning(120, 110, 25), clBad(180, 25, 8);
        QTest::newRow("50 green") << level(50) << "50%" << clGood << 50;
        QTest::newRow("49 warning") << level(49) << "49%" << clWarning << 49;
        QTest::newRow("10 warning") << level(10) << "10%" << clWarning << 10;
        QTest::newRow("9 red") << level(9) << "9%" << clBad << 9;
        QTest::newRow("0 red") << level(0) << "0%" << clBad << 0;
        QTest::newRow("above 100: full") << level(250) << "100%" << clGood << 100;
        QTest::newRow("negative: unknown") << level(quint32(-5)) << "--" << QColor(44, 52, 62) << 0;
    }

    void batteryLevels()
    {
        QFETCH(ClVirtualCameraStatusReport, stReport);
        QFETCH(QString, strShown);
        QFETCH(QColor, clColour);
        QFETCH(int, lBar);
        open(&stReport);
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
        QTest::newRow("linked") << 2u << 60u << "Link" << true << true;
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
        open(&stReport);
        QCOMPARE(link()->text(), strText);
        QCOMPARE(link()->pixmapPath(),
                 bLinkedPlate ? QStringLiteral(":/img/wifi_link") : QStringLiteral(":/img/wifi_notlink"));
        QCOMPARE(panelShown(), bPanel);
        if (bPanel) {
            QCOMPARE(text("labelRssi"), QStringLiteral("%1dBm").arg(ulSignal));
            QCOMPARE(text("labelChannel"), QStringLiteral("11ch"));
        }
    }

    void sameLinkStateTwiceNotRepainted()
    {
        ClVirtualCameraStatusReport stReport;
        stReport.oLinkState = 2;
        stReport.oSignal = 50;
        open(&stReport);
        QCOMPARE(link()->changeCount(), 1);
        poll();
        QCOMPARE(link()->changeCount(), 1);
        stReport.oLinkState = 1;
        camera().setStatusReport(stReport);
        poll();
        QCOMPARE(link()->changeCount(), 2);
        QVERIFY(!panelShown());
    }

    void sdCardAsReported_data()
    {
        QTest::addColumn<quint64>("ullTotal");
        QTest::addColumn<quint64>("ullUsed");
        QTest::addColumn<quint32>("ulFileSystem");
        QTest::addColumn<double>("dUsed");
        QTest::addColumn<QString>("strFileSystem");
        QTest::newRow("8 GiB, 2 used") << quint64(8ull << 30) << quint64(2ull << 30) << 3u << 25.0 << "FAT32";
        QTest::newRow("FAT12") << quint64(1000) << quint64(100) << 1u << 10.0 << "FAT12";
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
        open(&stReport);
        QCOMPARE(text("labelFileSystem"), strFileSystem);
        const QList<ClPiece*> lstPieces = pclPage->pieChart().pieces();
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
        camera().setRestartDelay(100000);  // a restarting camera stays away for the test
        camera().setText(ClTovuCommandGetCameraName::usCommandCode, "MyCam");
        open();
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

    void failuresShownOnce()
    {
        open();
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
    }

    void failedFormatShown()
    {
        // A camera recording refuses the format.
        camera().setRecording(true);
        open();
        pclPage->findChild<QPushButton*>("buttonFormat")->click();
        QTRY_COMPARE_WITH_TIMEOUT(upRig->lstBoxes,
                                  (QStringList {"All data delete on SD card", "Timeout error, please reset"}), 5000);
        QVERIFY(!pclPage->isPolling());
    }

    void pulledOutCameraShowsNothing()
    {
        open();
        camera().unplugAtTransfer(ClVirtualUsbDevice::Direction::Write, 1);
        pclPage->requestData(true);
        QTRY_VERIFY_WITH_TIMEOUT(upRig->worker().count(ClCommandKinds::transportError()) > 0, 5000);
        QTest::qWait(100);
        QCOMPARE(upRig->lstBoxes, QStringList());
        QVERIFY(pclPage->isPolling());
        // The window tells the page the camera is gone: nothing of it stays for the next.
        QVERIFY(text("labelBattery") != QStringLiteral("--") && !pclPage->pieChart().pieces().isEmpty());
        pclPage->setCameraInfo(-1, QString());
        QCOMPARE(text("labelBattery"), QStringLiteral("--"));
        QCOMPARE(link()->state(), 1);
        QVERIFY(!panelShown());
        QCOMPARE(text("labelFileSystem"), QStringLiteral("--"));
        QVERIFY(pclPage->pieChart().pieces().isEmpty());
    }
};

QTEST_MAIN(TestWidgetCameraState)
#include "TestWidgetCameraState.moc"
