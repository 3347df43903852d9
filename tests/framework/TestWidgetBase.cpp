#include "TestWidgetBase.h"

#include "ClCommandKinds.h"
#include "ClMessageBox.h"
#include "ClPageHost.h"
#include "TestPage.h"

#include <QElapsedTimer>
#include <QTranslator>
#include <QLabel>
#include <QMouseEvent>
#include <QtTest>

namespace {
const QUuid uuidSetA = ClCommandKinds::request("ClTovuCommandSetTimezone");
const QUuid uuidSetB = ClCommandKinds::request("ClTovuCommandSetTime");
const QUuid uuidSetC = ClCommandKinds::request("ClTovuCommandSetGpsSetting");

PV_CMD completion(QUuid uuidKind, quint16 usCode, bool bTransport = false)
{
    PV_CMD clCommand;
    clCommand["CMD"] = bTransport ? ClCommandKinds::transportError() : ClCommandKinds::result();
    clCommand["PARAM2"] = uuidKind;
    clCommand["PARAM3"] = QVariant::fromValue<quint16>(usCode);
    return clCommand;
}
}  // namespace

void TestWidgetBase::init()
{
    lstBoxTexts.clear();
    ClMessageBox::setTestResponder([this](const QString& strText, QMessageBox::StandardButtons) {
        lstBoxTexts.append(strText);
        return QMessageBox::Ok;
    });
}

void TestWidgetBase::cleanup()
{
    ClMessageBox::setTestResponder({});
}

void TestWidgetBase::sendStampsKindAndSender()
{
    TestPage clPage;
    QSignalSpy clSpy(&clPage, &ClWidgetBase::sigSendCommand);
    PV_CMD clCommand;
    clCommand["PARAM2"] = 42;
    clPage.sendCommand(uuidSetA, clCommand, false, 0);
    QCOMPARE(clSpy.count(), 1);
    const PV_CMD clSent = clSpy.at(0).at(0).value<PV_CMD>();
    QCOMPARE(clSent.value("CMD").toUuid(), uuidSetA);
    QCOMPARE(clSent.value("Sender").value<QObject*>(), static_cast<QObject*>(&clPage));
    QCOMPARE(clSent.value("PARAM2").toInt(), 42);
    QVERIFY(clPage.pendingCommands().isEmpty());
}

void TestWidgetBase::reloadTwiceWithinGuardQueriesOnce()
{
    TestPage clPage;
    clPage.setReloadGuardInterval(50);
    clPage.slotReload();
    clPage.slotReload();
    QCOMPARE(clPage.lRequests, 1);
    // Once the guard has run out, Reload queries again.
    QTRY_COMPARE_WITH_TIMEOUT((clPage.slotReload(), clPage.lRequests), 2, 2000);
}

void TestWidgetBase::appliedShownOnceAfterLastCompletion_data()
{
    QTest::addColumn<QList<QUuid>>("lstOrder");
    QTest::newRow("sent order") << QList<QUuid>{uuidSetA, uuidSetB, uuidSetA};
    QTest::newRow("B last") << QList<QUuid>{uuidSetA, uuidSetA, uuidSetB};
    QTest::newRow("B first") << QList<QUuid>{uuidSetB, uuidSetA, uuidSetA};
}

void TestWidgetBase::appliedShownOnceAfterLastCompletion()
{
    QFETCH(QList<QUuid>, lstOrder);
    TestPage clPage;
    QSignalSpy clLog(&clPage, &ClWidgetBase::sigSetLog);
    // The same kind twice needs two completions.
    clPage.sendCommand(uuidSetA, {}, true, 0);
    clPage.sendCommand(uuidSetB, {}, true, 0);
    clPage.sendCommand(uuidSetA, {}, true, 0);

    // A completion of a kind that is not part of the Apply counts for nothing.
    clPage.slotReceiveCommand(completion(uuidSetC, 0));
    for (int lIndex = 0; lIndex < lstOrder.size(); ++lIndex) {
        QCOMPARE(clLog.count(), 0);
        clPage.slotReceiveCommand(completion(lstOrder.at(lIndex), 0));
    }
    QCOMPARE(clLog.count(), 1);
    QCOMPARE(clLog.at(0).at(0).toString(), QStringLiteral("Time settings is applied"));
    clPage.slotReceiveCommand(completion(uuidSetA, 0));
    QCOMPARE(clLog.count(), 1);
}

void TestWidgetBase::failedSetSuppressesApplied()
{
    for (bool bTransport : {false, true}) {
        TestPage clPage;
        QSignalSpy clLog(&clPage, &ClWidgetBase::sigSetLog);
        clPage.sendCommand(uuidSetA, {}, true, 0);
        clPage.sendCommand(uuidSetB, {}, true, 0);
        clPage.sendCommand(uuidSetC, {}, true, 0);
        clPage.slotReceiveCommand(completion(uuidSetA, 0));
        clPage.slotReceiveCommand(completion(uuidSetB, bTransport ? 0xEF03 : 0xFFFB, bTransport));
        clPage.slotReceiveCommand(completion(uuidSetC, 0));
        QCOMPARE(clLog.count(), 0);
        QVERIFY(clPage.pendingCommands().isEmpty());
    }
}

void TestWidgetBase::completionWithoutApplyChangesNothing()
{
    TestPage clPage;
    QSignalSpy clLog(&clPage, &ClWidgetBase::sigSetLog);
    clPage.slotReceiveCommand(completion(uuidSetA, 0));
    clPage.slotReceiveCommand(completion(uuidSetA, 0xFFFC));
    QCOMPARE(clLog.count(), 0);
    // A later Apply still works: nothing was left behind.
    clPage.sendCommand(uuidSetB, {}, true, 0);
    clPage.slotReceiveCommand(completion(uuidSetB, 0));
    QCOMPARE(clLog.count(), 1);
}

void TestWidgetBase::pollingFailuresShowOneBox()
{
    TestPage clPage;
    clPage.startPolling();
    QCOMPARE(clPage.pollingInterval(), 5000);
    for (int lTry = 0; lTry < 5; ++lTry)
        clPage.showCommandError(0xFFFA);
    QCOMPARE(lstBoxTexts, QStringList{QStringLiteral("Timeout error, please reset")});
    // Sending while polling does not allow a second box either.
    clPage.sendCommand(uuidSetA, {}, false, 0);
    clPage.showCommandError(0xFFFA);
    QCOMPARE(lstBoxTexts.size(), 1);

    clPage.stopPolling();
    clPage.showCommandError(0xFFFE);
    QCOMPARE(lstBoxTexts.size(), 2);
}

void TestWidgetBase::userActionAllowsNewBox()
{
    TestPage clPage;
    clPage.showCommandError(0xFFFB);
    clPage.showCommandError(0xFFFB);
    QCOMPARE(lstBoxTexts.size(), 1);
    // Not polling: the next command the user causes may fail visibly again.
    clPage.sendCommand(uuidSetA, {}, true, 0);
    clPage.showCommandError(0xFFFB);
    QCOMPARE(lstBoxTexts.size(), 2);
}

void TestWidgetBase::errorTexts_data()
{
    QTest::addColumn<int>("lCode");
    QTest::addColumn<QString>("strText");
    QTest::newRow("FFFB") << 0xFFFB << "Parameter setting failed";
    QTest::newRow("FFFC") << 0xFFFC << "Command error, version up";
    QTest::newRow("FFFE") << 0xFFFE << "Timeout error, please reset";
    QTest::newRow("FFFA") << 0xFFFA << "Timeout error, please reset";
    QTest::newRow("FFF3") << 0xFFF3 << "The setting cannot be changed when broadcasting";
    QTest::newRow("EF03") << 0xEF03 << "Exec failed, unknown error";
    QTest::newRow("EF00") << 0xEF00 << "Exec failed, unknown error";
    QTest::newRow("0003") << 0x0003 << "Exec failed, unknown error";
}

void TestWidgetBase::errorTexts()
{
    QFETCH(int, lCode);
    QFETCH(QString, strText);
    TestPage clPage;
    clPage.showCommandError(quint16(lCode));
    QCOMPARE(lstBoxTexts, QStringList{strText});
}

void TestWidgetBase::englishCatalogueWording()
{
    // What a user on a system that is not Japanese sees: the English catalogue's wording.
    QTranslator clEnglish;
    QVERIFY(clEnglish.load(QStringLiteral(":/lang/en")));
    QCoreApplication::installTranslator(&clEnglish);
    TestPage clPage;
    clPage.showCommandError(0xFFFE);
    clPage.resetError();
    clPage.showCommandError(0xEF03);
    QCoreApplication::removeTranslator(&clEnglish);
    QCOMPARE(lstBoxTexts,
             (QStringList{"Reboot and reconnect the Tovu.\nIf this error repeatedly occurs, please contact "
                          "your dealer or Parvik.",
                          "Communication failed.\nIf this error repeatedly occurs, please contact your "
                          "dealer or Parvik."}));
    QCOMPARE(ClMessageBox::applicationTitle(), QStringLiteral("Tovu Setting Tool"));
}

void TestWidgetBase::delayedSendGoesOutOnceLater()
{
    TestPage clPage;
    QSignalSpy clSpy(&clPage, &ClWidgetBase::sigSendCommand);
    QElapsedTimer clClock;
    clClock.start();
    clPage.sendCommand(uuidSetB, {}, false, 300);
    QCOMPARE(clSpy.count(), 0);
    QVERIFY(clSpy.wait(2000));
    QVERIFY2(clClock.elapsed() >= 290, qPrintable(QString::number(clClock.elapsed())));
    QCOMPARE(clSpy.at(0).at(0).value<PV_CMD>().value("CMD").toUuid(), uuidSetB);
    QTest::qWait(400);
    QCOMPARE(clSpy.count(), 1);
}

void TestWidgetBase::hiddenPageDoesNotPoll()
{
    TestPage clPage;
    clPage.setPollingInterval(10);
    clPage.startPolling();
    QTest::qWait(60);
    QCOMPARE(clPage.lPolls, 0);
    clPage.show();
    QTRY_VERIFY(clPage.lPolls > 0);
    clPage.stopPolling();
    QVERIFY(!clPage.isPolling());
}

void TestWidgetBase::attachConnectsAndDetachUndoes()
{
    ClPageHost clHost;
    TestPage clPage;
    QSignalSpy clToCamera(&clHost, &ClWidgetBase::sigSendCommand);
    QSignalSpy clLog(&clHost, &ClWidgetBase::sigSetLog);
    QSignalSpy clButtons(&clHost, &ClWidgetBase::sigSetButtonEnable);

    clPage.activate(&clHost);
    QCOMPARE(clPage.lRequests, 1);
    // Twice attached is still one connection each.
    clPage.activate(&clHost);
    QCOMPARE(clPage.lRequests, 2);

    Q_EMIT clHost.sigReceiveCommand(completion(uuidSetA, 0));
    QCOMPARE(clPage.lstReceived.size(), 1);
    clPage.sendCommand(uuidSetA, {}, false, 0);
    QCOMPARE(clToCamera.count(), 1);
    Q_EMIT clHost.sigReload();
    QCOMPARE(clPage.lRequests, 3);
    Q_EMIT clPage.sigSetLog(QStringLiteral("x"));
    Q_EMIT clPage.sigSetButtonEnable(true, false);
    QCOMPARE(clLog.count(), 1);
    QCOMPARE(clButtons.count(), 1);

    clPage.startPolling();
    clPage.deactivate(&clHost);
    QVERIFY(!clPage.isPolling());
    Q_EMIT clHost.sigReceiveCommand(completion(uuidSetA, 0));
    clPage.sendCommand(uuidSetA, {}, false, 0);
    Q_EMIT clHost.sigReload();
    Q_EMIT clPage.sigSetLog(QStringLiteral("x"));
    Q_EMIT clPage.sigSetButtonEnable(true, false);
    QCOMPARE(clPage.lstReceived.size(), 1);
    QCOMPARE(clToCamera.count(), 1);
    QCOMPARE(clPage.lRequests, 3);
    QCOMPARE(clLog.count(), 1);
    QCOMPARE(clButtons.count(), 1);

    // Neither call does anything without a window.
    clPage.activate(nullptr);
    clPage.deactivate(nullptr);
    QCOMPARE(clPage.lRequests, 3);
}

void TestWidgetBase::detachDropsUnfinishedApply()
{
    ClPageHost clHost;
    TestPage clPage;
    QSignalSpy clLog(&clPage, &ClWidgetBase::sigSetLog);
    clPage.activate(&clHost);
    clPage.sendCommand(uuidSetA, {}, true, 0);
    clPage.sendCommand(uuidSetB, {}, true, 0);
    // The completion of B goes to another page while this one is hidden.
    clPage.deactivate(&clHost);
    clPage.activate(&clHost);
    clPage.sendCommand(uuidSetC, {}, true, 0);
    clPage.slotReceiveCommand(completion(uuidSetC, 0));
    QCOMPARE(clLog.count(), 1);
}

void TestWidgetBase::mouseEventsOfFilteredObjectGoToPage()
{
    TestPage clPage;
    QLabel clLabel(&clPage);
    clLabel.installEventFilter(&clPage);
    QMouseEvent clPress(QEvent::MouseButtonPress, QPointF(1, 1), QPointF(1, 1), Qt::LeftButton,
                        Qt::LeftButton, Qt::NoModifier);
    QVERIFY(clPage.eventFilter(&clLabel, &clPress));
    QCOMPARE(clPage.lMousePresses, 1);
    QEvent clOther(QEvent::ToolTip);
    QVERIFY(!clPage.eventFilter(&clLabel, &clOther));
}
