// "Save settings..." and "Load settings..." on the help page, through the real window and
// the emulated camera: a profile saved, the camera changed, the profile loaded back after
// the user has seen the list of changes; a file that fails is refused and nothing is sent.
#include "WindowRig.h"
#include "pages/help/ClSettingsTransfer.h"
#include "protocol/TypedKinds.h"

#include <QFile>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTemporaryDir>

namespace {
int setRequests(ClVirtualCamera* pclCamera)
{
    int lCount = 0;
    for (const ClVirtualCamera::Request& stRequest : pclCamera->requests())
        lCount += (stRequest.stPacket.usCode & 0xF800) == 0x5800 ? 1 : 0;
    return lCount;
}
}  // namespace

class TestWindowProfile : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init()
    {
        upRig = std::make_unique<WindowRig>(5);
        upRig->window().show();
        pclCamera = new ClVirtualCamera(1);
        upRig->bus().plug(pclCamera);
        QVERIFY(QTest::qWaitFor([this] { return upRig->window().session()->isConnected(); }, 10000));
        WindowRig::click(upRig->find<QAbstractButton>("buttonHelp"));
        QTRY_VERIFY_WITH_TIMEOUT(upRig->find<QPushButton>("buttonSaveSettings")->isEnabled(), 10000);
        ClSettingsTransfer::setTestFileChooser([this](bool) { return strFile; });
    }
    void cleanup()
    {
        ClSettingsTransfer::setTestFileChooser({});
        upRig.reset();
    }

    void savedSettingsComeBackAfterTheUserSawTheChanges()
    {
        pclCamera->setText(ClTovuCommandGetCameraName::usCommandCode, "first");
        strFile = clDir.filePath(QStringLiteral("camera.json"));
        WindowRig::click(upRig->find<QPushButton>("buttonSaveSettings"));
        QTRY_COMPARE_WITH_TIMEOUT(upRig->lstBoxes.size(), 1, 10000);
        QVERIFY(upRig->lstBoxes.constLast().contains(strFile));
        QFile clFile(strFile);
        QVERIFY(clFile.open(QIODevice::ReadOnly));
        const QJsonObject clRoot = QJsonDocument::fromJson(clFile.readAll()).object();
        QCOMPARE(clRoot.value(QStringLiteral("camera")).toObject().value(QStringLiteral("model")).toString(),
                 QStringLiteral("Tovu-S"));
        const QJsonObject clSettings = clRoot.value(QStringLiteral("settings")).toObject();
        QCOMPARE(clSettings.value(QStringLiteral("basic.camera_name")).toString(), QStringLiteral("first"));
        QVERIFY(!clSettings.contains(QStringLiteral("network.infrastructure.key")));

        // The camera is changed elsewhere; loading the file puts the name back.
        pclCamera->setText(ClTovuCommandGetCameraName::usCommandCode, "second");
        pclCamera->clearRequests();
        QString strQuestion;
        ClMessageBox::setTestResponder([&](const QString& strText, QMessageBox::StandardButtons clButtons) {
            upRig->lstBoxes.append(strText);
            if (clButtons.testFlag(QMessageBox::Yes)) {
                strQuestion = strText;
                return QMessageBox::Yes;
            }
            return QMessageBox::Ok;
        });
        WindowRig::click(upRig->find<QPushButton>("buttonLoadSettings"));
        QTRY_COMPARE_WITH_TIMEOUT(upRig->lstBoxes.size(), 3, 10000);
        QVERIFY2(strQuestion.contains(QStringLiteral("basic.camera_name: second -> first")), qPrintable(strQuestion));
        QCOMPARE(strQuestion.count(QStringLiteral(" -> ")), 1);
        QVERIFY2(upRig->lstBoxes.constLast().contains(QStringLiteral("applied")),
                 qPrintable(upRig->lstBoxes.constLast()));
        QCOMPARE(pclCamera->text(ClTovuCommandGetCameraName::usCommandCode), QByteArray("first"));
        QCOMPARE(setRequests(pclCamera), 1);
    }

    void unfitFileIsRefusedAndNothingIsSent()
    {
        strFile = clDir.filePath(QStringLiteral("bad.json"));
        QFile clFile(strFile);
        QVERIFY(clFile.open(QIODevice::WriteOnly));
        clFile.write("{\"format\": \"tovu-settings-profile\", \"version\": 1, "
                     "\"settings\": {\"basic.camera_name\": \"ok\", \"stream.live.bit_rate\": 99999}}");
        clFile.close();
        pclCamera->clearRequests();
        WindowRig::click(upRig->find<QPushButton>("buttonLoadSettings"));
        QTRY_COMPARE_WITH_TIMEOUT(upRig->lstBoxes.size(), 1, 10000);
        QVERIFY(upRig->lstBoxes.constLast().contains(QStringLiteral("stream.live.bit_rate")));
        QTest::qWait(100);
        QCOMPARE(setRequests(pclCamera), 0);
        QVERIFY(upRig->find<QPushButton>("buttonLoadSettings")->isEnabled());
    }

private:
    QTemporaryDir clDir;
    QString strFile;
    std::unique_ptr<WindowRig> upRig;
    ClVirtualCamera* pclCamera = nullptr;
};

QTEST_MAIN(TestWindowProfile)
#include "TestWindowProfile.moc"
