// The camera state and mode pages in the real window against the emulated camera, as a
// person uses them: a recording Tovu-S in security mode is switched to maintenance after a
// question, which unlocks the settings; its battery, link and SD figures follow the
// camera, a slow one too; and back to security, which locks them.
#include "WindowRig.h"
#include "framework/ClWidgetBase.h"
#include "virtualcamera/ClVirtualCameraStatusReport.h"

class TestWindowStatus : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<WindowRig> upRig;

    QString text(qint32 lPage, const char* pszName) const
    {
        return upRig->window().page(lPage)->findChild<QLabel*>(pszName)->text();
    }
    void click(qint32 lPage, const char* pszButton)
    {
        QTest::mouseClick(upRig->window().page(lPage)->findChild<QPushButton*>(pszButton), Qt::LeftButton);
    }
    QList<qint32> enabled() const
    {
        QList<qint32> lstModes;
        for (qint32 lMode = 1; lMode <= 7; ++lMode) {
            if (upRig->window().modeBar()->button(lMode)->isEnabled())
                lstModes.append(lMode);
        }
        return lstModes;
    }

private Q_SLOTS:
    void initTestCase()
    {
        upRig = std::make_unique<WindowRig>(100);
        // Polled often, so that the pages follow the camera within the test's patience.
        upRig->window().session()->setPollingInterval(100);
        for (qint32 lPage : {1, 6})
            static_cast<ClWidgetBase*>(upRig->window().page(lPage))->setPollingInterval(100);
        upRig->window().show();
    }
    void cleanupTestCase() { upRig.reset(); }

    void modeSwitchedThenCameraStateFollowsTheCamera()
    {
        const QList<qint32> lstSecurity {6, 7};
        const QList<qint32> lstAll {1, 2, 3, 4, 5, 6, 7};
        auto* pclCamera = new ClVirtualCamera(1, QString(), 1);
        pclCamera->setRecording(true);
        pclCamera->setBattery(80, false);
        pclCamera->setSdCard(8ull << 30, 2ull << 30, 3);
        ClVirtualCameraStatusReport stLink;
        stLink.oLinkState = 2;
        stLink.oSignal = 55;
        stLink.oChannel = 6;
        pclCamera->setStatusReport(stLink);
        upRig->bus().plug(pclCamera);
        QTRY_COMPARE_WITH_TIMEOUT(upRig->window().currentPage(), 6, 5000);
        QTRY_COMPARE_WITH_TIMEOUT(enabled(), lstSecurity, 5000);
        QTRY_COMPARE_WITH_TIMEOUT(text(6, "labelRecValue"), QStringLiteral("Running recording"), 5000);

        // To maintenance, after a question: the recording stops and the settings open.
        click(6, "buttonToggleMode");
        QCOMPARE(upRig->lstBoxes, QStringList {"Are you sure you want, but I will stop recording?"});
        QTRY_COMPARE_WITH_TIMEOUT(enabled(), lstAll, 5000);
        QCOMPARE(pclCamera->secureMode(), 2);
        QVERIFY(!pclCamera->isRecording());
        QTRY_COMPARE_WITH_TIMEOUT(text(6, "labelModeValue"), QStringLiteral("Maintenance"), 5000);
        QTRY_COMPARE_WITH_TIMEOUT(text(6, "labelRecValue"), QStringLiteral("Recording stopped"), 5000);
        QCOMPARE(upRig->window().currentPage(), 6);

        WindowRig::click(upRig->window().modeBar()->button(1));
        QTRY_COMPARE_WITH_TIMEOUT(text(1, "labelBattery"), QStringLiteral("80%"), 5000);
        QTRY_COMPARE_WITH_TIMEOUT(text(1, "labelFileSystem"), QStringLiteral("FAT32"), 5000);
        QCOMPARE(text(1, "labelWifiState"), QStringLiteral("Link"));
        QCOMPARE(text(1, "labelRssi"), QStringLiteral("55dBm"));
        QCOMPARE(text(1, "labelChannel"), QStringLiteral("6ch"));
        // The camera changes; the page follows within a poll or two.
        pclCamera->setBattery(8, false);
        stLink.oLinkState = 3;
        stLink.oSignal = 42;
        pclCamera->setStatusReport(stLink);
        pclCamera->setSdCard(8ull << 30, 6ull << 30, 2);
        QTRY_COMPARE_WITH_TIMEOUT(text(1, "labelBattery"), QStringLiteral("8%"), 5000);
        QTRY_COMPARE_WITH_TIMEOUT(text(1, "labelFileSystem"), QStringLiteral("FAT16"), 5000);
        QCOMPARE(text(1, "labelWifiState"), QStringLiteral("Adhoc Link"));
        QCOMPARE(text(1, "labelRssi"), QStringLiteral("42dBm"));
        // A camera slow to answer, waited for as a real one is: more than the three tries
        // of a second each that a plain request gets by itself.
        upRig->bus().setImmediateTimeouts(false);
        pclCamera->setResponseDelay(3500);
        pclCamera->setBattery(60, false);
        QTRY_COMPARE_WITH_TIMEOUT(text(1, "labelBattery"), QStringLiteral("60%"), 10000);
        pclCamera->setResponseDelay(0);
        upRig->bus().setImmediateTimeouts(true);

        // Back to security mode, which locks the settings again.
        WindowRig::click(upRig->window().modeBar()->button(6));
        click(6, "buttonToggleMode");
        QTRY_COMPARE_WITH_TIMEOUT(enabled(), lstSecurity, 5000);
        QCOMPARE(pclCamera->secureMode(), 1);
        QCOMPARE(text(6, "labelModeValue"), QStringLiteral("Security"));
        QCOMPARE(upRig->lstBoxes.size(), 1);
    }
};

QTEST_MAIN(TestWindowStatus)
#include "TestWindowStatus.moc"
