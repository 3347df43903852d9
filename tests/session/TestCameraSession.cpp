// The camera session as the window sees it, without the window: what it asks the camera,
// what it passes on to the page shown, what it tells the mode bar and the user, and which
// camera it listens to.
#include "protocol/ClCommandKinds.h"
#include "protocol/ClEnvelope.h"
#include "protocol/TypedKinds.h"
#include "session/ClCameraSession.h"
#include "session/ClPageMode.h"
#include "update/ClTovuDownload.h"

#include <QTranslator>
#include <QtTest>

#include "tests/support/ReplyTestSupport.h"

namespace {
using namespace ReplyTestSupport;
void* const pCamera = reinterpret_cast<void*>(quintptr(0x1000));
void* const pOther = reinterpret_cast<void*>(quintptr(0x2000));

QList<qint32> numbers(const QSignalSpy& clSpy)
{
    QList<qint32> lstNumbers;
    for (const QList<QVariant>& lstArguments : clSpy)
        lstNumbers.append(lstArguments.at(0).toInt());
    return lstNumbers;
}
}  // namespace

class TestCameraSession : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<ClCameraSession> upSession;

    // A camera connected and identified, as the window would see it.
    void connectCamera(void* pDevice, qint32 lModel, qint32 lSecure = -1)
    {
        upSession->slotReceiveCommand(connectNotice(pDevice, lModel));
        upSession->slotReceiveCommand(versionAnswer(pDevice));
        if (lSecure >= 0)
            upSession->slotReceiveCommand(secureAnswer(pDevice, lSecure));
    }

private Q_SLOTS:
    void init() { upSession = std::make_unique<ClCameraSession>(nullptr); }
    void cleanup() { upSession.reset(); }

    void connectAsksVersionThenUnlocks_data()
    {
        QTest::addColumn<qint32>("lModel");
        QTest::newRow("Tovu") << 0;
        QTest::newRow("Tovu-S") << 1;
    }

    void connectAsksVersionThenUnlocks()
    {
        QFETCH(qint32, lModel);
        QSignalSpy clToWorker(upSession.get(), &ClCameraSession::sigSendCommand);
        QSignalSpy clToPage(upSession.get(), &ClCameraSession::sigPageCommand);
        QSignalSpy clInfo(upSession.get(), &ClCameraSession::sigCameraInfo);
        QSignalSpy clSelect(upSession.get(), &ClCameraSession::sigSelectMode);
        QSignalSpy clButtons(upSession.get(), &ClCameraSession::sigButtonsState);

        // The Tovu-S is also asked for its mode, every five seconds.
        upSession->slotReceiveCommand(connectNotice(pCamera, lModel));
        const QList<QUuid> lstAsked = lModel == 1
            ? QList<QUuid> {requestKind<ClTovuCommandGetFwVersion>(), requestKind<ClTovuCommandGetSecureCurr>()}
            : QList<QUuid> {requestKind<ClTovuCommandGetFwVersion>()};
        QCOMPARE(kinds(clToWorker), lstAsked);
        QCOMPARE(ClEnvelope::device(envelopes(clToWorker).at(0)), pCamera);
        QCOMPARE(upSession->isPolling(), lModel == 1);
        QCOMPARE(upSession->pollingInterval(), 5000);
        // Identifying: nothing unlocked yet, nothing for the pages.
        QVERIFY(upSession->isConnected());
        QCOMPARE(clButtons.count(), 0);
        QCOMPARE(clInfo.count(), 0);

        upSession->slotReceiveCommand(versionAnswer(pCamera));
        QCOMPARE(clInfo.count(), 1);
        QCOMPARE(clInfo.at(0).at(0).toInt(), lModel);
        QCOMPARE(clInfo.at(0).at(1).toString(), QStringLiteral("01.03.025"));
        QCOMPARE(numbers(clSelect), QList<qint32> {ClPageMode::CameraState});
        QCOMPARE(numbers(clButtons), QList<qint32> {ClButtonsState::Unlocked});
        QCOMPARE(ClEnvelope::kind(envelopes(clToPage).at(0)), replyKind<ClTovuCommandGetFwVersion>());

        // Polling asks for the mode, on the Tovu-S only.
        clToWorker.clear();
        upSession->slotPollSecureMode();
        QCOMPARE(kinds(clToWorker), QList<QUuid> {requestKind<ClTovuCommandGetSecureCurr>()});
    }

    void unidentifiedCameraExplained_data()
    {
        QTest::addColumn<int>("lStatus");
        QTest::addColumn<QString>("strText");
        const QString strContact
            = QStringLiteral("\nIf this error repeatedly occurs, please contact your dealer or Parvik.");
        QTest::newRow("unknown model") << 0
                                       << "Not supported in this version. \nGo to help menu and update the setup tool.";
        QTest::newRow("time-out") << 0xFFFE << "Reboot and reconnect the Tovu." + strContact;
        QTest::newRow("transport") << 0xEF03 << "Communication failed." + strContact;
        // Pulled out while asked its name: the worker's removal notice tells the user, and a
        // box (for this camera or the next one so identified) would speak of one that is gone.
        QTest::newRow("gone") << 0xEF00 << QString();
    }

    void unidentifiedCameraExplained()
    {
        QFETCH(int, lStatus);
        QFETCH(QString, strText);
        // A system that is not Japanese shows the English catalogue's words.
        QTranslator clEnglish;
        QVERIFY(clEnglish.load(QStringLiteral(":/lang/en")));
        QCoreApplication::installTranslator(&clEnglish);
        QSignalSpy clToWorker(upSession.get(), &ClCameraSession::sigSendCommand);
        QSignalSpy clMessages(upSession.get(), &ClCameraSession::sigMessage);
        upSession->slotReceiveCommand(connectNotice(pCamera, -1, quint16(lStatus)));
        const int lShown = strText.isEmpty() ? 0 : 1;
        QCOMPARE(clMessages.count(), lShown);
        if (lShown)
            QCOMPARE(clMessages.at(0).at(0).toString(), strText);
        QVERIFY(!upSession->isConnected());
        QCOMPARE(upSession->cameraModel(), -1);
        QCOMPARE(clToWorker.count(), 0);
        // The next camera that cannot be identified is explained again.
        upSession->slotReceiveCommand(connectNotice(pOther, -1, quint16(lStatus)));
        QCOMPARE(clMessages.count(), 2 * lShown);
        QCoreApplication::removeTranslator(&clEnglish);
    }

    void failedVersionQueryKeepsCameraLocked_data()
    {
        QTest::addColumn<qint32>("lModel");
        QTest::addColumn<int>("lStatus");
        QTest::addColumn<QString>("strText");
        QTest::addColumn<qint32>("lMode");  // the Tovu-S's answer about its mode; -1: none
        QTest::newRow("Tovu timed out") << 0 << 0xFFFE << "Timeout error, please reset" << -1;
        QTest::newRow("Tovu-S refused, in maintenance mode") << 1 << 0xFFFC << "Command error, version up" << 2;
        QTest::newRow("Tovu-S refused, in security mode") << 1 << 0xFFFC << "Command error, version up" << 1;
    }

    void failedVersionQueryKeepsCameraLocked()
    {
        // No page knows the camera without its version, so whatever mode a Tovu-S answers,
        // no page is chosen, the bar stays locked, and the user is told.
        QFETCH(qint32, lModel);
        QFETCH(int, lStatus);
        QFETCH(QString, strText);
        QFETCH(qint32, lMode);
        const QUuid uuidVersion = requestKind<ClTovuCommandGetFwVersion>();
        upSession->slotReceiveCommand(connectNotice(pCamera, lModel));
        QSignalSpy clMessages(upSession.get(), &ClCameraSession::sigMessage);
        QSignalSpy clButtons(upSession.get(), &ClCameraSession::sigButtonsState);
        QSignalSpy clSelect(upSession.get(), &ClCameraSession::sigSelectMode);
        upSession->slotReceiveCommand(outcome(pCamera, uuidVersion, quint16(lStatus)));
        if (lMode >= 0)
            upSession->slotReceiveCommand(secureAnswer(pCamera, lMode));
        QCOMPARE(clMessages.count(), 1);
        QCOMPARE(clMessages.at(0).at(0).toString(), strText);
        QCOMPARE(clButtons.count(), 0);
        QCOMPARE(clSelect.count(), 0);
        // The camera being pulled out is no news worth a box, and a camera that keeps
        // failing to answer is explained once.
        upSession->slotReceiveCommand(outcome(pCamera, uuidVersion, 0xEF00));
        upSession->slotReceiveCommand(outcome(pCamera, uuidVersion, 0xEF03));
        upSession->slotReceiveCommand(outcome(pCamera, uuidVersion, 0xEF03));
        QCOMPARE(clMessages.count(), 1);
        // The next camera is explained again.
        upSession->slotReceiveCommand(removalNotice(pCamera));
        upSession->slotReceiveCommand(connectNotice(pOther, 0));
        upSession->slotReceiveCommand(outcome(pOther, uuidVersion, 0xEF03));
        QCOMPARE(clMessages.count(), 2);
    }

    void automaticFirmwareCheckFollowsTheSetting()
    {
        // The settings file is the one record of the choice: a camera is checked for new
        // firmware exactly when it says so.
        for (bool bAuto : {true, false}) {
            ClTovuDownload clDownload;
            clDownload.setAutoUpdate(bAuto);
            ClCameraSession clSession(&clDownload);
            clSession.slotReceiveCommand(connectNotice(pCamera, 0));
            clSession.slotReceiveCommand(versionAnswer(pCamera));
            QCOMPARE(clDownload.isBusy(), bAuto);
            clDownload.stop();
        }
    }

    void routingToTheOneCamera()
    {
        const QUuid uuidSetTime = requestKind<ClTovuCommandSetTime>();
        QSignalSpy clToWorker(upSession.get(), &ClCameraSession::sigSendCommand);
        QSignalSpy clToPage(upSession.get(), &ClCameraSession::sigPageCommand);
        upSession->slotSendCommand(PV_CMD {{"CMD", uuidSetTime}});
        QCOMPARE(clToWorker.count(), 0);
        connectCamera(pCamera, 0);
        clToWorker.clear();
        clToPage.clear();

        // A second camera is ignored: asked nothing, its envelopes dropped.
        upSession->slotReceiveCommand(connectNotice(pOther, 1));
        upSession->slotReceiveCommand(versionAnswer(pOther));
        upSession->slotReceiveCommand(outcome(pOther, uuidSetTime, 0));
        upSession->slotReceiveCommand(envelope(QUuid::createUuid(), pOther));
        upSession->slotReceiveCommand(removalNotice(pOther));
        QCOMPARE(clToWorker.count(), 0);
        QCOMPARE(clToPage.count(), 0);
        QCOMPARE(upSession->cameraModel(), 0);
        QVERIFY(upSession->isConnected());

        // The first one gets the pages' commands with its handle added.
        upSession->slotSendCommand(PV_CMD {{"CMD", uuidSetTime}, {"PARAM2", 7}});
        const PV_CMD clExpected {{"CMD", uuidSetTime}, {"PARAM1", QVariant::fromValue(pCamera)}, {"PARAM2", 7}};
        QCOMPARE(envelopes(clToWorker), QList<PV_CMD> {clExpected});
        // The Tovu has no security mode to ask about: its failures go straight to the page.
        upSession->slotReceiveCommand(outcome(pCamera, uuidSetTime, 0xFFFC));
        upSession->slotReceiveCommand(outcome(pCamera, uuidSetTime, 0xEF03));
        upSession->slotReceiveCommand(envelope(QUuid::createUuid(), pCamera));
        QCOMPARE(clToPage.count(), 3);
        QCOMPARE(clToWorker.count(), 1);
    }

    void standardModelAfterSecureModelLeavesItsPages()
    {
        for (qint32 lPage : {ClPageMode::Schedule, ClPageMode::Secure}) {
            connectCamera(pCamera, 1, 2);
            upSession->setSelectedMode(lPage);
            upSession->slotReceiveCommand(removalNotice(pCamera));
            QSignalSpy clSelect(upSession.get(), &ClCameraSession::sigSelectMode);
            connectCamera(pOther, 0);
            QCOMPARE(numbers(clSelect), QList<qint32> {ClPageMode::CameraState});
            QCOMPARE(upSession->selectedMode(), ClPageMode::CameraState);
            upSession->slotReceiveCommand(removalNotice(pOther));
        }
    }

    void removal()
    {
        connectCamera(pCamera, 1, 2);
        QSignalSpy clSelect(upSession.get(), &ClCameraSession::sigSelectMode);
        QSignalSpy clButtons(upSession.get(), &ClCameraSession::sigButtonsState);
        QSignalSpy clInfo(upSession.get(), &ClCameraSession::sigCameraInfo);
        QSignalSpy clToWorker(upSession.get(), &ClCameraSession::sigSendCommand);

        upSession->slotReceiveCommand(removalNotice(pCamera));
        QVERIFY(!upSession->isConnected());
        QVERIFY(!upSession->isPolling());
        QCOMPARE(upSession->cameraModel(), -1);
        QCOMPARE(upSession->secureMode(), 0);
        QCOMPARE(numbers(clSelect), QList<qint32> {ClPageMode::NotConnected});
        QCOMPARE(numbers(clButtons), QList<qint32> {ClButtonsState::NoCamera});
        QCOMPARE(clInfo.count(), 1);
        QCOMPARE(clInfo.at(0).at(0).toInt(), -1);
        QVERIFY(clInfo.at(0).at(1).toString().isEmpty());
        // The removal is announced once.
        upSession->slotReceiveCommand(removalNotice(pCamera));
        QCOMPARE(clInfo.count(), 1);

        // Answers still queued for the camera that is gone change nothing, and nothing
        // goes out without a camera.
        upSession->slotReceiveCommand(versionAnswer(pCamera));
        upSession->slotReceiveCommand(secureAnswer(pCamera, 1));
        upSession->slotPollSecureMode();
        QCOMPARE(clButtons.count(), 1);
        QCOMPARE(upSession->secureMode(), 0);
        QCOMPARE(clToWorker.count(), 0);
    }

    void securityModeLocksAndMaintenanceUnlocks()
    {
        connectCamera(pCamera, 1);
        upSession->setShownMode(ClPageMode::Basic);
        QSignalSpy clSelect(upSession.get(), &ClCameraSession::sigSelectMode);
        QSignalSpy clButtons(upSession.get(), &ClCameraSession::sigButtonsState);
        QSignalSpy clSecure(upSession.get(), &ClCameraSession::sigSecureMode);
        QSignalSpy clToPage(upSession.get(), &ClCameraSession::sigPageCommand);
        upSession->slotReceiveCommand(secureAnswer(pCamera, 1));
        QCOMPARE(numbers(clSelect), QList<qint32> {ClPageMode::Secure});
        QCOMPARE(numbers(clButtons), QList<qint32> {ClButtonsState::SecurityMode});
        QCOMPARE(numbers(clSecure), QList<qint32> {1});
        // The same mode again changes nothing, and is still passed on to the page.
        upSession->slotReceiveCommand(secureAnswer(pCamera, 1));
        QCOMPARE(clButtons.count() + clSelect.count() + clSecure.count(), 3);
        QCOMPARE(kinds(clToPage), QList<QUuid>(2, replyKind<ClTovuCommandGetSecureCurr>()));
        upSession->slotReceiveCommand(secureAnswer(pCamera, 2));
        QCOMPARE(numbers(clButtons), (QList<qint32> {ClButtonsState::SecurityMode, ClButtonsState::Unlocked}));
        QCOMPARE(clSelect.count(), 1);
        // Security mode again while Help is shown: Help stays.
        upSession->setShownMode(ClPageMode::Help);
        upSession->slotReceiveCommand(secureAnswer(pCamera, 1));
        QCOMPARE(clSelect.count(), 1);
        QCOMPARE(clButtons.count(), 3);
    }

    // A Tovu-S that refuses a command (0xFFFC) or times out (0xFFFA) may have left
    // maintenance mode: the failure is held back until the session's own question about
    // the mode is answered. lAnswer -1: that question fails too.
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
        upSession->setShownMode(ClPageMode::Basic);
        QSignalSpy clToWorker(upSession.get(), &ClCameraSession::sigSendCommand);
        QSignalSpy clToPage(upSession.get(), &ClCameraSession::sigPageCommand);
        QSignalSpy clSelect(upSession.get(), &ClCameraSession::sigSelectMode);
        const PV_CMD clFailure = outcome(pCamera, requestKind<ClTovuCommandSetTime>(), quint16(usCode));
        upSession->slotReceiveCommand(clFailure);
        QCOMPARE(clToPage.count(), 0);
        QCOMPARE(kinds(clToWorker), QList<QUuid> {requestKind<ClTovuCommandGetSecureCurr>()});
        QCOMPARE(ClEnvelope::sender(envelopes(clToWorker).at(0)), upSession.get());

        upSession->slotReceiveCommand(lAnswer < 0 ? outcome(pCamera, requestKind<ClTovuCommandGetSecureCurr>(), 0xFFFA)
                                                  : secureAnswer(pCamera, lAnswer, upSession.get()));
        // A later answer delivers nothing more, and the question is not asked again.
        upSession->slotReceiveCommand(secureAnswer(pCamera, lAnswer < 0 ? lBefore : lAnswer, upSession.get()));
        QCOMPARE(envelopes(clToPage).count(clFailure), bDelivered ? 1 : 0);
        if (bDelivered)
            QCOMPARE(envelopes(clToPage).at(0), clFailure);
        QCOMPARE(clToWorker.count(), 1);
        QCOMPARE(numbers(clSelect),
                 lAnswer == 1 && lBefore != 1 ? QList<qint32> {ClPageMode::Secure} : QList<qint32> {});
    }

    // A failed switch of the mode is never held back: the Mode page shows its box, even
    // though the camera stays in the security mode the switch was to leave.
    void failedModeSwitchReachesModePage_data()
    {
        QTest::addColumn<int>("lBefore");
        QTest::addColumn<int>("usCode");
        QTest::newRow("security, not supported") << 1 << 0xFFFC;
        QTest::newRow("security, refused") << 1 << 0xFFFA;
        QTest::newRow("maintenance, refused") << 2 << 0xFFFA;
    }

    void failedModeSwitchReachesModePage()
    {
        QFETCH(int, lBefore);
        QFETCH(int, usCode);
        connectCamera(pCamera, 1, lBefore);
        upSession->setShownMode(ClPageMode::Secure);
        QSignalSpy clToWorker(upSession.get(), &ClCameraSession::sigSendCommand);
        QSignalSpy clToPage(upSession.get(), &ClCameraSession::sigPageCommand);
        const PV_CMD clFailure = outcome(pCamera, requestKind<ClTovuCommandExecSecureCurr>(), quint16(usCode));
        upSession->slotReceiveCommand(clFailure);
        QCOMPARE(envelopes(clToPage), QList<PV_CMD> {clFailure});
        QCOMPARE(clToWorker.count(), 0);
        // The next mode answer delivers it no second time.
        upSession->slotReceiveCommand(secureAnswer(pCamera, lBefore, upSession.get()));
        QCOMPARE(envelopes(clToPage).count(clFailure), 1);
    }

    void updateArgumentsByKindAndModel()
    {
        QCOMPARE(ClCameraSession::updateArguments(0, true, -1),
                 (QStringList {"-a", "-u", "tovuupdate/update_tool.xml"}));
        QCOMPARE(ClCameraSession::updateArguments(1, false, 0), (QStringList {"-u", "tovuupdate/update_firm.xml"}));
        QCOMPARE(ClCameraSession::updateArguments(1, true, 1),
                 (QStringList {"-a", "-u", "tovuupdate/update_firm_s.xml"}));
        // No manifest for a model without firmware updates.
        QCOMPARE(ClCameraSession::updateArguments(1, false, 2), QStringList {"-u"});
    }
};

QTEST_MAIN(TestCameraSession)
#include "TestCameraSession.moc"
