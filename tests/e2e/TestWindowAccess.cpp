// The window as a screen-reader user and a keyboard-only user meet it, on both models:
// every control on every page and sub-page has a name of its own, and every page can be
// reached and a setting applied without the mouse.
#include "WindowRig.h"
#include "app/ClStartup.h"

#include "pages/network/ClWidgetInfrastructure.h"
#include "pages/network/ClWidgetNetwork.h"

#include <QAccessible>
#include <QSpinBox>
#include <QStackedLayout>

namespace {
// What a user acts on. The tool's own painted widgets (bars, rows, gauges) count too:
// one exposed as a plain filler is the fault looked for.
bool isInteractive(QAccessibleInterface* pclNode)
{
    switch (pclNode->role()) {
    case QAccessible::PushButton:
    case QAccessible::CheckBox:
    case QAccessible::RadioButton:
    case QAccessible::EditableText:
    case QAccessible::SpinBox:
    case QAccessible::ComboBox:
    case QAccessible::Slider:
    case QAccessible::ListItem:
    case QAccessible::PageTab:
    case QAccessible::ButtonMenu:
    case QAccessible::ProgressBar:
    case QAccessible::Chart:
        return true;
    case QAccessible::Client: {
        auto* pclWidget = qobject_cast<QWidget*>(pclNode->object());
        return pclWidget != nullptr && QByteArray(pclWidget->metaObject()->className()).startsWith("Cl")
            && ((pclWidget->focusPolicy() & Qt::TabFocus) != 0 || pclWidget->testAttribute(Qt::WA_Hover)
                || pclNode->childCount() == 0);
    }
    default:
        return false;
    }
}

QString describe(QAccessibleInterface* pclNode)
{
    const QObject* pclObject = pclNode->object();
    return QStringLiteral("%1 %2 \"%3\"")
        .arg(pclObject != nullptr ? QString::fromLatin1(pclObject->metaObject()->className()) : QStringLiteral("?"),
             pclObject != nullptr ? pclObject->objectName() : QString(), pclNode->text(QAccessible::Name));
}

// Every shown element that cannot be told apart: no name, a name a sibling has too, or
// a painted widget exposed as a filler.
void collectFaults(QAccessibleInterface* pclNode, QHash<const QObject*, QString>& hashFaults)
{
    QHash<QString, int> hashNames;
    QList<QAccessibleInterface*> lstShown;
    for (int lChild = 0; lChild < pclNode->childCount(); ++lChild) {
        QAccessibleInterface* pclChild = pclNode->child(lChild);
        if (pclChild == nullptr || pclChild->state().invisible)
            continue;
        lstShown.append(pclChild);
        if (isInteractive(pclChild))
            ++hashNames[pclChild->text(QAccessible::Name).trimmed()];
    }
    for (QAccessibleInterface* pclChild : std::as_const(lstShown)) {
        if (isInteractive(pclChild)) {
            const QString strName = pclChild->text(QAccessible::Name).trimmed();
            if (strName.isEmpty())
                hashFaults.insert(pclChild->object(), QStringLiteral("unnamed: ") + describe(pclChild));
            else if (hashNames.value(strName) > 1)
                hashFaults.insert(pclChild->object(), QStringLiteral("shared: ") + describe(pclChild));
            else if (pclChild->role() == QAccessible::Client)
                hashFaults.insert(pclChild->object(), QStringLiteral("filler: ") + describe(pclChild));
        }
        collectFaults(pclChild, hashFaults);
    }
}

bool anyShown(const QList<QWidget*>& lstWidgets)
{
    return std::any_of(lstWidgets.begin(), lstWidgets.end(),
                       [](const QWidget* pclWidget) { return pclWidget->isVisible(); });
}

// Every state of every stack inside the page, one stack at a time.
void walkStacks(QWidget* pclPage, QAccessibleInterface* pclWindow, QHash<const QObject*, QString>& hashFaults)
{
    collectFaults(pclWindow, hashFaults);
    for (QStackedLayout* pclStack : pclPage->findChildren<QStackedLayout*>()) {
        const int lWas = pclStack->currentIndex();
        for (int lIndex = 0; lIndex < pclStack->count(); ++lIndex) {
            pclStack->setCurrentIndex(lIndex);
            collectFaults(pclWindow, hashFaults);
        }
        pclStack->setCurrentIndex(lWas);
    }
}
}  // namespace

class TestWindowAccess : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<WindowRig> upRig;
    ClVirtualCamera* pclCamera = nullptr;  // the bus's

    // What a screen reader says of the element named so (inside pszWithin).
    QString spoken(const char* pszObject, const char* pszWithin = nullptr) const
    {
        const QWidget* pclWithin = pszWithin != nullptr ? upRig->find<QWidget>(pszWithin) : &upRig->window();
        auto* pclFound = pclWithin->findChild<QWidget*>(QLatin1String(pszObject));
        if (pclFound == nullptr)
            return QStringLiteral("(none)");
        return QAccessible::queryAccessibleInterface(pclFound)->text(QAccessible::Name);
    }

    void plug(int lModel)
    {
        upRig = std::make_unique<WindowRig>(50);
        upRig->window().show();
        pclCamera = new ClVirtualCamera(lModel);
        pclCamera->setCameraTime(QDateTime(QDate(2020, 5, 5), QTime(10, 0, 0)));
        pclCamera->setBattery(62, false);
        pclCamera->setSdCard(16000000000ull, 1800000000ull, 3);
        // Rows to name on the access-point list.
        pclCamera->setAccessPoints({{"HomeNetwork", "\x02\x00\x00\x00\x00\x01", 6, 4, 1, 50, "correct-horse"},
                                    {"Beta", "\x02\x00\x00\x00\x00\x02", 11, 1, 1, 70, "12345"}});
        upRig->bus().plug(pclCamera);
        QTRY_VERIFY_WITH_TIMEOUT(upRig->window().modeBar()->button(3)->isEnabled(), 5000);
    }

    QWidget* focused() const { return QApplication::focusWidget(); }
    QWidget* shown(const char* pszName) const
    {
        for (QWidget* pclWidget : upRig->window().findChildren<QWidget*>(QLatin1String(pszName))) {
            if (pclWidget->isVisible())
                return pclWidget;
        }
        return nullptr;
    }

    // Tab until the widget has the focus, as a user goes round the window.
    bool tabTo(QWidget* pclTarget)
    {
        for (int lPress = 0; lPress < 80 && focused() != pclTarget; ++lPress)
            QTest::keyClick(focused() != nullptr ? focused() : &upRig->window(), Qt::Key_Tab);
        return focused() == pclTarget;
    }
    void press(Qt::Key eKey, Qt::KeyboardModifiers eModifiers = Qt::NoModifier)
    {
        QTest::keyClick(focused() != nullptr ? focused() : &upRig->window(), eKey, eModifiers);
    }

    QList<qint32> modes(int lModel) const
    {
        return lModel == 1 ? QList<qint32> {1, 2, 3, 4, 5, 6, 7} : QList<qint32> {1, 2, 3, 4, 7};
    }

private Q_SLOTS:
    void initTestCase() { ClStartup::applyLanguage(qApp, QLocale::English); }
    void cleanup() { upRig.reset(); }

    void keyboardOnly_data()
    {
        QTest::addColumn<int>("lModel");
        QTest::newRow("Tovu") << 0;
        QTest::newRow("Tovu-S") << 1;
    }
    void keyboardOnly()
    {
        QFETCH(int, lModel);
        int lMouseEvents = 0;
        // Removed from the application when it goes, however the test ends.
        struct MouseCount : QObject
        {
            int* plCount;
            explicit MouseCount(int* plTo) : plCount(plTo) {}
            bool eventFilter(QObject*, QEvent* pclEvent) override
            {
                const QEvent::Type eType = pclEvent->type();
                if (eType == QEvent::MouseButtonPress || eType == QEvent::MouseButtonRelease
                    || eType == QEvent::MouseButtonDblClick || eType == QEvent::MouseMove)
                    ++*plCount;
                return false;
            }
        } clCount(&lMouseEvents);
        qApp->installEventFilter(&clCount);
        plug(lModel);
        upRig->window().activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&upRig->window()));

        // Every page by its shortcut, every sub-page from its list with the arrows.
        for (qint32 lMode : modes(lModel)) {
            press(Qt::Key(Qt::Key_0 + lMode), Qt::ControlModifier);
            QTRY_COMPARE_WITH_TIMEOUT(upRig->window().currentPage(), lMode, 2000);
            auto* pclSection = qobject_cast<ClListWidgetBase*>(upRig->window().page(lMode));
            if (pclSection == nullptr)
                continue;
            QVERIFY2(tabTo(pclSection->listView()), qPrintable(QString::number(lMode)));
            for (int lRow = 1; lRow < pclSection->pageCount(); ++lRow) {
                press(Qt::Key_Down);
                QCOMPARE(pclSection->currentRow(), lRow);
            }
            press(Qt::Key_Home);
            QCOMPARE(pclSection->currentRow(), 0);
        }
        // The mode bar itself: Tab reaches the page shown, the arrows the pages beside it.
        QVERIFY(tabTo(upRig->window().modeBar()->button(7)));
        const qint32 lLeftOfHelp = lModel == 1 ? 5 : 4;
        press(Qt::Key_Left);
        QCOMPARE(focused(), upRig->window().modeBar()->button(lLeftOfHelp));
        QTRY_COMPARE_WITH_TIMEOUT(upRig->window().currentPage(), lLeftOfHelp, 2000);

        // The network page's tabs, and the infrastructure pages behind the list's rows.
        press(Qt::Key_2, Qt::ControlModifier);
        QTRY_COMPARE_WITH_TIMEOUT(upRig->window().currentPage(), 2, 2000);
        auto* pclNetwork = upRig->find<ClWidgetNetwork>("pageNetworkMode");
        auto* pclInfra = upRig->find<ClWidgetInfrastructure>("pageInfrastructure");
        // Tab reaches the tab of the camera's mode; the arrows go to the others, each shown.
        const QList<QWidget*> lstTabs {upRig->find<QWidget>("tabInfrastructure"), upRig->find<QWidget>("tabAdhoc"),
                                       upRig->find<QWidget>("tabWifiOff")};
        QVERIFY(tabTo(lstTabs.at(pclNetwork->currentTab())));
        for (int lTab = pclNetwork->currentTab() - 1; lTab >= 0; --lTab) {
            press(Qt::Key_Left);
            QCOMPARE(pclNetwork->currentTab(), lTab);
        }
        for (const auto& [eKey, lTab] :
             {std::pair<Qt::Key, int> {Qt::Key_Right, 1}, {Qt::Key_Right, 2}, {Qt::Key_Left, 1}, {Qt::Key_Left, 0}}) {
            press(eKey);
            QCOMPARE(pclNetwork->currentTab(), lTab);
            QCOMPARE(focused(), lstTabs.at(lTab));
        }
        QTRY_VERIFY_WITH_TIMEOUT(upRig->find<QWidget>("rowAp") != nullptr, 5000);
        for (const auto& [pszWay, lPage] :
             {std::pair<const char*, int> {"buttonApManual", 1}, {"rowAp", 2}, {"buttonIpSetting", 3}}) {
            QVERIFY2(tabTo(shown(pszWay)), pszWay);
            press(Qt::Key_Space);
            QTRY_COMPARE_WITH_TIMEOUT(pclInfra->currentPage(), lPage, 2000);
            if (lPage != 3) {
                QVERIFY(tabTo(shown("buttonBack")));
                press(Qt::Key_Space);
                QTRY_COMPARE_WITH_TIMEOUT(pclInfra->currentPage(), 0, 2000);
            }
        }

        // The year one up on the time page, applied with Return from the field itself.
        press(Qt::Key_3, Qt::ControlModifier);
        QTRY_COMPARE_WITH_TIMEOUT(upRig->window().currentPage(), 3, 2000);
        auto* pclYear = upRig->find<QSpinBox>("spinYear");
        QTRY_COMPARE_WITH_TIMEOUT(pclYear->value(), 2020, 5000);
        QVERIFY(tabTo(pclYear));
        press(Qt::Key_Up);
        QCOMPARE(pclYear->value(), 2021);
        press(Qt::Key_Return);
        QTRY_COMPARE_WITH_TIMEOUT(upRig->log(), QStringLiteral("Time settings have been changed."), 5000);
        QCOMPARE(pclCamera->cameraTime().date().year(), 2021);
        qApp->removeEventFilter(&clCount);
        QCOMPARE(lMouseEvents, 0);
        QCOMPARE(upRig->lstBoxes, QStringList());
    }

    void everyControlNamed_data() { keyboardOnly_data(); }
    void everyControlNamed()
    {
        QFETCH(int, lModel);
        plug(lModel);
        QAccessibleInterface* pclWindow = QAccessible::queryAccessibleInterface(&upRig->window());
        QVERIFY(pclWindow != nullptr);
        QHash<const QObject*, QString> hashFaults;
        if (pclWindow->role() != QAccessible::Window)
            hashFaults.insert(pclWindow->object(), QStringLiteral("filler: ") + describe(pclWindow));
        for (qint32 lMode : modes(lModel)) {
            upRig->window().modeBar()->selectMode(lMode);
            QCOMPARE(upRig->window().currentPage(), lMode);
            QWidget* pclPage = upRig->window().page(lMode);
            if (lMode == 2)
                QTRY_VERIFY_WITH_TIMEOUT(pclPage->findChild<QWidget*>("rowAp") != nullptr, 5000);
            if (lMode == 5)
                QTRY_VERIFY_WITH_TIMEOUT(anyShown(pclPage->findChildren<QWidget*>("barPrimary")), 5000);
            if (auto* pclSection = qobject_cast<ClListWidgetBase*>(pclPage)) {
                for (int lRow = 0; lRow < pclSection->pageCount(); ++lRow) {
                    pclSection->slotPageChange(pclSection->listView()->model()->index(lRow, 0));
                    walkStacks(pclSection->currentPage(), pclWindow, hashFaults);
                }
            } else {
                walkStacks(pclPage, pclWindow, hashFaults);
            }
        }
        // A mode button's first action, as a screen reader offers it, opens its page.
        QAccessibleActionInterface* pclActions
            = QAccessible::queryAccessibleInterface(upRig->window().modeBar()->button(4))->actionInterface();
        QVERIFY(pclActions != nullptr);
        pclActions->doAction(pclActions->actionNames().value(0));
        QTRY_COMPARE_WITH_TIMEOUT(upRig->window().currentPage(), 4, 2000);

        // Gauges and bars say their values, rows what they stand for.
        upRig->window().modeBar()->selectMode(1);
        QTRY_COMPARE_WITH_TIMEOUT(spoken("barBattery"), QStringLiteral("Battery 62 %"), 5000);
        QTRY_COMPARE_WITH_TIMEOUT(spoken("gaugeSdCard"), QStringLiteral("SD card: 14.2 GB free of 16.0 GB"), 5000);
        QCOMPARE(spoken("rowApConnected"), QStringLiteral("HomeNetwork, AES, signal strong"));
        QCOMPARE(spoken("rowAp"), QStringLiteral("Beta, WEP, signal medium"));
        if (lModel == 1) {
            // Wednesday the camera's office hours, Thursday's continuation empty.
            QCOMPARE(spoken("barPrimary", "rowDay3"), QStringLiteral("Wednesday, 09:00 to 18:00"));
            QCOMPARE(spoken("barEve", "rowDay4"), QStringLiteral("Thursday, nothing continued from Wednesday"));
            auto* pclDay = upRig->find<QWidget>("rowDay3")->findChild<QWidget*>("checkDay");
            QAccessibleInterface* pclToggle = QAccessible::queryAccessibleInterface(pclDay);
            QCOMPARE(pclToggle->text(QAccessible::Name), QStringLiteral("Wednesday"));
            QVERIFY(pclToggle->state().checkable);
        }

        QStringList lstFaults = hashFaults.values();
        lstFaults.sort();
        for (const QString& strFault : std::as_const(lstFaults))
            qWarning("%s", qPrintable(strFault));
        QCOMPARE(lstFaults.size(), 0);
    }
};

QTEST_MAIN(TestWindowAccess)
#include "TestWindowAccess.moc"
