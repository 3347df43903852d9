// Pictures of the main window in the states a person meets: without a camera, and with
// each model connected, page by page. Run by scripts/screenshots.sh under Xvfb; every
// picture is written to the folder given as the first argument.
#include "ClButtonMode.h"
#include "ClCommandCatalogue.h"
#include "ClCommandKinds.h"
#include "ClMainWidget.h"
#include "ClMessageBox.h"
#include "ClStartup.h"
#include "ClUsbManager.h"
#include "ClVirtualUsbBus.h"
#include "ClWidgetSelectMode.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QPixmap>
#include <QThread>

#include <cstdio>

namespace {
void* const pCamera = reinterpret_cast<void*>(quintptr(0x1000));

void settle(int lMs)
{
    QElapsedTimer clTimer;
    clTimer.start();
    while (clTimer.elapsed() < lMs) {
        QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
        QThread::msleep(5);
    }
}

PV_CMD envelope(const QUuid& uuidKind, const QVariant& clParam2 = {})
{
    PV_CMD clCommand;
    clCommand["CMD"] = uuidKind;
    clCommand["PARAM1"] = QVariant::fromValue<void*>(pCamera);
    if (clParam2.isValid())
        clCommand["PARAM2"] = clParam2;
    return clCommand;
}

class ClShooter
{
public:
    explicit ClShooter(const QString& strFolder) : clFolder(strFolder) {}

    void shoot(QWidget& clWindow, const QString& strName)
    {
        settle(250);
        const QString strPath = clFolder.filePath(strName + QStringLiteral(".png"));
        if (!clWindow.grab().save(strPath))
            std::fprintf(stderr, "could not write %s\n", qPrintable(strPath));
        else
            std::printf("%s\n", qPrintable(strPath));
    }

private:
    QDir clFolder;
};

void connectModel(ClMainWidget& clWindow, qint32 lModel, qint32 lSecureMode)
{
    PV_CMD clNotice = envelope(ClCommandKinds::cameraConnected(), lModel);
    clNotice["PARAM3"] = QVariant::fromValue<quint16>(0);
    clWindow.slotReceiveCommand(clNotice);
    clWindow.slotReceiveCommand(envelope(ClCommandCatalogue::replyKind("ClTovuCommandGetFwVersion"),
                                         QStringLiteral("01.03.025")));
    if (lSecureMode > 0)
        clWindow.slotReceiveCommand(envelope(ClCommandCatalogue::replyKind("ClTovuCommandGetSecureCurr"),
                                             lSecureMode));
}
}  // namespace

int main(int argc, char** argv)
{
    QApplication clApp(argc, argv);
    if (argc < 2) {
        std::fprintf(stderr, "usage: %s FOLDER [ja]\n", argv[0]);
        return 2;
    }
    QDir().mkpath(QString::fromLocal8Bit(argv[1]));
    ClShooter clShooter(QString::fromLocal8Bit(argv[1]));
    ClStartup::applyFonts();
    const bool bJapanese = argc > 2 && qstrcmp(argv[2], "ja") == 0;
    ClStartup::applyLanguage(&clApp, bJapanese ? QLocale::Japanese : QLocale::English);
    const QString strPrefix = bJapanese ? QStringLiteral("ja-") : QString();
    ClMessageBox::setTestResponder([](const QString& strText, QMessageBox::StandardButtons) {
        std::printf("message box: %s\n", qPrintable(strText));
        return QMessageBox::Ok;
    });

    ClVirtualUsbBus clBus;
    {
        ClMainWidget clWindow(&clBus);
        // Envelopes are played in by hand; the worker on the empty bus stays out of it.
        QObject::disconnect(&clWindow, nullptr, clWindow.usbManager(), nullptr);
        QObject::disconnect(clWindow.usbManager(), nullptr, &clWindow, nullptr);
        clWindow.show();
        clShooter.shoot(clWindow, strPrefix + QStringLiteral("01-no-camera"));
        clWindow.modeBar()->button(7)->click();
        clShooter.shoot(clWindow, strPrefix + QStringLiteral("02-no-camera-help"));

        connectModel(clWindow, 0, 0);
        clShooter.shoot(clWindow, strPrefix + QStringLiteral("03-tovu-camera-state"));
        const char* const apszPages[] = {nullptr, nullptr, "04-tovu-network", "05-tovu-basic", "06-tovu-stream"};
        for (qint32 lMode = 2; lMode <= 4; ++lMode) {
            clWindow.modeBar()->button(lMode)->click();
            clShooter.shoot(clWindow, strPrefix + QString::fromLatin1(apszPages[lMode]));
        }
        clWindow.slotReceiveCommand(envelope(ClCommandKinds::cameraRemoved()));
        clShooter.shoot(clWindow, strPrefix + QStringLiteral("07-tovu-removed"));

        connectModel(clWindow, 1, 1);
        clShooter.shoot(clWindow, strPrefix + QStringLiteral("08-tovu-s-security-mode"));
        clWindow.slotReceiveCommand(envelope(ClCommandCatalogue::replyKind("ClTovuCommandGetSecureCurr"), 2));
        clShooter.shoot(clWindow, strPrefix + QStringLiteral("09-tovu-s-maintenance-mode"));
        clWindow.modeBar()->button(5)->click();
        clShooter.shoot(clWindow, strPrefix + QStringLiteral("10-tovu-s-schedule"));
        Q_EMIT clWindow.sigSetLog(QStringLiteral("Time settings have been changed."));
        settle(300);
        clShooter.shoot(clWindow, strPrefix + QStringLiteral("11-tovu-s-log-message"));
    }
    return 0;
}
