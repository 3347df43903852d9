// "Save settings..." and "Load settings..." on the help page, through the real window and
// the emulated camera: a profile saved, the camera changed, the profile loaded back after
// the user has seen the list of changes; a file unfit to load refused with nothing sent.
// (Each way a file can be unfit: the settings tests'.)
#include "WindowRig.h"
#include "pages/help/ClSettingsTransfer.h"
#include "protocol/TypedKinds.h"

#include <QFile>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTemporaryDir>

class TestWindowProfile : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void cleanup() { ClSettingsTransfer::setTestFileChooser({}); }

    void savedSettingsComeBackAfterTheUserSawTheChanges()
    {
        QTemporaryDir clDir;
        const QString strFile = clDir.filePath(QStringLiteral("camera.json"));
        ClSettingsTransfer::setTestFileChooser([strFile](bool) { return strFile; });
        WindowRig clRig(5);
        clRig.window().show();
        auto* pclCamera = new ClVirtualCamera(1);
        pclCamera->setText(ClTovuCommandGetCameraName::usCommandCode, "first");
        clRig.bus().plug(pclCamera);
        QVERIFY(QTest::qWaitFor([&clRig] { return clRig.window().session()->isConnected(); }, 10000));
        WindowRig::click(clRig.find<QAbstractButton>("buttonHelp"));
        QTRY_VERIFY_WITH_TIMEOUT(clRig.find<QPushButton>("buttonSaveSettings")->isEnabled(), 10000);

        WindowRig::click(clRig.find<QPushButton>("buttonSaveSettings"));
        QTRY_COMPARE_WITH_TIMEOUT(clRig.lstBoxes.size(), 1, 10000);
        QVERIFY(clRig.lstBoxes.constLast().contains(strFile));
        QFile clFile(strFile);
        QVERIFY(clFile.open(QIODevice::ReadOnly));
        QJsonObject clRoot = QJsonDocument::fromJson(clFile.readAll()).object();
        QCOMPARE(clRoot.value(QStringLiteral("camera")).toObject().value(QStringLiteral("model")).toString(),
                 QStringLiteral("Tovu-S"));
        const QJsonObject clSettings = clRoot.value(QStringLiteral("settings")).toObject();
        QCOMPARE(clSettings.value(QStringLiteral("basic.camera_name")).toString(), QStringLiteral("first"));
        QVERIFY(!clSettings.contains(QStringLiteral("network.infrastructure.key")));

        // The camera is changed elsewhere; loading the file asks, then puts the name back
        // with the one Set it needs.
        pclCamera->setText(ClTovuCommandGetCameraName::usCommandCode, "second");
        pclCamera->clearRequests();
        WindowRig::click(clRig.find<QPushButton>("buttonLoadSettings"));
        QTRY_COMPARE_WITH_TIMEOUT(clRig.lstBoxes.size(), 3, 10000);
        const QString strQuestion = clRig.lstBoxes.at(1);
        QVERIFY2(strQuestion.contains(QStringLiteral("basic.camera_name: second -> first")), qPrintable(strQuestion));
        QCOMPARE(strQuestion.count(QStringLiteral(" -> ")), 1);
        QVERIFY2(clRig.lstBoxes.constLast().contains(QStringLiteral("applied")),
                 qPrintable(clRig.lstBoxes.constLast()));
        QCOMPARE(pclCamera->text(ClTovuCommandGetCameraName::usCommandCode), QByteArray("first"));
        int lSets = 0;
        for (const ClVirtualCamera::Request& stRequest : pclCamera->requests())
            lSets += (stRequest.stPacket.usCode & 0xF800) == 0x5800 ? 1 : 0;
        QCOMPARE(lSets, 1);

        // A file naming a setting no camera has is refused whole, and the camera is not written.
        clRoot = QJsonDocument::fromJson(readAll(strFile)).object();
        QJsonObject clUnfit = clRoot.value(QStringLiteral("settings")).toObject();
        clUnfit.insert(QStringLiteral("basic.no_such_setting"), true);
        clRoot.insert(QStringLiteral("settings"), clUnfit);
        QVERIFY(writeAll(strFile, QJsonDocument(clRoot).toJson()));
        pclCamera->setText(ClTovuCommandGetCameraName::usCommandCode, "third");
        pclCamera->clearRequests();
        WindowRig::click(clRig.find<QPushButton>("buttonLoadSettings"));
        QTRY_COMPARE_WITH_TIMEOUT(clRig.lstBoxes.size(), 4, 10000);
        QVERIFY2(clRig.lstBoxes.constLast().contains(QStringLiteral("This file cannot be loaded"))
                     && clRig.lstBoxes.constLast().contains(QStringLiteral("basic.no_such_setting")),
                 qPrintable(clRig.lstBoxes.constLast()));
        QTest::qWait(200);
        for (const ClVirtualCamera::Request& stRequest : pclCamera->requests())
            QVERIFY((stRequest.stPacket.usCode & 0xF800) != 0x5800);
        QCOMPARE(pclCamera->text(ClTovuCommandGetCameraName::usCommandCode), QByteArray("third"));
        QVERIFY(clRig.find<QPushButton>("buttonLoadSettings")->isEnabled());
    }

private:
    static QByteArray readAll(const QString& strFile)
    {
        QFile clFile(strFile);
        return clFile.open(QIODevice::ReadOnly) ? clFile.readAll() : QByteArray();
    }
    static bool writeAll(const QString& strFile, const QByteArray& clData)
    {
        QFile clFile(strFile);
        return clFile.open(QIODevice::WriteOnly | QIODevice::Truncate) && clFile.write(clData) == clData.size();
    }
};

QTEST_MAIN(TestWindowProfile)
#include "TestWindowProfile.moc"
