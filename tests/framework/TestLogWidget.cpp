#include "TestLogWidget.h"

#include "ClLogWidget.h"

#include <QLabel>
#include <QPropertyAnimation>
#include <QPushButton>
#include <QSequentialAnimationGroup>
#include <QtTest>

void TestLogWidget::buttonsSignalAndHide()
{
    ClLogWidget clBar;
    clBar.show();
    auto* pclReload = clBar.findChild<QPushButton*>("buttonReload");
    auto* pclApply = clBar.findChild<QPushButton*>("buttonApply");
    QVERIFY(pclReload && pclApply);

    QSignalSpy clReload(&clBar, &ClLogWidget::sigReload);
    QSignalSpy clApply(&clBar, &ClLogWidget::sigApply);
    QTest::mouseClick(pclReload, Qt::LeftButton);
    QTest::mouseClick(pclApply, Qt::LeftButton);
    QCOMPARE(clReload.count(), 1);
    QCOMPARE(clApply.count(), 1);

    clBar.slotSetButtonEnable(false, true);
    QVERIFY(!pclReload->isVisible());
    QVERIFY(pclApply->isVisible());
    clBar.slotSetButtonEnable(true, false);
    QVERIFY(pclReload->isVisible());
    QVERIFY(!pclApply->isVisible());
}

void TestLogWidget::messageSlidesInStaysAndLeaves()
{
    ClLogWidget clBar;
    const int lHeight = clBar.height();
    QVERIFY(lHeight > 0);
    clBar.slotSetLog(QStringLiteral("The mode has been changed"));
    QLabel* pclLabel = clBar.messageLabel();
    QCOMPARE(pclLabel->text(), QStringLiteral("The mode has been changed"));
    QVERIFY(pclLabel->minimumWidth() >= pclLabel->sizeHint().width());

    QSequentialAnimationGroup* pclGroup = clBar.animation();
    QCOMPARE(pclGroup->state(), QAbstractAnimation::Running);
    QCOMPARE(pclGroup->duration(), 200 + 5000 + 200);
    pclGroup->pause();
    pclGroup->setCurrentTime(0);
    QCOMPARE(pclLabel->y(), -lHeight);
    pclGroup->setCurrentTime(200);
    QCOMPARE(pclLabel->pos(), QPoint(5, 0));
    pclGroup->setCurrentTime(5100);
    QCOMPARE(pclLabel->pos(), QPoint(5, 0));
    pclGroup->setCurrentTime(5400);
    QCOMPARE(pclLabel->y(), lHeight);
}

void TestLogWidget::newMessageRestartsSlide()
{
    ClLogWidget clBar;
    clBar.slotSetLog(QStringLiteral("first"));
    QSequentialAnimationGroup* pclGroup = clBar.animation();
    pclGroup->setCurrentTime(3000);
    clBar.slotSetLog(QStringLiteral("second, a longer message"));
    QCOMPARE(pclGroup->state(), QAbstractAnimation::Running);
    QVERIFY(pclGroup->currentTime() < 200);
    QCOMPARE(clBar.messageLabel()->text(), QStringLiteral("second, a longer message"));
}
