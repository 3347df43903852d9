// The main window showing what the camera session reports: envelopes are injected into
// the session where the USB worker would answer, and the pages, the mode bar, the log bar
// and the boxes are watched. The routing rules themselves are the session's tests. Also
// the mode bar's own rules.
#include "app/ClButtonMode.h"
#include "app/ClMainWidget.h"
#include "app/ClWidgetSelectMode.h"
#include "framework/ClListWidgetBase.h"
#include "framework/ClLogWidget.h"
#include "framework/ClMessageBox.h"
#include "framework/ClPageListView.h"
#include "framework/ClWidgetBase.h"
#include "protocol/ClCommandKinds.h"
#include "protocol/TypedKinds.h"
#include "session/ClCameraSession.h"
#include "update/ClTovuDownload.h"
#include "usb/ClUsbService.h"
#include "virtualcamera/ClVirtualUsbBus.h"

#include <QApplication>
#include <QCheckBox>
#include <QLabel>
#include <QPushButton>
#include <QtTest>

#include "tests/support/ReplyTestSupport.h"

namespace {
using namespace ReplyTestSupport;
// Kinds are looked up when used, not during static initialisation.

void* const pCamera = reinterpret_cast<void*>(quintptr(0x1000));
const QList<qint32> lstAll {1, 2, 3, 4, 5, 6, 7};
const QList<qint32> lstSecurity {6, 7};
const QList<qint32> lstHelpOnly {7};

QList<qint32> enabledModes(const ClWidgetSelectMode* pclBar)
{
    QList<qint32> lstModes;
    for (qint32 lMode = 1; lMode <= 7; ++lMode) {
        if (pclBar->button(lMode)->isEnabled())
            lstModes.append(lMode);
    }
    return lstModes;
}

}  // namespace

class TestMainWidget : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<ClVirtualUsbBus> pclBus;
    std::unique_ptr<ClMainWidget> pclWindow;
    QStringList lstBoxes;

    void connectCamera(void* pDevice, qint32 lModel, qint32 lSecure = -1)
    {
        receive(connectNotice(pDevice, lModel));
        receive(versionAnswer(pDevice));
        if (lSecure >= 0)
            receive(secureAnswer(pDevice, lSecure));
    }

    void receive(const PV_CMD& clCommand) { pclWindow->session()->slotReceiveCommand(clCommand); }

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
        QObject::disconnect(pclWindow->session(), nullptr, pclWindow->usbService(), nullptr);
        QObject::disconnect(pclWindow->usbService(), nullptr, pclWindow->session(), nullptr);
        QObject::disconnect(pclWindow->usbService(), nullptr, pclWindow->downloader(), nullptr);
        // No update checks: the one started with the window is abandoned and none follows a camera.
        pclWindow->downloader()->stop();
        pclWindow->page(7)->findChild<QCheckBox*>("checkAutoUpdate")->setChecked(false);
        pclWindow->show();
    }

    void cleanup()
    {
        pclWindow.reset();
        ClMessageBox::setTestResponder({});
    }

    void windowTakesItsPicturesShape()
    {
        // Only the picture's visible pixels belong to the window: its rounded corners do not.
        QCOMPARE(pclWindow->mask(), QRegion(QPixmap(QStringLiteral(":/img/window")).mask()));
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
        QCOMPARE(enabled(), lstHelpOnly);
        QVERIFY(!pclWindow->logBar()->findChild<QPushButton*>("buttonReload")->isVisible());

        // Identifying: still locked, still the not-connected page.
        receive(connectNotice(pCamera, lModel));
        QCOMPARE(pclWindow->currentPage(), 0);
        QCOMPARE(enabled(), lstHelpOnly);

        receive(versionAnswer(pCamera));
        QCOMPARE(pclWindow->currentPage(), 1);
        QCOMPARE(enabled(), lstAll);
        // Schedule and Mode are the Tovu-S's alone.
        QCOMPARE(pclWindow->modeBar()->button(5)->isVisible(), lModel == 1);
        QCOMPARE(pclWindow->modeBar()->button(6)->isVisible(), lModel == 1);

        // Settings pages show Reload and Apply. The page left asks the camera nothing more.
        auto* pclState = qobject_cast<ClWidgetBase*>(pclWindow->page(1));
        QVERIFY(pclState->isPolling());
        click(3);
        QCOMPARE(pclWindow->currentPage(), 3);
        QVERIFY(!pclState->isPolling());
        QVERIFY(pclWindow->logBar()->findChild<QPushButton*>("buttonApply")->isVisible());
    }

    void pagesMadeWhenFirstShownStayInTheWindow()
    {
        // A page or sub-page that showed itself while it had no parent would be a window of
        // its own for a moment, taking the activation and the keyboard focus with it.
        pclWindow->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(pclWindow.get()));
        struct WindowsShown : QObject
        {
            QWidget* pclMain;
            QStringList lstOthers;
            explicit WindowsShown(QWidget* pclOwn) : pclMain(pclOwn) {}
            bool eventFilter(QObject* pclObject, QEvent* pclEvent) override
            {
                auto* pclWidget = qobject_cast<QWidget*>(pclObject);
                if (pclEvent->type() == QEvent::Show && pclWidget != nullptr && pclWidget->isWindow()
                    && pclWidget != pclMain)
                    lstOthers.append(QString::fromLatin1(pclWidget->metaObject()->className()));
                return false;
            }
        } clShown(pclWindow.get());
        qApp->installEventFilter(&clShown);
        connectCamera(pCamera, 1);
        for (qint32 lMode : lstAll) {
            click(lMode);
            QCOMPARE(pclWindow->currentPage(), lMode);
            if (auto* pclSection = qobject_cast<ClListWidgetBase*>(pclWindow->page(lMode))) {
                ClPageListView* pclList = pclSection->listView();
                for (int lRow = 1; lRow < pclSection->pageCount(); ++lRow) {
                    const QRect clRow = pclList->visualRect(pclList->model()->index(lRow, 0));
                    QTest::mouseClick(pclList->viewport(), Qt::LeftButton, {}, clRow.center());
                    QCOMPARE(pclSection->currentRow(), lRow);
                }
            }
        }
        qApp->removeEventFilter(&clShown);
        QCOMPARE(clShown.lstOthers, QStringList());
        QCOMPARE(QApplication::activeWindow(), pclWindow.get());
    }

    void disconnect()
    {
        auto* pclReload = pclWindow->logBar()->findChild<QPushButton*>("buttonReload");
        auto* pclApply = pclWindow->logBar()->findChild<QPushButton*>("buttonApply");
        connectCamera(pCamera, 1, 2);
        click(3);
        // Removed while Help is shown: the not-connected page, Camera state checked for later.
        // An Apply the camera had not answered yet is over.
        auto* pclTime = qobject_cast<ClWidgetBase*>(qobject_cast<ClListWidgetBase*>(pclWindow->page(3))->page(0));
        pclTime->sendCommand(requestKind<ClTovuCommandSetTime>(), PV_CMD(), true, 0);
        QCOMPARE(pclTime->pendingCommands().size(), 1);
        click(7);
        receive(removalNotice(pCamera));
        QVERIFY(pclTime->pendingCommands().isEmpty());
        QCOMPARE(pclWindow->currentPage(), 0);
        QCOMPARE(pclWindow->modeBar()->checkedMode(), 1);
        QCOMPARE(enabled(), lstHelpOnly);
        QVERIFY(!pclReload->isVisible());
        QVERIFY(!pclApply->isVisible());
        // Without a camera Help opens, with nothing to reload or apply; any other page asked
        // for shows the not-connected page.
        click(7);
        QCOMPARE(pclWindow->currentPage(), 7);
        QVERIFY(!pclReload->isVisible());
        QVERIFY(!pclApply->isVisible());
        pclWindow->slotChangeMode(3);
        QCOMPARE(pclWindow->currentPage(), 0);

        // The next Tovu-S in security mode is locked. It opens on Help, the page last
        // selected while connected.
        connectCamera(pCamera, 1, 1);
        QCOMPARE(enabled(), lstSecurity);
        QCOMPARE(pclWindow->currentPage(), 7);
        QCOMPARE(pclWindow->modeBar()->checkedMode(), 7);
    }

    // bShaped false: a picture without cut-away corners, so (0, 0) belongs to the window.
    void drag_data()
    {
        QTest::addColumn<QPoint>("ptPress");
        QTest::addColumn<bool>("bShaped");
        QTest::addColumn<bool>("bMoves");
        QTest::newRow("on the caption") << QPoint(300, 20) << true << true;
        QTest::newRow("at (0, 0) of a square window") << QPoint(0, 0) << false << true;
        QTest::newRow("in a cut-away corner") << QPoint(0, 0) << true << false;
        QTest::newRow("in the other corner") << QPoint(598, 1) << true << false;
    }

    void drag()
    {
        QFETCH(QPoint, ptPress);
        QFETCH(bool, bShaped);
        QFETCH(bool, bMoves);
        if (!bShaped)
            pclWindow->clearMask();
        // Sent to the window itself, as QTest does; QTest would take (0, 0) for "the centre".
        auto mouse = [this](QEvent::Type eType, const QPoint& ptAt) {
            const Qt::MouseButton eButton = eType == QEvent::MouseMove ? Qt::NoButton : Qt::LeftButton;
            QMouseEvent clEvent(eType, ptAt, pclWindow->mapToGlobal(ptAt), eButton,
                                eType == QEvent::MouseButtonRelease ? Qt::NoButton : Qt::LeftButton, Qt::NoModifier);
            QApplication::sendEvent(pclWindow.get(), &clEvent);
        };
        pclWindow->move(100, 100);
        const QPoint ptStart = pclWindow->pos();
        const QPoint ptMoved = ptStart + (bMoves ? QPoint(20, 30) : QPoint());
        mouse(QEvent::MouseButtonPress, ptPress);
        mouse(QEvent::MouseMove, ptPress + QPoint(20, 30));
        QTRY_COMPARE(pclWindow->pos(), ptMoved);
        // Released, the mouse moves on its own.
        mouse(QEvent::MouseButtonRelease, ptPress + QPoint(20, 30));
        mouse(QEvent::MouseMove, ptPress + QPoint(40, 50));
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
