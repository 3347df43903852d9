// The page framework: the base every page builds on (sending, Apply, polling, Reload,
// error boxes, attaching to the window), the message box, the log bar, and the container
// of composite pages.
#include "framework/ClListWidgetBase.h"
#include "framework/ClLogWidget.h"
#include "framework/ClMessageBox.h"
#include "framework/ClPageHost.h"
#include "framework/ClPageListView.h"
#include "framework/ClWidgetBase.h"
#include "protocol/ClCommandKinds.h"
#include "protocol/ClEnvelope.h"
#include "protocol/TypedKinds.h"

#include <QAbstractEventDispatcher>
#include <QDialogButtonBox>
#include <QElapsedTimer>
#include <QLabel>
#include <QPushButton>
#include <QSequentialAnimationGroup>
#include <QtTest>

namespace {
const QUuid uuidSetA = requestKind<ClTovuCommandSetTimezone>();
const QUuid uuidSetB = requestKind<ClTovuCommandSetTime>();
const QUuid uuidSetC = requestKind<ClTovuCommandSetGpsSetting>();

PV_CMD completion(QUuid uuidKind, quint16 usCode, bool bTransport = false)
{
    return {{"CMD", bTransport ? ClCommandKinds::transportError() : ClCommandKinds::result()},
            {"PARAM2", uuidKind},
            {"PARAM3", QVariant::fromValue(usCode)}};
}

// A page that records what the framework makes it do.
class TestPage : public ClWidgetBase
{
public:
    TestPage() { strApplied = QStringLiteral("Time settings is applied"); }

    void requestData(bool) override { ++lRequests; }
    void setCameraInfo(qint32 lModel, QString strVersion) override
    {
        strCameraInfo = QString::number(lModel) + QLatin1Char(' ') + strVersion;
    }
    using ClWidgetBase::sendCommand;

    // A chained Apply: the completion of uuidFirst sends uuidThen as part of the same Apply.
    void chain(const QUuid& uuidFirst, const QUuid& uuidThen)
    {
        uuidChainFirst = uuidFirst;
        uuidChainThen = uuidThen;
    }

    int lRequests = 0;
    QString strCameraInfo;
    QList<PV_CMD> lstReceived;

protected:
    void receiveCommand(const PV_CMD& clCommand) override
    {
        lstReceived.append(clCommand);
        if (!uuidChainFirst.isNull() && ClEnvelope::executedKind(clCommand) == uuidChainFirst
            && ClEnvelope::resultCode(clCommand) == 0)
            sendCommand(uuidChainThen, {}, true, 0);
    }

private:
    QUuid uuidChainFirst;
    QUuid uuidChainThen;
};
}  // namespace

class TestFramework : public QObject
{
    Q_OBJECT

private:
    QStringList lstBoxes;

private Q_SLOTS:
    void init()
    {
        lstBoxes.clear();
        ClMessageBox::setTestResponder([this](const QString& strText, QMessageBox::StandardButtons) {
            lstBoxes.append(strText);
            return QMessageBox::Ok;
        });
    }

    void cleanup() { ClMessageBox::setTestResponder({}); }

    void delayedSendGoesOutOnceLaterStamped()
    {
        TestPage clPage;
        QSignalSpy clSpy(&clPage, &ClWidgetBase::sigSendCommand);
        QElapsedTimer clClock;
        clClock.start();
        clPage.sendCommand(uuidSetB, {{"PARAM2", 42}}, false, 300);
        QCOMPARE(clSpy.count(), 0);
        QVERIFY(clSpy.wait(2000));
        QVERIFY2(clClock.elapsed() >= 290, qPrintable(QString::number(clClock.elapsed())));
        const PV_CMD clSent = clSpy.at(0).at(0).value<PV_CMD>();
        QCOMPARE(clSent.value("CMD").toUuid(), uuidSetB);
        QCOMPARE(clSent.value("Sender").value<QObject*>(), &clPage);
        QCOMPARE(clSent.value("PARAM2").toInt(), 42);
        QTest::qWait(400);
        QCOMPARE(clSpy.count(), 1);
        // Its timer went with it.
        QCOMPARE(QAbstractEventDispatcher::instance()->registeredTimers(&clPage).size(), 0);
    }

    void reloadTwiceWithinGuardQueriesOnce()
    {
        TestPage clPage;
        clPage.setReloadGuardInterval(50);  // a second in the tool
        clPage.slotReload();
        clPage.slotReload();
        QCOMPARE(clPage.lRequests, 1);
        // Once the guard has run out, Reload queries again.
        QTRY_COMPARE_WITH_TIMEOUT((clPage.slotReload(), clPage.lRequests), 2, 2000);
    }

    // An Apply sends A, B and A again; B's completion may fail (lFailure, a camera status
    // or a transport error).
    void appliedShownOnceAfterLastSuccess_data()
    {
        QTest::addColumn<QList<QUuid>>("lstOrder");
        QTest::addColumn<int>("lFailure");
        QTest::addColumn<bool>("bTransport");
        QTest::newRow("sent order") << QList<QUuid> {uuidSetA, uuidSetB, uuidSetA} << 0 << false;
        QTest::newRow("B last") << QList<QUuid> {uuidSetA, uuidSetA, uuidSetB} << 0 << false;
        QTest::newRow("B first") << QList<QUuid> {uuidSetB, uuidSetA, uuidSetA} << 0 << false;
        QTest::newRow("B refused") << QList<QUuid> {uuidSetA, uuidSetB, uuidSetA} << 0xFFFB << false;
        QTest::newRow("B lost first") << QList<QUuid> {uuidSetB, uuidSetA, uuidSetA} << 0xEF03 << true;
    }

    void appliedShownOnceAfterLastSuccess()
    {
        QFETCH(QList<QUuid>, lstOrder);
        QFETCH(int, lFailure);
        QFETCH(bool, bTransport);
        TestPage clPage;
        QSignalSpy clLog(&clPage, &ClWidgetBase::sigSetLog);
        // The same kind twice needs two completions.
        for (const QUuid& uuidKind : {uuidSetA, uuidSetB, uuidSetA})
            clPage.sendCommand(uuidKind, {}, true, 0);
        // A completion of a kind that is not part of the Apply counts for nothing.
        clPage.slotReceiveCommand(completion(uuidSetC, 0));
        for (const QUuid& uuidKind : lstOrder) {
            QCOMPARE(clLog.count(), 0);
            const bool bFails = uuidKind == uuidSetB && lFailure != 0;
            clPage.slotReceiveCommand(completion(uuidKind, bFails ? quint16(lFailure) : 0, bFails && bTransport));
        }
        // A late completion shows nothing more.
        clPage.slotReceiveCommand(completion(uuidSetA, 0));
        QCOMPARE(clLog.count(), lFailure == 0 ? 1 : 0);
        if (lFailure == 0)
            QCOMPARE(clLog.at(0).at(0).toString(), QStringLiteral("Time settings is applied"));
        QVERIFY(clPage.pendingCommands().isEmpty());
    }

    void chainedApplyEndsWithItsLastCommand()
    {
        // The page sees a completion before the bookkeeping does, so a command it sends in
        // answer still belongs to the Apply: the message waits for it.
        TestPage clPage;
        clPage.chain(uuidSetA, uuidSetB);
        QSignalSpy clLog(&clPage, &ClWidgetBase::sigSetLog);
        QSignalSpy clSent(&clPage, &ClWidgetBase::sigSendCommand);
        clPage.sendCommand(uuidSetA, {}, true, 0);
        clPage.slotReceiveCommand(completion(uuidSetA, 0));
        QCOMPARE(clSent.count(), 2);
        QCOMPARE(clLog.count(), 0);
        QCOMPARE(clPage.pendingCommands(), QList<QUuid> {uuidSetB});
        clPage.slotReceiveCommand(completion(uuidSetB, 0));
        QCOMPARE(clLog.count(), 1);
    }

    void oneBoxPerFailureStreak()
    {
        TestPage clPage;
        // Polling: five time-outs show one box, even with commands sent in between.
        clPage.startPolling();
        for (int lTry = 0; lTry < 5; ++lTry) {
            clPage.showCommandError(0xFFFA);
            clPage.sendCommand(uuidSetA, {}, false, 0);
        }
        QCOMPARE(lstBoxes, QStringList {QStringLiteral("Timeout error, please reset")});
        // Once polling stops the next failure is news again, but only once...
        clPage.stopPolling();
        clPage.showCommandError(0xFFFB);
        clPage.showCommandError(0xFFFB);
        QCOMPARE(lstBoxes.size(), 2);
        // ...until the user causes another command.
        clPage.sendCommand(uuidSetA, {}, true, 0);
        clPage.showCommandError(0xFFFB);
        QCOMPARE(lstBoxes.size(), 3);
    }

    void attachConnectsOnceAndDetachUndoes()
    {
        ClPageHost clHost;
        TestPage clPage;
        QSignalSpy clToCamera(&clHost, &ClPageHost::sigSendCommand);
        QSignalSpy clLog(&clHost, &ClPageHost::sigSetLog);
        QSignalSpy clButtons(&clHost, &ClPageHost::sigSetButtonEnable);
        auto exchange = [&] {
            Q_EMIT clHost.sigReceiveCommand(completion(uuidSetA, 0));
            clPage.sendCommand(uuidSetA, {}, false, 0);
            Q_EMIT clHost.sigReload();
            Q_EMIT clPage.sigSetLog(QStringLiteral("x"));
            Q_EMIT clPage.sigSetButtonEnable(true, false);
        };
        // What reached page, window and camera: answers, data requests, sends, log, buttons.
        auto counts = [&] {
            return QList<qsizetype> {clPage.lstReceived.size(), clPage.lRequests, clToCamera.size(), clLog.size(),
                                     clButtons.size()};
        };
        // Attaching asks for the data; attached twice is still one connection each.
        clPage.activate(&clHost);
        clPage.activate(&clHost);
        QCOMPARE(clPage.lRequests, 2);
        exchange();
        QCOMPARE(counts(), (QList<qsizetype> {1, 3, 1, 1, 1}));
        // Detached: no news of the camera, no Reload, no buttons, no polling. An Apply the
        // user left goes on: its commands still go out and its end still reaches the page
        // (by its "Sender") and the log bar; another page's completion does not.
        clPage.sendCommand(uuidSetB, {}, true, 0);
        clPage.startPolling();
        clPage.deactivate(&clHost);
        QVERIFY(!clPage.isPolling());
        QCOMPARE(clPage.pendingCommands(), QList<QUuid> {uuidSetB});
        exchange();
        QCOMPARE(counts(), (QList<qsizetype> {1, 3, 3, 2, 1}));
        PV_CMD clEnd = completion(uuidSetB, 0);
        clHost.slotDeliverCommand(clEnd);
        QCOMPARE(clPage.lstReceived.size(), 1);
        clEnd.insert(ClEnvelope::keySender(), QVariant::fromValue<QObject*>(&clPage));
        clHost.slotDeliverCommand(clEnd);
        QCOMPARE(clPage.lstReceived.size(), 2);
        QVERIFY(clPage.pendingCommands().isEmpty());
        QCOMPARE(clLog.constLast().at(0).toString(), QStringLiteral("Time settings is applied"));
        // A camera gone takes every unfinished Apply with it, and a page gone is no
        // "Sender" any more: its envelope goes to the page attached.
        clPage.sendCommand(uuidSetB, {}, true, 0);
        clHost.forgetCommandsInFlight();
        QVERIFY(clPage.pendingCommands().isEmpty());
        auto* pclGone = new TestPage;
        clEnd.insert(ClEnvelope::keySender(), QVariant::fromValue<QObject*>(pclGone));
        delete pclGone;
        clPage.activate(&clHost);
        clHost.slotDeliverCommand(clEnd);
        QCOMPARE(clPage.lstReceived.size(), 3);
    }

    void hiddenPageDoesNotPoll()
    {
        TestPage clPage;
        clPage.setPollingInterval(20);
        clPage.show();
        QVERIFY(QTest::qWaitForWindowExposed(&clPage));
        clPage.startPolling();
        QTRY_VERIFY(clPage.lRequests >= 2);
        // Hidden behind another page with its timer still running: it asks for nothing.
        clPage.hide();
        const int lSeen = clPage.lRequests;
        QTest::qWait(150);
        QVERIFY(clPage.isPolling());
        QCOMPARE(clPage.lRequests, lSeen);
        clPage.show();
        QTRY_VERIFY(clPage.lRequests > lSeen);
    }

    // lChosen is the button the responder picks; NoButton closes the box.
    void messageBoxButtonsAndAnswers_data()
    {
        QTest::addColumn<int>("lButtons");
        QTest::addColumn<int>("lChosen");
        QTest::addColumn<QStringList>("lstShown");
        QTest::addColumn<int>("lResult");
        const int lOkCancel = QMessageBox::Ok | QMessageBox::Cancel;
        const int lYesNo = QMessageBox::Yes | QMessageBox::No;
        QTest::newRow("OK") << lOkCancel << int(QMessageBox::Ok) << QStringList {"Cancel", "OK"} << 1;
        QTest::newRow("Cancel") << lOkCancel << int(QMessageBox::Cancel) << QStringList {"Cancel", "OK"} << 0;
        QTest::newRow("Yes") << lYesNo << int(QMessageBox::Yes) << QStringList {"No", "Yes"} << 1;
        QTest::newRow("No") << lYesNo << int(QMessageBox::No) << QStringList {"No", "Yes"} << 0;
        QTest::newRow("closed") << int(QMessageBox::Ok) << int(QMessageBox::NoButton) << QStringList {"OK"} << 0;
        // One accepting and one rejecting button at most: Yes is not on a box that shows OK.
        QTest::newRow("OK|Yes") << int(QMessageBox::Ok | QMessageBox::Yes) << int(QMessageBox::Yes)
                                << QStringList {"OK"} << 0;
    }

    void messageBoxButtonsAndAnswers()
    {
        QFETCH(int, lButtons);
        QFETCH(int, lChosen);
        QFETCH(QStringList, lstShown);
        QFETCH(int, lResult);
        ClMessageBox::setTestResponder([&](const QString& strText, QMessageBox::StandardButtons) {
            lstBoxes.append(strText);
            return QMessageBox::StandardButton(lChosen);
        });
        ClMessageBox clBox(nullptr, QStringLiteral("Format the card?"), QStringLiteral("T"),
                           QMessageBox::StandardButtons(lButtons));
        QStringList lstTexts;
        for (QAbstractButton* pclButton : clBox.findChild<QDialogButtonBox*>()->buttons())
            lstTexts.append(pclButton->text());
        lstTexts.sort();
        QCOMPARE(lstTexts, lstShown);
        QCOMPARE(clBox.exec(), lResult);
        QCOMPARE(lstBoxes, QStringList {"Format the card?"});
    }

    void messageBoxRealButtonsClose()
    {
        ClMessageBox::setTestResponder({});
        for (const char* pszButton : {"buttonOk", "buttonCancel"}) {
            ClMessageBox clBox(nullptr, QStringLiteral("Text"), QStringLiteral("T"),
                               QMessageBox::Ok | QMessageBox::Cancel);
            QPushButton* pclButton = clBox.findChild<QPushButton*>(pszButton);
            QVERIFY(pclButton != nullptr);
            QTimer::singleShot(0, pclButton, [pclButton] { QTest::mouseClick(pclButton, Qt::LeftButton); });
            QCOMPARE(clBox.exec(), qstrcmp(pszButton, "buttonOk") == 0 ? 1 : 0);
        }
    }

    void logMessageSlidesInStaysAndLeaves()
    {
        ClLogWidget clBar;
        clBar.slotSetLog(QStringLiteral("first"));
        QSequentialAnimationGroup* pclGroup = clBar.animation();
        // A new message starts its slide afresh.
        pclGroup->setCurrentTime(3000);
        clBar.slotSetLog(QStringLiteral("The mode has been changed"));
        QCOMPARE(pclGroup->state(), QAbstractAnimation::Running);
        QVERIFY(pclGroup->currentTime() < 200);
        QLabel* pclLabel = clBar.messageLabel();
        QCOMPARE(pclLabel->text(), QStringLiteral("The mode has been changed"));
        QVERIFY(pclLabel->minimumWidth() >= pclLabel->sizeHint().width());
        // 200 ms in from above, five seconds in place, 200 ms out below.
        pclGroup->pause();
        const int lHeight = clBar.height();
        for (const auto& [lTime, lY] : {std::pair {0, -lHeight}, {200, 0}, {5100, 0}, {5400, lHeight}}) {
            pclGroup->setCurrentTime(lTime);
            QCOMPARE(pclLabel->y(), lY);
        }
    }

    void listMovesAttachmentFromPageToPage()
    {
        ClPageHost clHost;
        ClListWidgetBase clList;
        auto* pclFirst = new TestPage;
        auto* pclSecond = new TestPage;
        clList.addPage(pclFirst, QString(), QStringLiteral("First"), 0);
        clList.addPage(pclSecond, QString(), QStringLiteral("Second"), 1);
        clList.setCameraInfo(1, QStringLiteral("01.03.025"));
        QCOMPARE(pclFirst->strCameraInfo, QStringLiteral("1 01.03.025"));
        QCOMPARE(pclSecond->strCameraInfo, QStringLiteral("1 01.03.025"));
        clList.resize(600, 400);
        clList.show();
        QVERIFY(QTest::qWaitForWindowExposed(&clList));
        auto deliver = [&] { Q_EMIT clHost.sigReceiveCommand(PV_CMD {{"CMD", QUuid::createUuid()}}); };

        // Only the page shown is attached; pressing a row moves the attachment.
        clList.activate(&clHost);
        pclFirst->startPolling();
        const QPoint ptSecondRow(20, ClPageListView::lRowHeight + ClPageListView::lRowHeight / 2);
        QTest::mousePress(clList.listView()->viewport(), Qt::LeftButton, Qt::NoModifier, ptSecondRow);
        QCOMPARE(clList.currentPage(), pclSecond);
        QVERIFY(!pclFirst->isPolling());
        QCOMPARE(pclSecond->lRequests, 1);
        deliver();
        QCOMPARE(pclFirst->lstReceived.size(), 0);
        QCOMPARE(pclSecond->lstReceived.size(), 1);

        // Detached, a row pressed changes the page without attaching it.
        clList.deactivate(&clHost);
        deliver();
        clList.slotPageChange(clList.listView()->model()->index(0, 0));
        QCOMPARE(clList.currentPage(), pclFirst);
        QCOMPARE(pclFirst->lRequests, 1);
        deliver();
        QCOMPARE(pclFirst->lstReceived.size() + pclSecond->lstReceived.size(), 1);
    }
};

QTEST_MAIN(TestFramework)
#include "TestFramework.moc"
