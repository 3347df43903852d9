// The main window as the switchboard: envelopes are injected where the USB worker would
// answer, and what the window sends to the worker and to the page shown is watched. Also
// the mode bar's own rules.
#include "app/ClButtonMode.h"
#include "protocol/ClCommandCatalogue.h"
#include "protocol/ClCommandKinds.h"
#include "app/framework/ClLogWidget.h"
#include "app/ClMainWidget.h"
#include "app/framework/ClMessageBox.h"
#include "app/ClStartup.h"
#include "update/ClTovuDownload.h"
#include "usb/ClUsbService.h"
#include "virtualcamera/ClVirtualUsbBus.h"
#include "app/ClWidgetSelectMode.h"

#include <QApplication>
#include <QCheckBox>
#include <QLabel>
#include <QPushButton>
#include <QTranslator>
#include <QtTest>

namespace {
// Kinds are looked up when used, not during static initialisation.
#define uuidGetFw ClCommandCatalogue::requestKindOf("ClTovuCommandGetFwVersion")
#define uuidGetSecure ClCommandCatalogue::requestKindOf("ClTovuCommandGetSecureCurr")
#define uuidSecureAnswer ClCommandCatalogue::replyKindOf("ClTovuCommandGetSecureCurr")
#define uuidSetTime ClCommandCatalogue::requestKindOf("ClTovuCommandSetTime")

void* const pCamera = reinterpret_cast<void*>(quintptr(0x1000));
void* const pOther = reinterpret_cast<void*>(quintptr(0x2000));
const QList<qint32> lstAll {1, 2, 3, 4, 5, 6, 7};
const QList<qint32> lstSecurity {6, 7};
const QList<qint32> lstHelpOnly {7};

PV_CMD envelope(const QUuid& uuidKind, void* pDevice, const QVariant& clParam2 = {}, const QVariant& clParam3 = {})
{
    return {{"CMD", uuidKind}, {"PARAM1", QVariant::fromValue(pDevice)}, {"PARAM2", clParam2}, {"PARAM3", clParam3}};
}

PV_CMD connectNotice(void* pDevice, qint32 lModel, quint16 usStatus = 0)
{
    return envelope(ClCommandKinds::cameraConnected(), pDevice, lModel, QVariant::fromValue(usStatus));
}

PV_CMD removalNotice(void* pDevice)
{
    return envelope(ClCommandKinds::cameraRemoved(), pDevice);
}

PV_CMD completion(void* pDevice, const QUuid& uuidExecuted, quint16 usCode, bool bTransport = false)
{
    return envelope(bTransport ? ClCommandKinds::transportError() : ClCommandKinds::result(), pDevice,
                    uuidExecuted, QVariant::fromValue(usCode));
}

PV_CMD versionAnswer(void* pDevice)
{
    return envelope(ClCommandCatalogue::replyKindOf("ClTovuCommandGetFwVersion"), pDevice, QStringLiteral("01.03.025"));
}

// An answer to the window's own question carries the window as its sender.
PV_CMD secureAnswer(void* pDevice, qint32 lMode, QObject* pclSender = nullptr)
{
    PV_CMD clCommand = envelope(uuidSecureAnswer, pDevice, lMode);
    clCommand["Sender"] = QVariant::fromValue(pclSender);
    return clCommand;
}

QList<qint32> enabledModes(const ClWidgetSelectMode* pclBar)
{
    QList<qint32> lstModes;
    for (qint32 lMode = 1; lMode <= 7; ++lMode) {
        if (pclBar->button(lMode)->isEnabled())
            lstModes.append(lMode);
    }
    return lstModes;
}

// The envelopes a spy on sigSendCommand or sigReceiveCommand has seen.
QList<PV_CMD> envelopes(const QSignalSpy& clSpy)
{
    QList<PV_CMD> lstCommands;
    for (const QList<QVariant>& lstArguments : clSpy)
        lstCommands.append(lstArguments.at(0).value<PV_CMD>());
    return lstCommands;
}

QList<QUuid> kinds(const QSignalSpy& clSpy)
{
    QList<QUuid> lstKinds;
    for (const PV_CMD& clCommand : envelopes(clSpy))
        lstKinds.append(clCommand.value("CMD").toUuid());
    return lstKinds;
}
}  // namespace

class TestMainWidget : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<ClVirtualUsbBus> pclBus;
    std::unique_ptr<ClMainWidget> pclWindow;
    QStringList lstBoxes;
    QList<QTranslator*> lstTranslators;

    void connectCamera(void* pDevice, qint32 lModel, qint32 lSecure = -1)
    {
        pclWindow->slotReceiveCommand(connectNotice(pDevice, lModel));
        pclWindow->slotReceiveCommand(versionAnswer(pDevice));
        if (lSecure >= 0)
            pclWindow->slotReceiveCommand(secureAnswer(pDevice, lSecure));
    }

    void click(qint32 lMode) { QTest::mouseClick(pclWindow->modeBar()->button(lMode), Qt::LeftButton); }

    QList<qint32> enabled() const { return enabledModes(pclWindow->modeBar()); }

private Q_SLOTS:
    void init()
    {
        lstBoxes.clear();
        ClMessageBox::setTestResponder([this](const QString& strText, QMessageBox::StandardButtons) {
            lstBoxes.append(strText);
            return QMessageBox::Ok;
        });
        pclBus = std::make_unique<ClVirtualUsbBus>();
        pclWindow = std::make_unique<ClMainWidget>(pclBus.get());
        // The worker stays out: the test plays its part.
        QObject::disconnect(pclWindow.get(), nullptr, pclWindow->usbService(), nullptr);
        QObject::disconnect(pclWindow->usbService(), nullptr, pclWindow.get(), nullptr);
        QObject::disconnect(pclWindow->usbService(), nullptr, pclWindow->downloader(), nullptr);
        // No update checks: the one started with the window is abandoned and none follows a camera.
        pclWindow->downloader()->stop();
        pclWindow->findChild<QCheckBox*>("checkAutoUpdate")->setChecked(false);
        pclWindow->show();
    }

    void cleanup()
    {
        pclWindow.reset();
        ClMessageBox::setTestResponder({});
        for (QTranslator* pclTranslator : lstTranslators) {
            QCoreApplication::removeTranslator(pclTranslator);
            delete pclTranslator;
        }
        lstTranslators.clear();
    }

    void connectAsksVersionThenUnlocks_data()
    {
        QTest::addColumn<qint32>("lModel");
        QTest::newRow("Tovu") << 0;
        QTest::newRow("Tovu-S") << 1;
    }

    void connectAsksVersionThenUnlocks()
    {
        QFETCH(qint32, lModel);
        // Shaped by the picture: its rounded corners are cut away, edges and inside kept.
        for (const QPoint& clCorner : {QPoint(0, 0), QPoint(599, 0), QPoint(0, 619), QPoint(599, 619)})
            QVERIFY(!pclWindow->mask().contains(clCorner));
        for (const QPoint& clInside : {QPoint(300, 0), QPoint(0, 300), QPoint(300, 300), QPoint(599, 599)})
            QVERIFY(pclWindow->mask().contains(clInside));
        QCOMPARE(enabled(), lstHelpOnly);
        QVERIFY(!pclWindow->logBar()->findChild<QPushButton*>("buttonReload")->isVisible());

        // The Tovu-S is also asked for its mode, every five seconds.
        QSignalSpy clToWorker(pclWindow.get(), &ClWidgetBase::sigSendCommand);
        QSignalSpy clToPage(pclWindow.get(), &ClPageHost::sigReceiveCommand);
        pclWindow->slotReceiveCommand(connectNotice(pCamera, lModel));
        QCOMPARE(kinds(clToWorker), (lModel == 1 ? QList<QUuid> {uuidGetFw, uuidGetSecure} : QList<QUuid> {uuidGetFw}));
        QCOMPARE(envelopes(clToWorker).at(0).value("PARAM1").value<void*>(), pCamera);
        QCOMPARE(pclWindow->isPolling(), lModel == 1);
        QCOMPARE(pclWindow->pollingInterval(), 5000);
        // Identifying: still locked, still the not-connected page.
        QCOMPARE(pclWindow->currentPage(), 0);
        QCOMPARE(enabled(), lstHelpOnly);

        pclWindow->slotReceiveCommand(versionAnswer(pCamera));
        QCOMPARE(pclWindow->currentPage(), 1);
        QCOMPARE(enabled(), lstAll);
        QCOMPARE(pclWindow->modeBar()->button(6)->isVisible(), lModel == 1);
        QCOMPARE(envelopes(clToPage).at(0).value("PARAM2").toString(), QStringLiteral("01.03.025"));

        // Settings pages show Reload and Apply; the log bar reaches the page and back.
        click(3);
        QCOMPARE(pclWindow->currentPage(), 3);
        auto* pclApply = pclWindow->logBar()->findChild<QPushButton*>("buttonApply");
        QVERIFY(pclApply->isVisible());
        QSignalSpy clApply(pclWindow.get(), &ClPageHost::sigApply);
        QTest::mouseClick(pclApply, Qt::LeftButton);
        QCOMPARE(clApply.count(), 1);
        Q_EMIT pclWindow->sigSetLog(QStringLiteral("The mode has been changed"));
        QCOMPARE(pclWindow->logBar()->messageLabel()->text(), QStringLiteral("The mode has been changed"));
    }

    void unidentifiedCameraExplained_data()
    {
        QTest::addColumn<int>("lStatus");
        QTest::addColumn<QString>("strText");
        const QString strContact = QStringLiteral("\nIf this error repeatedly occurs, please contact your dealer or Parvik.");
        QTest::newRow("unknown model") << 0 << "Not supported in this version. \nGo to help menu and update the setup tool.";
        QTest::newRow("time-out") << 0xFFFE << "Reboot and reconnect the Tovu." + strContact;
        QTest::newRow("transport") << 0xEF03 << "Communication failed." + strContact;
    }

    void unidentifiedCameraExplained()
    {
        QFETCH(int, lStatus);
        QFETCH(QString, strText);
        // A system that is not Japanese: the English catalogue is the one installed.
        lstTranslators = ClStartup::applyLanguage(qApp, QLocale::German);
        QSignalSpy clToWorker(pclWindow.get(), &ClWidgetBase::sigSendCommand);
        pclWindow->slotReceiveCommand(connectNotice(pCamera, -1, quint16(lStatus)));
        QCOMPARE(lstBoxes, QStringList {strText});
        QVERIFY(!pclWindow->isConnected());
        QCOMPARE(clToWorker.count(), 0);
        // The next camera that cannot be identified is explained again.
        pclWindow->slotReceiveCommand(connectNotice(pOther, -1, quint16(lStatus)));
        QCOMPARE(lstBoxes.size(), 2);
    }

    void failedVersionQueryExplained()
    {
        pclWindow->slotReceiveCommand(connectNotice(pCamera, 0));
        pclWindow->slotReceiveCommand(completion(pCamera, uuidGetFw, 0xFFFE));
        QCOMPARE(lstBoxes, QStringList {"Timeout error, please reset"});
        QCOMPARE(enabled(), lstHelpOnly);
        // The camera being pulled out is no news worth a box.
        pclWindow->slotReceiveCommand(completion(pCamera, uuidGetFw, 0xEF00, true));
        QCOMPARE(lstBoxes.size(), 1);
    }

    void routingToTheOneCamera()
    {
        QSignalSpy clToWorker(pclWindow.get(), &ClWidgetBase::sigSendCommand);
        QSignalSpy clToPage(pclWindow.get(), &ClPageHost::sigReceiveCommand);
        pclWindow->slotSendCommand(PV_CMD {{"CMD", uuidSetTime}});
        QCOMPARE(clToWorker.count(), 0);
        connectCamera(pCamera, 0);
        clToWorker.clear();
        clToPage.clear();

        // A second camera is ignored: asked nothing, its envelopes dropped.
        pclWindow->slotReceiveCommand(connectNotice(pOther, 1));
        pclWindow->slotReceiveCommand(versionAnswer(pOther));
        pclWindow->slotReceiveCommand(completion(pOther, uuidSetTime, 0));
        pclWindow->slotReceiveCommand(envelope(QUuid::createUuid(), pOther));
        QCOMPARE(clToWorker.count(), 0);
        QCOMPARE(clToPage.count(), 0);
        QCOMPARE(pclWindow->cameraModel(), 0);

        // The first one gets the pages' commands with its handle added.
        pclWindow->slotSendCommand(PV_CMD {{"CMD", uuidSetTime}, {"PARAM2", 7}});
        const PV_CMD clExpected {{"CMD", uuidSetTime}, {"PARAM1", QVariant::fromValue(pCamera)}, {"PARAM2", 7}};
        QCOMPARE(envelopes(clToWorker), QList<PV_CMD> {clExpected});
        // The Tovu has no security mode to ask about: its failures go straight to the page.
        pclWindow->slotReceiveCommand(completion(pCamera, uuidSetTime, 0xFFFC));
        pclWindow->slotReceiveCommand(completion(pCamera, uuidSetTime, 0xEF03, true));
        pclWindow->slotReceiveCommand(envelope(QUuid::createUuid(), pCamera));
        QCOMPARE(clToPage.count(), 3);
        QCOMPARE(clToWorker.count(), 1);
    }

    void standardModelAfterSecureModelLeavesItsPages()
    {
        for (qint32 lPage : {5, 6}) {
            connectCamera(pCamera, 1, 2);
            click(lPage);
            QCOMPARE(pclWindow->currentPage(), lPage);
            pclWindow->slotReceiveCommand(removalNotice(pCamera));
            QCOMPARE(pclWindow->currentPage(), 0);
            connectCamera(pOther, 0);
            QCOMPARE(pclWindow->currentPage(), 1);
            QCOMPARE(pclWindow->modeBar()->checkedMode(), 1);
            QVERIFY(!pclWindow->modeBar()->button(lPage)->isVisible());
            pclWindow->slotReceiveCommand(removalNotice(pOther));
        }
    }

    void disconnect()
    {
        connectCamera(pCamera, 1, 2);
        click(3);
        // Polling asks for the mode; Reload does not.
        QSignalSpy clToWorker(pclWindow.get(), &ClWidgetBase::sigSendCommand);
        pclWindow->requestData(true);
        pclWindow->requestData(false);
        QCOMPARE(kinds(clToWorker), QList<QUuid> {uuidGetSecure});
        // Another camera's removal changes nothing.
        pclWindow->slotReceiveCommand(removalNotice(pOther));
        QVERIFY(pclWindow->isConnected());
        QVERIFY(pclWindow->isPolling());
        QCOMPARE(pclWindow->currentPage(), 3);
        QCOMPARE(pclWindow->secureMode(), 2);
        QCOMPARE(enabled(), lstAll);

        // Ours, while Help is shown: the not-connected page, Camera state checked for later.
        click(7);
        pclWindow->slotReceiveCommand(removalNotice(pCamera));
        QCOMPARE(pclWindow->currentPage(), 0);
        QCOMPARE(pclWindow->modeBar()->checkedMode(), 1);
        QCOMPARE(enabled(), lstHelpOnly);
        QCOMPARE(pclWindow->cameraModel(), -1);
        QVERIFY(!pclWindow->isPolling());
        // Without a camera Help opens; any other page asked for shows the not-connected page.
        click(7);
        QCOMPARE(pclWindow->currentPage(), 7);
        pclWindow->slotChangeMode(3);
        QCOMPARE(pclWindow->currentPage(), 0);

        // Answers still queued for the camera that is gone change nothing...
        pclWindow->slotReceiveCommand(versionAnswer(pCamera));
        pclWindow->slotReceiveCommand(secureAnswer(pCamera, 1));
        QCOMPARE(enabled(), lstHelpOnly);
        QCOMPARE(pclWindow->currentPage(), 0);
        QCOMPARE(pclWindow->secureMode(), 0);
        // ...so the next Tovu-S in security mode is still locked. It opens on Help, the
        // page last selected while connected.
        connectCamera(pCamera, 1, 1);
        QCOMPARE(enabled(), lstSecurity);
        QCOMPARE(pclWindow->currentPage(), 7);
    }

    // A Tovu-S that refuses a command (0xFFFC) or times out (0xFFFA) may have left
    // maintenance mode: the failure is held back until the window's own question about the
    // mode is answered. lAnswer -1: that question fails too.
    void heldFailure_data()
    {
        QTest::addColumn<int>("lBefore");
        QTest::addColumn<int>("usCode");
        QTest::addColumn<int>("lAnswer");
        QTest::addColumn<bool>("bDelivered");
        QTest::newRow("now maintenance: delivered") << 1 << 0xFFFC << 2 << true;
        QTest::newRow("still maintenance: delivered") << 2 << 0xFFFA << 2 << true;
        QTest::newRow("still security: dropped") << 1 << 0xFFFC << 1 << false;
        QTest::newRow("now security: Mode page instead") << 2 << 0xFFFA << 1 << false;
        QTest::newRow("question fails: delivered") << 2 << 0xFFFC << -1 << true;
    }

    void heldFailure()
    {
        QFETCH(int, lBefore);
        QFETCH(int, usCode);
        QFETCH(int, lAnswer);
        QFETCH(bool, bDelivered);
        connectCamera(pCamera, 1, lBefore);
        click(3);
        const int lShown = pclWindow->currentPage();
        QSignalSpy clToWorker(pclWindow.get(), &ClWidgetBase::sigSendCommand);
        QSignalSpy clToPage(pclWindow.get(), &ClPageHost::sigReceiveCommand);
        const PV_CMD clFailure = completion(pCamera, uuidSetTime, quint16(usCode));
        pclWindow->slotReceiveCommand(clFailure);
        QCOMPARE(clToPage.count(), 0);
        QCOMPARE(kinds(clToWorker), QList<QUuid> {uuidGetSecure});
        QCOMPARE(envelopes(clToWorker).at(0).value("Sender").value<QObject*>(), pclWindow.get());

        pclWindow->slotReceiveCommand(lAnswer < 0 ? completion(pCamera, uuidGetSecure, 0xFFFA)
                                                  : secureAnswer(pCamera, lAnswer, pclWindow.get()));
        // A later answer delivers nothing more, and the question is not asked again.
        pclWindow->slotReceiveCommand(secureAnswer(pCamera, lAnswer < 0 ? lBefore : lAnswer, pclWindow.get()));
        QCOMPARE(envelopes(clToPage).count(clFailure), bDelivered ? 1 : 0);
        if (bDelivered)
            QCOMPARE(envelopes(clToPage).at(0), clFailure);
        QCOMPARE(clToWorker.count(), 1);
        QCOMPARE(pclWindow->currentPage(), lAnswer == 1 ? 6 : lShown);
        QCOMPARE(enabled(), lAnswer == 1 ? lstSecurity : lstAll);
    }

    void dragMovesWindow()
    {
        pclWindow->move(100, 100);
        const QPoint ptMoved = pclWindow->pos() + QPoint(20, 30);
        QTest::mousePress(pclWindow.get(), Qt::LeftButton, Qt::NoModifier, QPoint(300, 20));
        QTest::mouseMove(pclWindow.get(), QPoint(320, 50));
        QTRY_COMPARE(pclWindow->pos(), ptMoved);
        // Released, the mouse moves on its own.
        QTest::mouseRelease(pclWindow.get(), Qt::LeftButton, Qt::NoModifier, QPoint(320, 50));
        QTest::mouseMove(pclWindow.get(), QPoint(340, 70));
        QTest::qWait(20);
        QCOMPARE(pclWindow->pos(), ptMoved);
    }

    void updateErrorShown()
    {
        QSignalSpy clEnded(pclWindow->downloader(), &ClTovuDownload::sigEndUpdate);
        Q_EMIT pclWindow->downloader()->sigError(QStringLiteral("The update server cannot be reached."));
        QCOMPARE(lstBoxes, QStringList {"The update server cannot be reached."});
        // The run was stopped before the box was shown.
        QCOMPARE(clEnded.count(), 1);
    }

    // The mode bar on its own: 0 all unlocked, 1 security mode, 2 no camera.
    void buttonStates_data()
    {
        QTest::addColumn<QList<int>>("lstStates");
        QTest::addColumn<QList<qint32>>("lstEnabled");
        QTest::newRow("unlocked") << QList<int> {0} << lstAll;
        QTest::newRow("security after unlocked") << QList<int> {0, 1} << lstSecurity;
        QTest::newRow("unlocked again") << QList<int> {0, 1, 0} << lstAll;
        QTest::newRow("no camera") << QList<int> {0, 2} << lstHelpOnly;
        // Security mode reached from "no camera" leaves Mode locked: it is not touched.
        QTest::newRow("security after no camera") << QList<int> {0, 2, 1} << lstHelpOnly;
    }

    void buttonStates()
    {
        QFETCH(QList<int>, lstStates);
        QFETCH(QList<qint32>, lstEnabled);
        ClWidgetSelectMode clBar;
        for (int lState : lstStates)
            clBar.setButtonsState(lState);
        QCOMPARE(enabledModes(&clBar), lstEnabled);
    }

    void selectModeZero()
    {
        ClWidgetSelectMode clBar;
        QSignalSpy clSpy(&clBar, &ClWidgetSelectMode::sigChangeMode);
        // From Help, the button to come back to is Camera state; any other stays checked.
        clBar.button(7)->setChecked(true);
        clBar.selectMode(0);
        QCOMPARE(clBar.checkedMode(), 1);
        clBar.button(3)->setChecked(true);
        clBar.selectMode(0);
        QCOMPARE(clBar.checkedMode(), 3);
        clBar.selectMode(8);
        QCOMPARE(clSpy.count(), 2);
        QCOMPARE(clSpy.at(0).at(0).toInt(), 0);
        QCOMPARE(clSpy.at(1).at(0).toInt(), 0);
    }

    void longTextShrinksUntilItFits()
    {
        ClButtonMode clShort(QStringLiteral("Help"), QString());
        clShort.resize(83, 87);
        const int lBaseSize = QFontInfo(clShort.font()).pixelSize();
        QCOMPARE(clShort.textFont().pixelSize(), lBaseSize);

        // The wrapped text must fit between y = 55 and y = 81, and one size larger would not.
        ClButtonMode clLong(QStringLiteral("A rather long mode name that wraps into many lines"), QString());
        clLong.resize(83, 87);
        QCOMPARE(clLong.textRect(), QRect(QPoint(5, 55), QPoint(77, 81)));
        QFont clFont = clLong.textFont();
        QVERIFY(clFont.pixelSize() < lBaseSize);
        auto needed = [&](const QFont& clWith) {
            return QFontMetrics(clWith).boundingRect(clLong.textRect(), Qt::AlignCenter | Qt::TextWordWrap,
                                                     clLong.text());
        };
        QVERIFY2(needed(clFont).top() >= 55, qPrintable(QString::number(needed(clFont).top())));
        QVERIFY(needed(clFont).bottom() <= 81);
        clFont.setPixelSize(clFont.pixelSize() + 1);
        QVERIFY(needed(clFont).top() < 55);
    }
};

QTEST_MAIN(TestMainWidget)
#include "TestMainWidget.moc"
