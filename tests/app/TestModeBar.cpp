// The mode bar, its buttons, the caption bar and the not-connected page.
#include "ClButtonMode.h"
#include "ClCaptionBar.h"
#include "ClRollOverToolBtn.h"
#include "ClStartup.h"
#include "ClWidgetNotConnect.h"
#include "ClWidgetSelectMode.h"

#include <QApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QTranslator>
#include <QtTest>

class TestModeBar : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void cleanup();
    void orderAndInitialState();
    void securityStateAfterUnlocked();
    void noCameraStateKeepsHelp();
    void selectModeZero();
    void selectModeChecksAndEmits();
    void clickEmitsMode();
    void secureModelShowsModeAndSchedule();
    void longTextShrinksUntilItFits();
    void textColours();
    void rollOverState();
    void captionBar();
    void englishTexts();

private:
    QList<QTranslator*> lstTranslators;
};

namespace {
QList<qint32> enabledModes(const ClWidgetSelectMode& clBar)
{
    QList<qint32> lstModes;
    for (qint32 lMode = 1; lMode <= 7; ++lMode) {
        if (clBar.button(lMode)->isEnabled())
            lstModes.append(lMode);
    }
    return lstModes;
}
}  // namespace

void TestModeBar::cleanup()
{
    for (QTranslator* pclTranslator : lstTranslators) {
        QCoreApplication::removeTranslator(pclTranslator);
        delete pclTranslator;
    }
    lstTranslators.clear();
}

void TestModeBar::orderAndInitialState()
{
    ClWidgetSelectMode clBar;
    auto* pclLayout = qobject_cast<QHBoxLayout*>(clBar.layout());
    QCOMPARE(pclLayout->contentsMargins(), QMargins(4, 0, 4, 0));
    QCOMPARE(pclLayout->spacing(), 0);
    QStringList lstOrder;
    for (int lIndex = 0; lIndex < pclLayout->count(); ++lIndex) {
        QWidget* pclWidget = pclLayout->itemAt(lIndex)->widget();
        lstOrder.append(qobject_cast<ClButtonMode*>(pclWidget) ? pclWidget->objectName() : QStringLiteral("|"));
    }
    QCOMPARE(lstOrder, (QStringList{"buttonMode", "|", "buttonCameraState", "|", "buttonNetwork", "|",
                                    "buttonBasic", "|", "buttonStream", "|", "buttonSchedule", "|",
                                    "buttonHelp"}));
    // No camera: only Help usable; the Tovu-S pages hidden with the separators beside them.
    QCOMPARE(enabledModes(clBar), QList<qint32>{7});
    clBar.show();
    QVERIFY(!clBar.button(6)->isVisible());
    QVERIFY(!clBar.button(5)->isVisible());
    QVERIFY(!pclLayout->itemAt(1)->widget()->isVisible());
    QVERIFY(!pclLayout->itemAt(9)->widget()->isVisible());
    QVERIFY(pclLayout->itemAt(11)->widget()->isVisible());
    QCOMPARE(pclLayout->itemAt(1)->widget()->maximumWidth(), 2);
    QCOMPARE(clBar.button(1)->sizeHint(), QSize(97, 87));
    QCOMPARE(clBar.button(1)->focusPolicy(), Qt::NoFocus);
}

void TestModeBar::securityStateAfterUnlocked()
{
    ClWidgetSelectMode clBar;
    clBar.setButtonsState(0);
    QCOMPARE(enabledModes(clBar), (QList<qint32>{1, 2, 3, 4, 5, 6, 7}));
    clBar.setButtonsState(1);
    QCOMPARE(enabledModes(clBar), (QList<qint32>{6, 7}));
    clBar.setButtonsState(0);
    QCOMPARE(enabledModes(clBar), (QList<qint32>{1, 2, 3, 4, 5, 6, 7}));
}

void TestModeBar::noCameraStateKeepsHelp()
{
    ClWidgetSelectMode clBar;
    clBar.setButtonsState(0);
    clBar.setButtonsState(2);
    QCOMPARE(enabledModes(clBar), QList<qint32>{7});
    // Security mode reached from "no camera" leaves Mode locked: it is not touched.
    clBar.setButtonsState(1);
    QCOMPARE(enabledModes(clBar), QList<qint32>{7});
}

void TestModeBar::selectModeZero()
{
    ClWidgetSelectMode clBar;
    QSignalSpy clSpy(&clBar, &ClWidgetSelectMode::sigChangeMode);
    clBar.button(7)->setChecked(true);
    clBar.selectMode(0);
    QCOMPARE(clBar.checkedMode(), 1);
    QCOMPARE(clSpy.takeFirst().at(0).toInt(), 0);

    clBar.button(3)->setChecked(true);
    clBar.selectMode(0);
    QCOMPARE(clBar.checkedMode(), 3);
    QCOMPARE(clSpy.takeFirst().at(0).toInt(), 0);
}

void TestModeBar::selectModeChecksAndEmits()
{
    ClWidgetSelectMode clBar;
    QSignalSpy clSpy(&clBar, &ClWidgetSelectMode::sigChangeMode);
    for (qint32 lMode = 1; lMode <= 7; ++lMode) {
        clBar.selectMode(lMode);
        QCOMPARE(clBar.checkedMode(), lMode);
        QCOMPARE(clSpy.takeFirst().at(0).toInt(), lMode);
    }
    clBar.selectMode(8);
    clBar.selectMode(-1);
    QCOMPARE(clSpy.count(), 0);
    QCOMPARE(clBar.checkedMode(), 7);
}

void TestModeBar::clickEmitsMode()
{
    ClWidgetSelectMode clBar;
    clBar.setCameraInfo(1, QString());
    clBar.setButtonsState(0);
    clBar.resize(600, 88);
    clBar.show();
    QVERIFY(QTest::qWaitForWindowExposed(&clBar));
    QSignalSpy clSpy(&clBar, &ClWidgetSelectMode::sigChangeMode);
    for (qint32 lMode : {6, 1, 2, 3, 4, 5, 7}) {
        QTest::mouseClick(clBar.button(lMode), Qt::LeftButton);
        QCOMPARE(clSpy.takeFirst().at(0).toInt(), lMode);
        QCOMPARE(clBar.checkedMode(), lMode);
    }
    // A locked button says nothing.
    clBar.setButtonsState(2);
    QTest::mouseClick(clBar.button(2), Qt::LeftButton);
    QCOMPARE(clSpy.count(), 0);
}

void TestModeBar::secureModelShowsModeAndSchedule()
{
    ClWidgetSelectMode clBar;
    clBar.show();
    clBar.setCameraInfo(1, QStringLiteral("01.03.025"));
    QVERIFY(clBar.button(6)->isVisible());
    QVERIFY(clBar.button(5)->isVisible());
    clBar.setCameraInfo(0, QStringLiteral("01.03.025"));
    QVERIFY(!clBar.button(6)->isVisible());
    QVERIFY(!clBar.button(5)->isVisible());
}

void TestModeBar::longTextShrinksUntilItFits()
{
    ClButtonMode clShort(QStringLiteral("Help"), QString());
    clShort.resize(83, 87);
    const int lBaseSize = QFontInfo(clShort.font()).pixelSize();
    QCOMPARE(clShort.textFont().pixelSize(), lBaseSize);

    ClButtonMode clLong(QStringLiteral("A rather long mode name that wraps into many lines"), QString());
    clLong.resize(83, 87);
    const QFont clFitted = clLong.textFont();
    QVERIFY(clFitted.pixelSize() < lBaseSize);
    const QRect clNeeded = QFontMetrics(clFitted).boundingRect(clLong.textRect(), Qt::AlignCenter | Qt::TextWordWrap,
                                                              clLong.text());
    QVERIFY2(clNeeded.top() >= 55, qPrintable(QString::number(clNeeded.top())));
    QVERIFY(clNeeded.bottom() <= 81);
    // One size larger would not have fitted.
    QFont clLarger = clFitted;
    clLarger.setPixelSize(clFitted.pixelSize() + 1);
    QVERIFY(QFontMetrics(clLarger).boundingRect(clLong.textRect(), Qt::AlignCenter | Qt::TextWordWrap,
                                                clLong.text()).top() < 55);
    QCOMPARE(clLong.textRect(), QRect(QPoint(5, 55), QPoint(77, 81)));
}

void TestModeBar::textColours()
{
    ClButtonMode clButton(QStringLiteral("Basic setting"), QString());
    QCOMPARE(clButton.textColour(), QColor(Qt::black));
    clButton.setChecked(true);
    QCOMPARE(clButton.textColour(), QColor(Qt::white));
    clButton.setEnabled(false);
    QCOMPARE(clButton.textColour(), QColor(0, 0, 0, 127));
}

void TestModeBar::rollOverState()
{
    ClRollOverToolBtn clButton;
    clButton.setCheckable(true);
    QCOMPARE(clButton.opacity(), 1.0);
    QVERIFY(clButton.testAttribute(Qt::WA_Hover));
    QCOMPARE(clButton.iconMode(), QIcon::Normal);
    clButton.setChecked(true);
    QCOMPARE(clButton.iconMode(), QIcon::Selected);
    clButton.setEnabled(false);
    QCOMPARE(clButton.iconMode(), QIcon::Disabled);
}

void TestModeBar::captionBar()
{
    ClCaptionBar clCaption(QStringLiteral("Tovu Setup Tool"));
    auto* pclTitle = clCaption.findChild<QLabel*>("labelTitle");
    auto* pclClose = clCaption.findChild<ClRollOverToolBtn*>("buttonClose");
    QCOMPARE(pclTitle->text(), QStringLiteral("Tovu Setup Tool"));
    QCOMPARE(pclTitle->pos(), QPoint((600 - pclTitle->width()) / 2, 10));
    QCOMPARE(pclClose->geometry(), QRect(526, 0, 74, 20));
    QCOMPARE(pclClose->focusPolicy(), Qt::NoFocus);
    QSignalSpy clSpy(&clCaption, &ClCaptionBar::sigClose);
    clCaption.show();
    QTest::mouseClick(pclClose, Qt::LeftButton);
    QCOMPARE(clSpy.count(), 1);
}

void TestModeBar::englishTexts()
{
    // A French system gets the English catalogue, whose wording differs from the source.
    lstTranslators = ClStartup::applyLanguage(qApp, QLocale::French);
    ClWidgetSelectMode clBar;
    QCOMPARE(clBar.button(4)->text(), QStringLiteral("Live\nstreaming"));
    QCOMPARE(clBar.button(1)->text(), QStringLiteral("Camera state"));
    ClWidgetNotConnect clPage;
    QCOMPARE(clPage.findChild<QLabel*>("labelNotConnected")->text(),
             QStringLiteral("Connect the Tovu with USB cable and turn on."));
}

QTEST_MAIN(TestModeBar)
#include "TestModeBar.moc"
