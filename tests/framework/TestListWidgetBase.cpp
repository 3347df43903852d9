#include "TestListWidgetBase.h"

#include "ClListWidgetBase.h"
#include "ClPageHost.h"
#include "ClPageListView.h"
#include "TestPage.h"

#include <QImage>
#include <QLabel>
#include <QPointer>
#include <QStandardItemModel>
#include <QTemporaryDir>
#include <QtTest>

namespace {
QPoint rowCentre(ClListWidgetBase& clList, int lRow)
{
    return QPoint(20, lRow * ClPageListView::lRowHeight + ClPageListView::lRowHeight / 2);
}
}  // namespace

void TestListWidgetBase::firstPageBecomesCurrent()
{
    ClListWidgetBase clList;
    clList.addPage(new QLabel("b"), QString(), QStringLiteral("B"), 0);
    QCOMPARE(clList.currentRow(), 0);
    QCOMPARE(clList.listView()->currentIndex().row(), 0);
    // Inserted before the current one: the shown page stays the same.
    clList.addPage(new QLabel("a"), QString(), QStringLiteral("A"), 0);
    QCOMPARE(clList.pageCount(), 2);
    QCOMPARE(clList.listView()->model()->index(0, 0).data().toString(), QStringLiteral("A"));
    QCOMPARE(qobject_cast<QLabel*>(clList.currentPage())->text(), QStringLiteral("b"));
    QCOMPARE(clList.listView()->currentIndex().row(), 1);
    QCOMPARE(clList.page(1)->maximumWidth(), 460);
}

void TestListWidgetBase::iconsNormalAndSelected()
{
    QTemporaryDir clDir;
    QImage clRed(16, 16, QImage::Format_ARGB32);
    clRed.fill(Qt::red);
    QImage clBlue(16, 16, QImage::Format_ARGB32);
    clBlue.fill(Qt::blue);
    QVERIFY(clRed.save(clDir.filePath("time"), "PNG"));
    QVERIFY(clBlue.save(clDir.filePath("times"), "PNG"));
    QVERIFY(clRed.save(clDir.filePath("gps"), "PNG"));

    ClListWidgetBase clList;
    clList.addPage(new QWidget, clDir.filePath("time"), QStringLiteral("Time settings"), 0);
    clList.addPage(new QWidget, clDir.filePath("gps"), QStringLiteral("GPS settings"), 1);
    clList.addPage(new QWidget, clDir.filePath("missing"), QStringLiteral("Other"), 2);
    const QAbstractItemModel* pclModel = clList.listView()->model();
    const QIcon clTime = pclModel->index(0, 0).data(Qt::DecorationRole).value<QIcon>();
    QCOMPARE(clTime.pixmap(16, QIcon::Normal).toImage().pixelColor(8, 8), QColor(Qt::red));
    QCOMPARE(clTime.pixmap(16, QIcon::Selected).toImage().pixelColor(8, 8), QColor(Qt::blue));
    const QIcon clGps = pclModel->index(1, 0).data(Qt::DecorationRole).value<QIcon>();
    QVERIFY(clGps.availableSizes(QIcon::Selected).isEmpty());
    QVERIFY(!clGps.availableSizes(QIcon::Normal).isEmpty());
    QVERIFY(pclModel->index(2, 0).data(Qt::DecorationRole).value<QIcon>().isNull());
    QVERIFY(!(pclModel->flags(pclModel->index(0, 0)) & Qt::ItemIsEditable));
}

void TestListWidgetBase::pressingRowMovesAttachment()
{
    QStringList lstLog;
    ClPageHost clHost;
    ClListWidgetBase clList;
    auto* pclFirst = new TestPage(nullptr, &lstLog, QStringLiteral("first"));
    auto* pclSecond = new TestPage(nullptr, &lstLog, QStringLiteral("second"));
    clList.addPage(pclFirst, QString(), QStringLiteral("First"), 0);
    clList.addPage(pclSecond, QString(), QStringLiteral("Second"), 1);
    clList.resize(600, 400);
    clList.show();
    QVERIFY(QTest::qWaitForWindowExposed(&clList));

    clList.activate(&clHost);
    pclFirst->startPolling();
    lstLog.clear();
    QTest::mousePress(clList.listView()->viewport(), Qt::LeftButton, Qt::NoModifier, rowCentre(clList, 1));
    QCOMPARE(lstLog, (QStringList{"first:deactivate", "second:activate", "second:request"}));
    QVERIFY(!pclFirst->isPolling());
    QCOMPARE(clList.currentPage(), pclSecond);
    QCOMPARE(clList.listView()->currentIndex().row(), 1);

    // Answers now reach the second page only.
    Q_EMIT clHost.sigReceiveCommand(PV_CMD{{"CMD", QUuid::createUuid()}});
    QCOMPARE(pclFirst->lstReceived.size(), 0);
    QCOMPARE(pclSecond->lstReceived.size(), 1);

    lstLog.clear();
    clList.deactivate(&clHost);
    QCOMPARE(lstLog, QStringList{"second:deactivate"});
    Q_EMIT clHost.sigReceiveCommand(PV_CMD{{"CMD", QUuid::createUuid()}});
    QCOMPARE(pclSecond->lstReceived.size(), 1);
}

void TestListWidgetBase::detachedContainerOnlySwitches()
{
    ClPageHost clHost;
    ClListWidgetBase clList;
    auto* pclFirst = new TestPage;
    auto* pclSecond = new TestPage;
    clList.addPage(pclFirst, QString(), QStringLiteral("First"), 0);
    clList.addPage(pclSecond, QString(), QStringLiteral("Second"), 1);
    clList.activate(&clHost);
    clList.deactivate(&clHost);
    clList.slotPageChange(clList.listView()->model()->index(1, 0));
    QCOMPARE(clList.currentPage(), pclSecond);
    QCOMPARE(pclSecond->lRequests, 0);
    Q_EMIT clHost.sigReceiveCommand(PV_CMD{{"CMD", QUuid::createUuid()}});
    QCOMPARE(pclSecond->lstReceived.size(), 0);
}

void TestListWidgetBase::removingShownPageAttachesNext()
{
    ClPageHost clHost;
    ClListWidgetBase clList;
    QPointer<TestPage> pclFirst = new TestPage;
    auto* pclSecond = new TestPage;
    clList.addPage(pclFirst, QString(), QStringLiteral("First"), 0);
    clList.addPage(pclSecond, QString(), QStringLiteral("Second"), 1);
    clList.activate(&clHost);
    clList.removePage(0);
    QCOMPARE(clList.pageCount(), 1);
    QCOMPARE(clList.listView()->model()->rowCount(), 1);
    QCOMPARE(clList.currentPage(), pclSecond);
    QCOMPARE(pclSecond->lRequests, 1);
    Q_EMIT clHost.sigReceiveCommand(PV_CMD{{"CMD", QUuid::createUuid()}});
    QCOMPARE(pclSecond->lstReceived.size(), 1);
    QTRY_VERIFY(pclFirst.isNull());
    clList.removePage(5);
    QCOMPARE(clList.pageCount(), 1);
}

void TestListWidgetBase::cameraInfoReachesEveryPage()
{
    ClListWidgetBase clList;
    auto* pclFirst = new TestPage;
    auto* pclSecond = new TestPage;
    clList.addPage(pclFirst, QString(), QStringLiteral("First"), 0);
    clList.addPage(new QLabel("not a page"), QString(), QStringLiteral("Label"), 1);
    clList.addPage(pclSecond, QString(), QStringLiteral("Second"), 2);
    clList.setCameraInfo(1, QStringLiteral("01.03.025"));
    QCOMPARE(pclFirst->lLastModel, 1);
    QCOMPARE(pclSecond->strLastVersion, QStringLiteral("01.03.025"));
    clList.setCameraInfo(-1, QString());
    QCOMPARE(pclSecond->lLastModel, -1);
}
