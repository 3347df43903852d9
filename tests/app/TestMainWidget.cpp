// The main window as the switchboard: envelopes are injected where the USB worker would
// answer, and what the window sends to the worker is watched.
#include "ClButtonMode.h"
#include "ClCommandCatalogue.h"
#include "ClCommandKinds.h"
#include "ClLogWidget.h"
#include "ClMainWidget.h"
#include "ClMessageBox.h"
#include "ClStartup.h"
#include "ClTovuDownload.h"
#include "ClUsbManager.h"
#include "ClVirtualUsbBus.h"
#include "ClWidgetSelectMode.h"

#include <QApplication>
#include <QLabel>
#include <QMouseEvent>
#include <QPushButton>
#include <QTranslator>
#include <QtTest>

namespace {
// Kinds are looked up when used, not during static initialisation.
#define uuidGetFw ClCommandCatalogue::requestKind("ClTovuCommandGetFwVersion")
#define uuidFwAnswer ClCommandCatalogue::replyKind("ClTovuCommandGetFwVersion")
#define uuidGetSecure ClCommandCatalogue::requestKind("ClTovuCommandGetSecureCurr")
#define uuidSecureAnswer ClCommandCatalogue::replyKind("ClTovuCommandGetSecureCurr")
#define uuidSetTime ClCommandCatalogue::requestKind("ClTovuCommandSetTime")

void* const pCamera = reinterpret_cast<void*>(quintptr(0x1000));
void* const pOther = reinterpret_cast<void*>(quintptr(0x2000));

PV_CMD envelope(const QUuid& uuidKind, void* pDevice)
{
    PV_CMD clCommand;
    clCommand["CMD"] = uuidKind;
    clCommand["PARAM1"] = QVariant::fromValue<void*>(pDevice);
    return clCommand;
}

PV_CMD connectNotice(void* pDevice, qint32 lModel, quint16 usStatus = 0)
{
    PV_CMD clCommand = envelope(ClCommandKinds::cameraConnected(), pDevice);
    clCommand["PARAM2"] = lModel;
    clCommand["PARAM3"] = QVariant::fromValue<quint16>(usStatus);
    return clCommand;
}

PV_CMD completion(void* pDevice, const QUuid& uuidExecuted, quint16 usCode, bool bTransport = false)
{
    PV_CMD clCommand = envelope(bTransport ? ClCommandKinds::transportError() : ClCommandKinds::result(), pDevice);
    clCommand["PARAM2"] = uuidExecuted;
    clCommand["PARAM3"] = QVariant::fromValue<quint16>(usCode);
    return clCommand;
}

PV_CMD versionAnswer(void* pDevice, const QString& strVersion = QStringLiteral("01.03.025"))
{
    PV_CMD clCommand = envelope(uuidFwAnswer, pDevice);
    clCommand["PARAM2"] = strVersion;
    return clCommand;
}

PV_CMD secureAnswer(void* pDevice, qint32 lMode, QObject* pclSender = nullptr)
{
    PV_CMD clCommand = envelope(uuidSecureAnswer, pDevice);
    clCommand["PARAM2"] = lMode;
    if (pclSender != nullptr)
        clCommand["Sender"] = QVariant::fromValue<QObject*>(pclSender);
    return clCommand;
}

QList<qint32> enabledModes(ClWidgetSelectMode* pclBar)
{
    QList<qint32> lstModes;
    for (qint32 lMode = 1; lMode <= 7; ++lMode) {
        if (pclBar->button(lMode)->isEnabled())
            lstModes.append(lMode);
    }
    return lstModes;
}

QList<QUuid> sentKinds(QSignalSpy& clSpy)
{
    QList<QUuid> lstKinds;
    for (const QList<QVariant>& lstArguments : clSpy)
        lstKinds.append(lstArguments.at(0).value<PV_CMD>().value("CMD").toUuid());
    return lstKinds;
}
}  // namespace

class TestMainWidget : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init();
    void cleanup();
    void builtInOrder();
    void helpWithoutCamera();
    void connectAsksVersionThenUnlocks();
    void secureModelConnectPollsMode();
    void secondConnectIgnored();
    void unidentifiedCameraExplained_data();
    void unidentifiedCameraExplained();
    void routingAddsHandleAndDropsStrangers();
    void standardModelAfterSecureModelLeavesItsPages_data();
    void standardModelAfterSecureModelLeavesItsPages();
    void disconnectWhileOnHelp();
    void disconnectOfAnotherHandleChangesNothing();
    void staleAnswersAfterDisconnectChangeNothing();
    void securityModeLocksPages();
    void sameSecureModeChangesNothing();
    void heldFailureDeliveredOnMaintenance();
    void heldFailureBecomesSwitchToModePage();
    void heldFailureInUnchangedModes();
    void failedModeQueryReleasesHeldFailure();
    void standardModelFailuresNotHeld();
    void failedVersionQueryExplained();
    void updateArguments_data();
    void updateArguments();
    void dragMovesWindow();
    void logBarReachesAttachedPage();
    void updateErrorShown();

private:
    ClMainWidget* newWindow();
    void connectCamera(ClMainWidget& clWindow, qint32 lModel, qint32 lSecure = -1);

    std::unique_ptr<ClVirtualUsbBus> pclBus;
    QStringList lstBoxes;
    QList<QTranslator*> lstTranslators;
};

ClMainWidget* TestMainWidget::newWindow()
{
    auto* pclWindow = new ClMainWidget(pclBus.get());
    // The worker stays out: the test plays its part.
    QObject::disconnect(pclWindow, nullptr, pclWindow->usbManager(), nullptr);
    QObject::disconnect(pclWindow->usbManager(), nullptr, pclWindow, nullptr);
    QObject::disconnect(pclWindow->usbManager(), nullptr, pclWindow->downloader(), nullptr);
    pclWindow->show();
    return pclWindow;
}

void TestMainWidget::connectCamera(ClMainWidget& clWindow, qint32 lModel, qint32 lSecure)
{
    clWindow.slotReceiveCommand(connectNotice(pCamera, lModel));
    clWindow.slotReceiveCommand(versionAnswer(pCamera));
    if (lSecure >= 0)
        clWindow.slotReceiveCommand(secureAnswer(pCamera, lSecure));
}

void TestMainWidget::init()
{
    pclBus = std::make_unique<ClVirtualUsbBus>();
    lstBoxes.clear();
    ClMessageBox::setTestResponder([this](const QString& strText, QMessageBox::StandardButtons) {
        lstBoxes.append(strText);
        return QMessageBox::Ok;
    });
}

void TestMainWidget::cleanup()
{
    ClMessageBox::setTestResponder({});
    for (QTranslator* pclTranslator : lstTranslators) {
        QCoreApplication::removeTranslator(pclTranslator);
        delete pclTranslator;
    }
    lstTranslators.clear();
}

void TestMainWidget::builtInOrder()
{
    std::unique_ptr<ClMainWidget> pclWindow(newWindow());
    QCOMPARE(pclWindow->size(), QSize(600, 620));
    QVERIFY(pclWindow->windowFlags().testFlag(Qt::FramelessWindowHint));
    QCOMPARE(pclWindow->windowTitle(), ClMessageBox::applicationTitle());
    // Shaped by the picture: its transparent rounded corners are not part of the window.
    QVERIFY(pclWindow->mask().contains(QPoint(300, 300)));
    QVERIFY(!pclWindow->mask().contains(QPoint(0, 0)));
    QVERIFY(!pclWindow->mask().contains(QPoint(599, 0)));
    QCOMPARE(pclWindow->findChild<QWidget*>("captionBar")->pos(), QPoint(0, 0));
    QCOMPARE(pclWindow->modeBar()->pos(), QPoint(0, 27));
    QVERIFY(pclWindow->modeBar()->width() >= 600);
    ClLogWidget* pclLog = pclWindow->logBar();
    QCOMPARE(pclLog->y() + pclLog->height(), 620);
    QWidget* pclArea = pclWindow->findChild<QWidget*>("pageArea");
    QCOMPARE(pclArea->geometry(), QRect(0, 115, 600, 505 - pclLog->height()));
    QCOMPARE(pclWindow->currentPage(), 0);
    QCOMPARE(pclWindow->page(0)->objectName(), QStringLiteral("pageNotConnected"));
    QCOMPARE(pclWindow->page(7)->objectName(), QStringLiteral("pageHelp"));
    QVERIFY(!pclLog->findChild<QPushButton*>("buttonReload")->isVisible());
    QVERIFY(!pclLog->findChild<QPushButton*>("buttonApply")->isVisible());
    QCOMPARE(enabledModes(pclWindow->modeBar()), QList<qint32>{7});
    QVERIFY(!pclWindow->isConnected());
    QCOMPARE(pclWindow->selectedMode(), 1);
}

void TestMainWidget::helpWithoutCamera()
{
    std::unique_ptr<ClMainWidget> pclWindow(newWindow());
    QTest::mouseClick(pclWindow->modeBar()->button(7), Qt::LeftButton);
    QCOMPARE(pclWindow->currentPage(), 7);
    QVERIFY(!pclWindow->logBar()->findChild<QPushButton*>("buttonApply")->isVisible());
    QCOMPARE(enabledModes(pclWindow->modeBar()), QList<qint32>{7});
    // Any other page asked for without a camera shows the not-connected page.
    pclWindow->slotChangeMode(3);
    QCOMPARE(pclWindow->currentPage(), 0);
}

void TestMainWidget::connectAsksVersionThenUnlocks()
{
    std::unique_ptr<ClMainWidget> pclWindow(newWindow());
    QSignalSpy clToWorker(pclWindow.get(), &ClWidgetBase::sigSendCommand);
    QSignalSpy clToPage(pclWindow.get(), &ClPageHost::sigReceiveCommand);

    pclWindow->slotReceiveCommand(connectNotice(pCamera, 0));
    QCOMPARE(sentKinds(clToWorker), QList<QUuid>{uuidGetFw});
    QCOMPARE(clToWorker.at(0).at(0).value<PV_CMD>().value("PARAM1").value<void*>(), pCamera);
    QVERIFY(!pclWindow->isPolling());
    // Identifying: still locked, still the not-connected page.
    QCOMPARE(pclWindow->currentPage(), 0);
    QCOMPARE(enabledModes(pclWindow->modeBar()), QList<qint32>{7});
    QCOMPARE(clToPage.count(), 0);

    pclWindow->slotReceiveCommand(versionAnswer(pCamera));
    QCOMPARE(pclWindow->currentPage(), 1);
    QCOMPARE(pclWindow->modeBar()->checkedMode(), 1);
    QCOMPARE(enabledModes(pclWindow->modeBar()), (QList<qint32>{1, 2, 3, 4, 5, 6, 7}));
    QVERIFY(!pclWindow->modeBar()->button(5)->isVisible());
    QVERIFY(!pclWindow->modeBar()->button(6)->isVisible());
    QCOMPARE(clToPage.count(), 1);
    QCOMPARE(clToPage.at(0).at(0).value<PV_CMD>().value("PARAM2").toString(), QStringLiteral("01.03.025"));

    // Settings pages show Reload and Apply.
    QTest::mouseClick(pclWindow->modeBar()->button(3), Qt::LeftButton);
    QCOMPARE(pclWindow->currentPage(), 3);
    QVERIFY(pclWindow->logBar()->findChild<QPushButton*>("buttonApply")->isVisible());
    QCOMPARE(pclWindow->selectedMode(), 3);
}

void TestMainWidget::secureModelConnectPollsMode()
{
    std::unique_ptr<ClMainWidget> pclWindow(newWindow());
    QSignalSpy clToWorker(pclWindow.get(), &ClWidgetBase::sigSendCommand);
    pclWindow->slotReceiveCommand(connectNotice(pCamera, 1));
    QCOMPARE(sentKinds(clToWorker), (QList<QUuid>{uuidGetFw, uuidGetSecure}));
    QVERIFY(pclWindow->isPolling());
    QCOMPARE(pclWindow->pollingInterval(), 5000);
    pclWindow->slotReceiveCommand(versionAnswer(pCamera));
    QVERIFY(pclWindow->modeBar()->button(5)->isVisible());
    QVERIFY(pclWindow->modeBar()->button(6)->isVisible());

    clToWorker.clear();
    pclWindow->requestData(true);
    pclWindow->requestData(false);
    QCOMPARE(sentKinds(clToWorker), QList<QUuid>{uuidGetSecure});
    QCOMPARE(clToWorker.at(0).at(0).value<PV_CMD>().value("PARAM1").value<void*>(), pCamera);

    pclWindow->slotReceiveCommand(envelope(ClCommandKinds::cameraRemoved(), pCamera));
    QVERIFY(!pclWindow->isPolling());
    QCOMPARE(pclWindow->secureMode(), 0);
}

void TestMainWidget::secondConnectIgnored()
{
    std::unique_ptr<ClMainWidget> pclWindow(newWindow());
    connectCamera(*pclWindow, 0);
    QSignalSpy clToWorker(pclWindow.get(), &ClWidgetBase::sigSendCommand);
    QSignalSpy clToPage(pclWindow.get(), &ClPageHost::sigReceiveCommand);
    pclWindow->slotReceiveCommand(connectNotice(pOther, 1));
    QCOMPARE(clToWorker.count(), 0);
    QCOMPARE(pclWindow->cameraModel(), 0);
    pclWindow->slotReceiveCommand(versionAnswer(pOther));
    QCOMPARE(clToPage.count(), 0);
    // The first camera still gets its commands.
    pclWindow->slotSendCommand(PV_CMD{{"CMD", uuidSetTime}});
    QCOMPARE(clToWorker.at(0).at(0).value<PV_CMD>().value("PARAM1").value<void*>(), pCamera);
}

void TestMainWidget::unidentifiedCameraExplained_data()
{
    QTest::addColumn<int>("lStatus");
    QTest::addColumn<QString>("strText");
    QTest::newRow("unknown model") << 0 << "Not supported in this version. \nGo to help menu and update the setup tool.";
    QTest::newRow("time-out")
        << 0xFFFE << "Reboot and reconnect the Tovu.\nIf this error repeatedly occurs, please contact your dealer or Parvik.";
    QTest::newRow("transport") << 0xEF03
                               << "Communication failed.\nIf this error repeatedly occurs, please contact your dealer or Parvik.";
}

void TestMainWidget::unidentifiedCameraExplained()
{
    QFETCH(int, lStatus);
    QFETCH(QString, strText);
    // A system that is not Japanese: the English catalogue is the one installed.
    lstTranslators = ClStartup::applyLanguage(qApp, QLocale::German);
    std::unique_ptr<ClMainWidget> pclWindow(newWindow());
    QSignalSpy clToWorker(pclWindow.get(), &ClWidgetBase::sigSendCommand);
    pclWindow->slotReceiveCommand(connectNotice(pCamera, -1, quint16(lStatus)));
    QCOMPARE(lstBoxes, QStringList{strText});
    QVERIFY(!pclWindow->isConnected());
    QCOMPARE(clToWorker.count(), 0);
    // The next camera that cannot be identified is explained again.
    pclWindow->slotReceiveCommand(connectNotice(pOther, -1, quint16(lStatus)));
    QCOMPARE(lstBoxes.size(), 2);
}

void TestMainWidget::routingAddsHandleAndDropsStrangers()
{
    std::unique_ptr<ClMainWidget> pclWindow(newWindow());
    QSignalSpy clToWorker(pclWindow.get(), &ClWidgetBase::sigSendCommand);
    QSignalSpy clToPage(pclWindow.get(), &ClPageHost::sigReceiveCommand);
    pclWindow->slotSendCommand(PV_CMD{{"CMD", uuidSetTime}});
    QCOMPARE(clToWorker.count(), 0);

    connectCamera(*pclWindow, 0);
    clToWorker.clear();
    clToPage.clear();
    pclWindow->slotSendCommand(PV_CMD{{"CMD", uuidSetTime}, {"PARAM2", 7}});
    QCOMPARE(clToWorker.count(), 1);
    const PV_CMD clSent = clToWorker.at(0).at(0).value<PV_CMD>();
    QCOMPARE(clSent.value("PARAM1").value<void*>(), pCamera);
    QCOMPARE(clSent.value("PARAM2").toInt(), 7);

    pclWindow->slotReceiveCommand(completion(pCamera, uuidSetTime, 0));
    pclWindow->slotReceiveCommand(completion(pCamera, uuidSetTime, 0xEF03, true));
    pclWindow->slotReceiveCommand(envelope(QUuid::createUuid(), pCamera));
    QCOMPARE(clToPage.count(), 3);
    pclWindow->slotReceiveCommand(completion(pOther, uuidSetTime, 0));
    pclWindow->slotReceiveCommand(envelope(QUuid::createUuid(), pOther));
    QCOMPARE(clToPage.count(), 3);
}

void TestMainWidget::standardModelAfterSecureModelLeavesItsPages_data()
{
    QTest::addColumn<int>("lPage");
    QTest::newRow("schedule") << 5;
    QTest::newRow("mode") << 6;
}

void TestMainWidget::standardModelAfterSecureModelLeavesItsPages()
{
    QFETCH(int, lPage);
    std::unique_ptr<ClMainWidget> pclWindow(newWindow());
    connectCamera(*pclWindow, 1, 2);
    QTest::mouseClick(pclWindow->modeBar()->button(lPage), Qt::LeftButton);
    QCOMPARE(pclWindow->currentPage(), lPage);
    pclWindow->slotReceiveCommand(envelope(ClCommandKinds::cameraRemoved(), pCamera));
    QCOMPARE(pclWindow->currentPage(), 0);

    pclWindow->slotReceiveCommand(connectNotice(pOther, 0));
    pclWindow->slotReceiveCommand(versionAnswer(pOther));
    QCOMPARE(pclWindow->currentPage(), 1);
    QCOMPARE(pclWindow->modeBar()->checkedMode(), 1);
    QVERIFY(!pclWindow->modeBar()->button(lPage)->isVisible());
}

void TestMainWidget::disconnectWhileOnHelp()
{
    std::unique_ptr<ClMainWidget> pclWindow(newWindow());
    connectCamera(*pclWindow, 0);
    QTest::mouseClick(pclWindow->modeBar()->button(7), Qt::LeftButton);
    QCOMPARE(pclWindow->currentPage(), 7);
    pclWindow->slotReceiveCommand(envelope(ClCommandKinds::cameraRemoved(), pCamera));
    QCOMPARE(pclWindow->currentPage(), 0);
    QCOMPARE(pclWindow->modeBar()->checkedMode(), 1);
    QCOMPARE(enabledModes(pclWindow->modeBar()), QList<qint32>{7});
    QVERIFY(!pclWindow->logBar()->findChild<QPushButton*>("buttonReload")->isVisible());
    QCOMPARE(pclWindow->cameraModel(), -1);
}

void TestMainWidget::disconnectOfAnotherHandleChangesNothing()
{
    std::unique_ptr<ClMainWidget> pclWindow(newWindow());
    connectCamera(*pclWindow, 1, 2);
    QTest::mouseClick(pclWindow->modeBar()->button(3), Qt::LeftButton);
    pclWindow->slotReceiveCommand(envelope(ClCommandKinds::cameraRemoved(), pOther));
    QVERIFY(pclWindow->isConnected());
    QVERIFY(pclWindow->isPolling());
    QCOMPARE(pclWindow->currentPage(), 3);
    QCOMPARE(pclWindow->secureMode(), 2);
    QCOMPARE(enabledModes(pclWindow->modeBar()), (QList<qint32>{1, 2, 3, 4, 5, 6, 7}));
}

void TestMainWidget::staleAnswersAfterDisconnectChangeNothing()
{
    std::unique_ptr<ClMainWidget> pclWindow(newWindow());
    pclWindow->slotReceiveCommand(connectNotice(pCamera, 1));
    pclWindow->slotReceiveCommand(envelope(ClCommandKinds::cameraRemoved(), pCamera));
    // Answers still queued for the camera that is gone.
    pclWindow->slotReceiveCommand(versionAnswer(pCamera));
    pclWindow->slotReceiveCommand(secureAnswer(pCamera, 1));
    QCOMPARE(enabledModes(pclWindow->modeBar()), QList<qint32>{7});
    QCOMPARE(pclWindow->currentPage(), 0);
    QCOMPARE(pclWindow->secureMode(), 0);

    // So the next Tovu-S in security mode is still locked.
    connectCamera(*pclWindow, 1, 1);
    QCOMPARE(pclWindow->currentPage(), 6);
    QCOMPARE(enabledModes(pclWindow->modeBar()), (QList<qint32>{6, 7}));
}

void TestMainWidget::securityModeLocksPages()
{
    std::unique_ptr<ClMainWidget> pclWindow(newWindow());
    connectCamera(*pclWindow, 1, 2);
    QTest::mouseClick(pclWindow->modeBar()->button(3), Qt::LeftButton);
    auto* pclModeValue = pclWindow->page(6)->findChild<QLabel*>("labelModeValue");
    QCOMPARE(pclModeValue->text(), QStringLiteral("Maintenance"));
    QCOMPARE(pclModeValue->palette().color(QPalette::WindowText), QColor(26, 97, 9));
    QVERIFY(!pclWindow->page(6)->findChild<QLabel*>("labelHint")->isVisibleTo(pclWindow->page(6)));

    pclWindow->slotReceiveCommand(secureAnswer(pCamera, 1));
    QCOMPARE(pclWindow->currentPage(), 6);
    QCOMPARE(pclWindow->modeBar()->checkedMode(), 6);
    QCOMPARE(enabledModes(pclWindow->modeBar()), (QList<qint32>{6, 7}));
    QCOMPARE(pclModeValue->text(), QStringLiteral("Security"));
    QCOMPARE(pclModeValue->palette().color(QPalette::WindowText), QColor(180, 25, 8));
    QCOMPARE(pclWindow->page(6)->findChild<QPushButton*>("buttonToggleMode")->text(),
             QStringLiteral("Change to maintenance mode"));
    QVERIFY(pclWindow->page(6)->findChild<QLabel*>("labelHint")->isVisibleTo(pclWindow->page(6)));

    pclWindow->slotReceiveCommand(secureAnswer(pCamera, 2));
    QCOMPARE(enabledModes(pclWindow->modeBar()), (QList<qint32>{1, 2, 3, 4, 5, 6, 7}));
    QCOMPARE(pclWindow->currentPage(), 6);

    // On Help the change to security mode leaves the user where they are.
    QTest::mouseClick(pclWindow->modeBar()->button(7), Qt::LeftButton);
    pclWindow->slotReceiveCommand(secureAnswer(pCamera, 1));
    QCOMPARE(pclWindow->currentPage(), 7);
    QCOMPARE(enabledModes(pclWindow->modeBar()), (QList<qint32>{6, 7}));
}

void TestMainWidget::sameSecureModeChangesNothing()
{
    std::unique_ptr<ClMainWidget> pclWindow(newWindow());
    connectCamera(*pclWindow, 1, 1);
    QTest::mouseClick(pclWindow->modeBar()->button(7), Qt::LeftButton);
    QSignalSpy clToPage(pclWindow.get(), &ClPageHost::sigReceiveCommand);
    pclWindow->modeBar()->button(6)->setEnabled(false);
    pclWindow->slotReceiveCommand(secureAnswer(pCamera, 1));
    QCOMPARE(pclWindow->currentPage(), 7);
    QVERIFY(!pclWindow->modeBar()->button(6)->isEnabled());
    QCOMPARE(clToPage.count(), 1);
}

void TestMainWidget::heldFailureDeliveredOnMaintenance()
{
    std::unique_ptr<ClMainWidget> pclWindow(newWindow());
    connectCamera(*pclWindow, 1, 1);
    QSignalSpy clToWorker(pclWindow.get(), &ClWidgetBase::sigSendCommand);
    QSignalSpy clToPage(pclWindow.get(), &ClPageHost::sigReceiveCommand);
    const PV_CMD clFailure = completion(pCamera, uuidSetTime, 0xFFFC);
    pclWindow->slotReceiveCommand(clFailure);
    QCOMPARE(clToPage.count(), 0);
    QCOMPARE(sentKinds(clToWorker), QList<QUuid>{uuidGetSecure});
    QCOMPARE(clToWorker.at(0).at(0).value<PV_CMD>().value("Sender").value<QObject*>(),
             static_cast<QObject*>(pclWindow.get()));

    pclWindow->slotReceiveCommand(secureAnswer(pCamera, 2, pclWindow.get()));
    QCOMPARE(clToPage.count(), 2);
    QCOMPARE(clToPage.at(0).at(0).value<PV_CMD>(), clFailure);
    QCOMPARE(clToPage.at(1).at(0).value<PV_CMD>().value("CMD").toUuid(), uuidSecureAnswer);
    QCOMPARE(enabledModes(pclWindow->modeBar()), (QList<qint32>{1, 2, 3, 4, 5, 6, 7}));
}

void TestMainWidget::heldFailureBecomesSwitchToModePage()
{
    std::unique_ptr<ClMainWidget> pclWindow(newWindow());
    connectCamera(*pclWindow, 1, 2);
    QTest::mouseClick(pclWindow->modeBar()->button(3), Qt::LeftButton);
    QSignalSpy clToPage(pclWindow.get(), &ClPageHost::sigReceiveCommand);
    pclWindow->slotReceiveCommand(completion(pCamera, uuidSetTime, 0xFFFA));
    pclWindow->slotReceiveCommand(secureAnswer(pCamera, 1, pclWindow.get()));
    QCOMPARE(pclWindow->currentPage(), 6);
    QCOMPARE(enabledModes(pclWindow->modeBar()), (QList<qint32>{6, 7}));
    QCOMPARE(clToPage.count(), 1);
    QCOMPARE(clToPage.at(0).at(0).value<PV_CMD>().value("CMD").toUuid(), uuidSecureAnswer);
}

void TestMainWidget::heldFailureInUnchangedModes()
{
    std::unique_ptr<ClMainWidget> pclWindow(newWindow());
    connectCamera(*pclWindow, 1, 1);
    QSignalSpy clToPage(pclWindow.get(), &ClPageHost::sigReceiveCommand);
    // Security mode explains the refusal: the failure is dropped.
    pclWindow->slotReceiveCommand(completion(pCamera, uuidSetTime, 0xFFFC));
    pclWindow->slotReceiveCommand(secureAnswer(pCamera, 1, pclWindow.get()));
    QCOMPARE(clToPage.count(), 1);
    QCOMPARE(clToPage.at(0).at(0).value<PV_CMD>().value("CMD").toUuid(), uuidSecureAnswer);

    // Maintenance mode does not: the page hears of its failure.
    pclWindow->slotReceiveCommand(secureAnswer(pCamera, 2));
    clToPage.clear();
    const PV_CMD clFailure = completion(pCamera, uuidSetTime, 0xFFFC);
    pclWindow->slotReceiveCommand(clFailure);
    pclWindow->slotReceiveCommand(secureAnswer(pCamera, 2, pclWindow.get()));
    QCOMPARE(clToPage.count(), 2);
    QCOMPARE(clToPage.at(0).at(0).value<PV_CMD>(), clFailure);
    // A poll answer afterwards does not deliver it again.
    pclWindow->slotReceiveCommand(secureAnswer(pCamera, 2, pclWindow.get()));
    QCOMPARE(clToPage.count(), 3);
}

void TestMainWidget::failedModeQueryReleasesHeldFailure()
{
    std::unique_ptr<ClMainWidget> pclWindow(newWindow());
    connectCamera(*pclWindow, 1, 2);
    QSignalSpy clToWorker(pclWindow.get(), &ClWidgetBase::sigSendCommand);
    QSignalSpy clToPage(pclWindow.get(), &ClPageHost::sigReceiveCommand);
    const PV_CMD clFailure = completion(pCamera, uuidSetTime, 0xFFFA);
    pclWindow->slotReceiveCommand(clFailure);
    // The question itself times out: it is not asked again, and the page learns of both.
    pclWindow->slotReceiveCommand(completion(pCamera, uuidGetSecure, 0xFFFA));
    QCOMPARE(sentKinds(clToWorker), QList<QUuid>{uuidGetSecure});
    QCOMPARE(clToPage.count(), 2);
    QCOMPARE(clToPage.at(0).at(0).value<PV_CMD>(), clFailure);
    QCOMPARE(ClWidgetBase::executedKind(clToPage.at(1).at(0).value<PV_CMD>()), uuidGetSecure);
}

void TestMainWidget::standardModelFailuresNotHeld()
{
    std::unique_ptr<ClMainWidget> pclWindow(newWindow());
    connectCamera(*pclWindow, 0);
    QSignalSpy clToWorker(pclWindow.get(), &ClWidgetBase::sigSendCommand);
    QSignalSpy clToPage(pclWindow.get(), &ClPageHost::sigReceiveCommand);
    pclWindow->slotReceiveCommand(completion(pCamera, uuidSetTime, 0xFFFC));
    QCOMPARE(clToWorker.count(), 0);
    QCOMPARE(clToPage.count(), 1);
}

void TestMainWidget::failedVersionQueryExplained()
{
    std::unique_ptr<ClMainWidget> pclWindow(newWindow());
    pclWindow->slotReceiveCommand(connectNotice(pCamera, 0));
    pclWindow->slotReceiveCommand(completion(pCamera, uuidGetFw, 0xFFFE));
    QCOMPARE(lstBoxes, QStringList{"Timeout error, please reset"});
    QCOMPARE(enabledModes(pclWindow->modeBar()), QList<qint32>{7});
    // The camera being pulled out is no news worth a box.
    pclWindow->slotReceiveCommand(completion(pCamera, uuidGetFw, 0xEF00, true));
    QCOMPARE(lstBoxes.size(), 1);
}

void TestMainWidget::updateArguments_data()
{
    QTest::addColumn<int>("lKind");
    QTest::addColumn<bool>("bAuto");
    QTest::addColumn<int>("lModel");
    QTest::addColumn<QStringList>("lstExpected");
    QTest::newRow("tool, auto") << 0 << true << -1 << QStringList{"-a", "-u", "tovuupdate/update_tool.xml"};
    QTest::newRow("tool, user") << 0 << false << 1 << QStringList{"-u", "tovuupdate/update_tool.xml"};
    QTest::newRow("firmware Tovu") << 1 << true << 0 << QStringList{"-a", "-u", "tovuupdate/update_firm.xml"};
    QTest::newRow("firmware Tovu-S") << 1 << false << 1 << QStringList{"-u", "tovuupdate/update_firm_s.xml"};
    QTest::newRow("firmware, no camera") << 1 << false << -1 << QStringList{"-u"};
}

void TestMainWidget::updateArguments()
{
    QFETCH(int, lKind);
    QFETCH(bool, bAuto);
    QFETCH(int, lModel);
    QFETCH(QStringList, lstExpected);
    QCOMPARE(ClMainWidget::updateArguments(lKind, bAuto, lModel), lstExpected);
}

void TestMainWidget::dragMovesWindow()
{
    std::unique_ptr<ClMainWidget> pclWindow(newWindow());
    pclWindow->move(100, 100);
    const QPoint ptStart = pclWindow->pos();
    QTest::mousePress(pclWindow.get(), Qt::LeftButton, Qt::NoModifier, QPoint(300, 20));
    QTest::mouseMove(pclWindow.get(), QPoint(320, 50));
    QTRY_COMPARE(pclWindow->pos(), ptStart + QPoint(20, 30));
    QTest::mouseRelease(pclWindow.get(), Qt::LeftButton, Qt::NoModifier, QPoint(320, 50));
    const QPoint ptAfter = pclWindow->pos();
    QTest::mouseMove(pclWindow.get(), QPoint(340, 70));
    QTest::qWait(20);
    QCOMPARE(pclWindow->pos(), ptAfter);

    // A press exactly at (0, 0) is "no drag".
    // (QTest would take a null point for the widget's centre, hence the hand-made events.)
    QMouseEvent clPress(QEvent::MouseButtonPress, QPointF(0, 0), pclWindow->mapToGlobal(QPointF(0, 0)),
                        Qt::LeftButton, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(pclWindow.get(), &clPress);
    QMouseEvent clMove(QEvent::MouseMove, QPointF(50, 50), pclWindow->mapToGlobal(QPointF(50, 50)),
                       Qt::NoButton, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(pclWindow.get(), &clMove);
    QCOMPARE(pclWindow->pos(), ptAfter);
}

void TestMainWidget::logBarReachesAttachedPage()
{
    std::unique_ptr<ClMainWidget> pclWindow(newWindow());
    QSignalSpy clReload(pclWindow.get(), &ClPageHost::sigReload);
    QSignalSpy clApply(pclWindow.get(), &ClPageHost::sigApply);
    Q_EMIT pclWindow->logBar()->sigReload();
    Q_EMIT pclWindow->logBar()->sigApply();
    QCOMPARE(clReload.count(), 1);
    QCOMPARE(clApply.count(), 1);
    Q_EMIT pclWindow->sigSetLog(QStringLiteral("The mode has been changed"));
    QCOMPARE(pclWindow->logBar()->messageLabel()->text(), QStringLiteral("The mode has been changed"));
}

void TestMainWidget::updateErrorShown()
{
    std::unique_ptr<ClMainWidget> pclWindow(newWindow());
    QSignalSpy clEnded(pclWindow->downloader(), &ClTovuDownload::sigEndUpdate);
    Q_EMIT pclWindow->downloader()->sigError(QStringLiteral("The update server cannot be reached."));
    QCOMPARE(lstBoxes, QStringList{"The update server cannot be reached."});
    // The run was stopped before the box was shown.
    QCOMPARE(clEnded.count(), 1);
}

QTEST_MAIN(TestMainWidget)
#include "TestMainWidget.moc"
