// Pictures of the main window in the states a person meets: without a camera, and with
// each model of the emulated camera plugged into the virtual bus, page by page. Run by
// scripts/screenshots.sh under Xvfb; every picture is written to the folder given as the
// first argument.
#include "app/ClButtonMode.h"
#include "app/ClMainWidget.h"
#include "data/ClDataFolder.h"
#include "pages/help/ClDialogConnection.h"
#include "app/ClStartup.h"
#include "app/ClWidgetNotConnect.h"
#include "app/ClWidgetSelectMode.h"
#include "framework/ClListWidgetBase.h"
#include "framework/ClPageListView.h"
#include "framework/ClMessageBox.h"
#include "framework/ClWidgetBase.h"
#include "protocol/ClTovuCommands.h"
#include "framework/ClPageListView.h"
#include "pages/stream/ClWidgetStreamBase.h"
#include "pages/stream/ClWidgetStreamSetting.h"
#include "session/ClCameraSession.h"
#include "update/ClTovuDownload.h"
#include "protocol/ClUnusableReason.h"
#include "usb/ClUsbApi.h"
#include "usb/ClUsbService.h"
#include "virtualcamera/ClVirtualCamera.h"
#include "virtualcamera/ClVirtualCameraWire.h"
#include "virtualcamera/ClVirtualUsbBus.h"

#include <QAbstractButton>
#include <QApplication>
#include <QCheckBox>
#include <QDir>
#include <QElapsedTimer>
#include <QLabel>
#include <QMouseEvent>
#include <QPixmap>
#include <QThread>

#include <cstdio>

namespace {
void settle(int lMs)
{
    QElapsedTimer clTimer;
    clTimer.start();
    while (clTimer.elapsed() < lMs) {
        QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
        QThread::msleep(5);
    }
}

// Waits until the condition holds (at most lMs), so each picture shows a settled state.
template <typename Condition> bool waitFor(Condition fnCondition, int lMs = 8000)
{
    QElapsedTimer clTimer;
    clTimer.start();
    while (!fnCondition()) {
        if (clTimer.elapsed() > lMs)
            return false;
        settle(20);
    }
    return true;
}

class ClShooter
{
public:
    explicit ClShooter(const QString& strFolder, const QString& strPrefix) : clFolder(strFolder), strPrefix(strPrefix)
    {}

    void shoot(QWidget& clWindow, const QString& strName)
    {
        settle(300);
        const QString strPath = clFolder.filePath(strPrefix + strName + QStringLiteral(".png"));
        if (!clWindow.grab().save(strPath))
            std::fprintf(stderr, "could not write %s\n", qPrintable(strPath));
        else
            std::printf("%s\n", qPrintable(strPath));
    }

private:
    QDir clFolder;
    QString strPrefix;
};

// Every row of the basic settings, each once its camera's values have arrived.
void shootBasicRows(ClShooter& clShooter, ClMainWidget& clWindow, const QString& strPrefix)
{
    clWindow.modeBar()->button(3)->click();
    auto* pclBasic = qobject_cast<ClListWidgetBase*>(clWindow.page(3));
    if (!pclBasic)
        return;
    const char* const apszRows[] = {"time", "gps", "wifi", "password", "other"};
    for (int lRow = 0; lRow < pclBasic->pageCount(); ++lRow) {
        pclBasic->slotPageChange(pclBasic->listView()->model()->index(lRow, 0));
        clShooter.shoot(clWindow, strPrefix + QStringLiteral("-") + QString::fromLatin1(apszRows[lRow]));
    }
    pclBasic->slotPageChange(pclBasic->listView()->model()->index(0, 0));
}
// Every tab and sub-page of the network settings and the ports row, each once its
// camera's values have arrived.
void shootNetworkPages(ClShooter& clShooter, ClMainWidget& clWindow, const QString& strPrefix)
{
    clWindow.modeBar()->button(2)->click();
    auto* pclNetwork = qobject_cast<ClListWidgetBase*>(clWindow.page(2));
    if (!pclNetwork)
        return;
    pclNetwork->slotPageChange(pclNetwork->listView()->model()->index(0, 0));
    auto clickNamed = [pclNetwork](const char* pszName) {
        for (QAbstractButton* pclButton : pclNetwork->findChildren<QAbstractButton*>(QLatin1String(pszName))) {
            if (pclButton->isVisible()) {
                pclButton->click();
                return true;
            }
        }
        return false;
    };
    waitFor([&] { return pclNetwork->findChildren<QWidget*>(QStringLiteral("rowAp")).size() > 3; });
    clShooter.shoot(clWindow, strPrefix + QStringLiteral("-1-search"));
    clickNamed("buttonApManual");
    clShooter.shoot(clWindow, strPrefix + QStringLiteral("-2-manual"));
    clickNamed("buttonBack");
    settle(300);
    // An encrypted network chosen from the list opens the key entry.
    for (QWidget* pclRow : pclNetwork->findChildren<QWidget*>(QStringLiteral("rowAp"))) {
        if (pclRow->isVisible() && pclRow->findChild<QLabel*>(QStringLiteral("labelEncryption"))->width() > 0) {
            QMouseEvent clRelease(QEvent::MouseButtonRelease, QPointF(100, 20), pclRow->mapToGlobal(QPointF(100, 20)),
                                  Qt::LeftButton, Qt::NoButton, Qt::NoModifier);
            QCoreApplication::sendEvent(pclRow, &clRelease);
            break;
        }
    }
    clShooter.shoot(clWindow, strPrefix + QStringLiteral("-3-key"));
    clickNamed("buttonBack");
    settle(300);
    clickNamed("buttonIpSetting");
    clShooter.shoot(clWindow, strPrefix + QStringLiteral("-4-ip"));
    clickNamed("tabAdhoc");
    clShooter.shoot(clWindow, strPrefix + QStringLiteral("-5-adhoc"));
    clickNamed("tabWifiOff");
    clShooter.shoot(clWindow, strPrefix + QStringLiteral("-6-wifi-off"));
    clickNamed("tabInfrastructure");
    pclNetwork->slotPageChange(pclNetwork->listView()->model()->index(1, 0));
    clShooter.shoot(clWindow, strPrefix + QStringLiteral("-7-ports"));
    pclNetwork->slotPageChange(pclNetwork->listView()->model()->index(0, 0));
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
    ClStartup::applyFonts();
    const bool bJapanese = argc > 2 && qstrcmp(argv[2], "ja") == 0;
    ClStartup::applyLanguage(&clApp, bJapanese ? QLocale::Japanese : QLocale::English);
    ClShooter clShooter(QString::fromLocal8Bit(argv[1]), bJapanese ? QStringLiteral("ja-") : QString());
    ClMessageBox::setTestResponder([](const QString& strText, QMessageBox::StandardButtons) {
        std::printf("message box: %s\n", qPrintable(strText));
        return QMessageBox::Ok;
    });

    ClVirtualUsbBus clBus;
    clBus.setImmediateTimeouts(true);
    {
        ClMainWidget clWindow(&clBus);
        clWindow.usbService()->setSettleDelay(200);
        // No update checks in the pictures: the one started with the window is abandoned and
        // none follows a camera.
        clWindow.downloader()->stop();
        clWindow.downloader()->setAutoUpdate(false);
        clWindow.session()->setPollingInterval(200);
        // The status pages follow the camera within the pictures' waits.
        for (qint32 lPage : {1, 6})
            static_cast<ClWidgetBase*>(clWindow.page(lPage))->setPollingInterval(300);
        clWindow.show();
        clShooter.shoot(clWindow, QStringLiteral("01-no-camera"));
        clWindow.modeBar()->button(7)->click();
        clShooter.shoot(clWindow, QStringLiteral("02-no-camera-help"));
        {
            // The connection dialog of the help page, shown on its own.
            ClDialogConnection clDialog(ClDataFolder::networkFile(), false, &clWindow);
            clDialog.show();
            clShooter.shoot(clDialog, QStringLiteral("02b-connection-settings"));
        }

        // Help was the last page chosen, so the connected camera opens on it.
        auto* pclTovu = new ClVirtualCamera(0);
        clBus.plug(pclTovu);
        if (!waitFor([&] { return clWindow.modeBar()->button(1)->isEnabled(); }))
            std::fprintf(stderr, "the Tovu was not announced\n");
        clShooter.shoot(clWindow, QStringLiteral("03-tovu-connected-on-help"));
        const char* const apszPages[] = {nullptr, nullptr, "04-tovu-network", "05-tovu-basic", "06-tovu-stream"};
        auto* pclStream = qobject_cast<ClWidgetStreamSetting*>(clWindow.page(4));
        auto fnStreamRow = [&](int lRow) {
            pclStream->slotPageChange(pclStream->listView()->model()->index(lRow, 0));
            // The preview shows the camera's picture in every shot of the section.
            waitFor([&] { return !pclStream->preview()->picture().isNull(); });
        };
        for (qint32 lMode = 2; lMode <= 4; ++lMode) {
            clWindow.modeBar()->button(lMode)->click();
            if (lMode == 4)
                fnStreamRow(0);
            clShooter.shoot(clWindow, QString::fromLatin1(apszPages[lMode]));
        }
        fnStreamRow(1);
        clShooter.shoot(clWindow, QStringLiteral("06b-tovu-stream-rec"));
        fnStreamRow(3);
        clShooter.shoot(clWindow, QStringLiteral("06c-tovu-stream-interval"));
        fnStreamRow(0);
        clWindow.modeBar()->button(1)->click();
        settle(1500);
        clShooter.shoot(clWindow, QStringLiteral("status-1-tovu-camera-state"));
        shootBasicRows(clShooter, clWindow, QStringLiteral("05-tovu-basic"));
        shootNetworkPages(clShooter, clWindow, QStringLiteral("network-tovu"));
        clBus.unplug(pclTovu);
        waitFor([&] { return !clWindow.session()->isConnected(); });
        clShooter.shoot(clWindow, QStringLiteral("07-tovu-removed"));

        auto* pclTovuS = new ClVirtualCamera(1, QString(), 1);
        pclTovuS->setRecording(true);
        // A schedule with something to see: the schedule on, short and long days, Friday
        // into Saturday night, the every-day row over the night.
        {
            using Wire = ClVirtualCameraWire;
            const struct
            {
                quint32 ulDay;
                bool bOn;
                QTime tmStart, tmEnd;
            } astWeek[] = {{1, true, QTime(10, 0), QTime(14, 0)},  {2, true, QTime(8, 30), QTime(17, 30)},
                           {3, true, QTime(9, 0), QTime(18, 0)},   {4, false, QTime(9, 0), QTime(18, 0)},
                           {5, true, QTime(7, 0), QTime(12, 0)},   {6, true, QTime(20, 0), QTime(3, 0)},
                           {7, false, QTime(11, 0), QTime(15, 0)}, {8, true, QTime(0, 0), QTime(5, 0)}};
            for (const auto& stDay : astWeek)
                pclTovuS->setNumbers(
                    ClTovuCommandGetScheSetting::usCommandCode,
                    {stDay.ulDay, stDay.bOn ? 2u : 1u, Wire::packHhmm(stDay.tmStart), Wire::packHhmm(stDay.tmEnd), 0},
                    stDay.ulDay);
            pclTovuS->setNumbers(ClTovuCommandGetScheOnOff::usCommandCode, {2});
        }
        clBus.plug(pclTovuS);
        if (!waitFor([&] { return clWindow.currentPage() == 6 && clWindow.modeBar()->button(6)->isEnabled(); }))
            std::fprintf(stderr, "the Tovu-S was not announced in security mode\n");
        clShooter.shoot(clWindow, QStringLiteral("08-tovu-s-security-mode"));
        pclTovuS->setSecureMode(2);
        if (!waitFor([&] { return clWindow.modeBar()->button(3)->isEnabled(); }))
            std::fprintf(stderr, "the Tovu-S did not reach maintenance mode\n");
        clShooter.shoot(clWindow, QStringLiteral("09-tovu-s-maintenance-mode"));
        clShooter.shoot(clWindow, QStringLiteral("status-2-tovu-s-mode-maintenance"));
        clWindow.modeBar()->button(1)->click();
        settle(1500);
        clShooter.shoot(clWindow, QStringLiteral("status-3-tovu-s-camera-state"));
        shootBasicRows(clShooter, clWindow, QStringLiteral("09-tovu-s-basic"));
        shootNetworkPages(clShooter, clWindow, QStringLiteral("network-tovu-s"));
        clWindow.modeBar()->button(5)->click();
        clShooter.shoot(clWindow, QStringLiteral("10-tovu-s-schedule"));
        // The mouse on Friday's bar: its period is shown, the end on Saturday's row.
        if (QWidget* pclFriday = clWindow.page(5)->findChild<QWidget*>(QStringLiteral("rowDay5"))) {
            QEvent clEnter(QEvent::Enter);
            QCoreApplication::sendEvent(pclFriday->findChild<QWidget*>(QStringLiteral("barPrimary")), &clEnter);
            clShooter.shoot(clWindow, QStringLiteral("10b-tovu-s-schedule-mouse-on-friday"));
            QEvent clLeave(QEvent::Leave);
            QCoreApplication::sendEvent(pclFriday->findChild<QWidget*>(QStringLiteral("barPrimary")), &clLeave);
        }
        clWindow.modeBar()->button(4)->click();
        const char* const apszStream[] = {"12-tovu-s-stream-view", "13-tovu-s-stream-rec", "14-tovu-s-stream-live"};
        for (int lRow = 0; lRow < 3; ++lRow) {
            fnStreamRow(lRow);
            clShooter.shoot(clWindow, QString::fromLatin1(apszStream[lRow]));
        }
        Q_EMIT clWindow.sigSetLog(QStringLiteral("Time settings have been changed."));
        clShooter.shoot(clWindow, QStringLiteral("11-tovu-s-log-message"));
    }

    // A Tovu on the bus that cannot be used: first its node refused (as without the udev
    // rule; the rule is looked for nowhere, so the page gives the full advice), then its
    // interface held by another program.
    ClVirtualUsbBus clUnusableBus;
    clUnusableBus.setImmediateTimeouts(true);
    {
        ClWidgetNotConnect::setRuleFolders({});
        auto* pclTovu = new ClVirtualCamera(0);
        pclTovu->setOpenFails(true);
        clUnusableBus.plug(pclTovu);
        ClMainWidget clWindow(&clUnusableBus);
        clWindow.downloader()->stop();
        clWindow.downloader()->setAutoUpdate(false);
        clWindow.show();
        auto* pclDiagnosis = clWindow.findChild<QLabel*>(QStringLiteral("labelNotConnectedDiagnosis"));
        if (!waitFor([&] { return pclDiagnosis->isVisible(); }))
            std::fprintf(stderr, "the refused Tovu was not explained\n");
        clShooter.shoot(clWindow, QStringLiteral("12-not-connected-refused"));
        const QString strRefused = pclDiagnosis->text();
        pclTovu->setOpenFails(false);
        pclTovu->setClaimError(ClUsbApi::lErrorBusy);
        if (!waitFor([&] { return pclDiagnosis->text() != strRefused; }))
            std::fprintf(stderr, "the busy Tovu was not explained\n");
        clShooter.shoot(clWindow, QStringLiteral("13-not-connected-busy"));
        // No process holds the virtual bus's node; this is how the page names one it found.
        if (auto* pclPage = qobject_cast<ClWidgetNotConnect*>(clWindow.page(0))) {
            pclPage->showDiagnosis(ClUnusableReason::Busy, QStringLiteral("/dev/bus/usb/001/007"),
                                   {QStringLiteral("camviewer (4711)")});
            clShooter.shoot(clWindow, QStringLiteral("14-not-connected-busy-named"));
        }
    }
    return 0;
}
