// The schedule page against a real USB worker and a virtual Tovu-S: day codes on their rows,
// periods continued on the next day's row, the every-day region, Apply writing the switch
// and the eight rows one after the other and stopping at the first refusal, and answers
// the camera should never give.
#include "app/framework/ClMessageBox.h"
#include "app/framework/ClPageHost.h"
#include "pages/schedule/ClWidgetScheduleSetting.h"
#include "pages/schedule/ClWidgetScheduleSlider.h"
#include "pages/schedule/ClWidgetScheduleWeekName.h"
#include "pages/schedule/ClWidgetScheduledBar.h"
#include "protocol/ClEnvelope.h"
#include "protocol/ClResultCode.h"
#include "protocol/TypedKinds.h"
#include "tests/support/ClWorkerRig.h"
#include "usb/ClUsbService.h"
#include "virtualcamera/ClVirtualCamera.h"
#include "virtualcamera/ClVirtualCameraWire.h"

#include <QCheckBox>
#include <QLabel>
#include <QtTest>

namespace {
using Params = ClVirtualCamera::Params;
constexpr quint16 usEntryCode = ClTovuCommandGetScheSetting::usCommandCode;
constexpr quint16 usSwitchCode = ClTovuCommandGetScheOnOff::usCommandCode;
constexpr quint32 ulOn = 2;
constexpr quint32 ulOff = 1;

QTime t(int lHour, int lMinute = 0)
{
    return QTime(lHour, lMinute);
}

// An entry packet's parameters; times as the four characters the camera sends.
Params entry(quint32 ulDay, bool bOn, const char* pszStart, const char* pszEnd)
{
    auto slot = [](const char* psz) {
        return quint32(quint8(psz[0])) | quint32(quint8(psz[1])) << 8 | quint32(quint8(psz[2])) << 16
            | quint32(quint8(psz[3])) << 24;
    };
    return Params {ulDay, bOn ? ulOn : ulOff, slot(pszStart), slot(pszEnd), 0};
}
}  // namespace

class TestWidgetScheduleSetting : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void cleanupTestCase() { ClMessageBox::setTestResponder({}); }
    void init();
    void cleanup();
    void dayCodesAndRows_data();
    void dayCodesAndRows();
    void showsTheCameraSchedule();
    void applyWritesSwitchThenEightRows();
    void switchOffStillWritesEveryRow();
    void failureStopsTheRest();
    void everydayRegion();
    void timeScaleWidth();
    void answersTheCameraShouldNotGive_data();
    void answersTheCameraShouldNotGive();

private:
    void store(quint32 ulDay, bool bOn, const QTime& tmStart, const QTime& tmEnd);
    void open();
    void apply();
    QList<PV_CMD> sent(const QUuid& uuidKind) const;
    QList<quint32> writtenDays() const;
    ClWidgetWeekday* row(int lRow) const { return pclPage->row(lRow); }

    std::unique_ptr<ClWorkerRig> pclRig;
    std::unique_ptr<ClPageHost> pclHost;
    ClWidgetScheduleSetting* pclPage = nullptr;
    ClVirtualCamera* pclCamera = nullptr;  // the bus's
    void* pHandle = nullptr;
    QStringList lstBoxes;
    QStringList lstLog;
    QList<PV_CMD> lstSent;
};

void TestWidgetScheduleSetting::initTestCase()
{
    PvCmd::registerMetaTypes();
    ClMessageBox::setTestResponder([this](const QString& strText, QMessageBox::StandardButtons) {
        lstBoxes.append(strText);
        return QMessageBox::Ok;
    });
}

void TestWidgetScheduleSetting::init()
{
    lstBoxes.clear();
    lstLog.clear();
    lstSent.clear();
    pclRig = std::make_unique<ClWorkerRig>();
    pclCamera = new ClVirtualCamera(1, QString(), 2);
    pHandle = pclRig->plug(pclCamera);
    QVERIFY(pHandle);
    pclHost = std::make_unique<ClPageHost>();
    pclHost->resize(600, 469);
    pclPage = new ClWidgetScheduleSetting(pclHost.get());
    pclPage->resize(600, 469);
    // The window's part: the camera's handle on the way out, the worker's envelopes back.
    connect(pclHost.get(), &ClPageHost::sigSendCommand, this, [this](PV_CMD clCommand) {
        lstSent << clCommand;
        clCommand.insert(ClEnvelope::keyDevice(), QVariant::fromValue(pHandle));
        pclRig->service().slotReceiveCommand(clCommand);
    });
    connect(&pclRig->service(), &ClUsbService::sigSendCommand, pclHost.get(), &ClPageHost::sigReceiveCommand);
    connect(pclHost.get(), &ClPageHost::sigSetLog, this, [this](const QString& strText) { lstLog << strText; });
    pclPage->setCameraInfo(1, pclCamera->firmwareVersion());
    pclHost->show();
    QVERIFY(QTest::qWaitForWindowExposed(pclHost.get()));
}

void TestWidgetScheduleSetting::cleanup()
{
    pclHost.reset();
    pclRig.reset();
}

void TestWidgetScheduleSetting::store(quint32 ulDay, bool bOn, const QTime& tmStart, const QTime& tmEnd)
{
    pclCamera->setNumbers(usEntryCode,
                          Params {ulDay, bOn ? ulOn : ulOff, ClVirtualCameraWire::packHhmm(tmStart),
                                  ClVirtualCameraWire::packHhmm(tmEnd), 0},
                          ulDay);
}

void TestWidgetScheduleSetting::open()
{
    pclPage->activate(pclHost.get());
    QTRY_VERIFY_WITH_TIMEOUT(!sent(requestKind<ClTovuCommandGetScheOnOff>()).isEmpty(), 5000);
    QTRY_VERIFY_WITH_TIMEOUT(pclPage->findChild<QWidget*>("widgetScheduleContent")->isEnabled(), 5000);
}

void TestWidgetScheduleSetting::apply()
{
    Q_EMIT pclHost->sigApply();
    QTRY_VERIFY_WITH_TIMEOUT(!lstLog.isEmpty() || !lstBoxes.isEmpty(), 5000);
    QTest::qWait(50);  // nothing more follows
}

QList<PV_CMD> TestWidgetScheduleSetting::sent(const QUuid& uuidKind) const
{
    QList<PV_CMD> lstOfKind;
    for (const PV_CMD& clCommand : lstSent) {
        if (ClEnvelope::kind(clCommand) == uuidKind)
            lstOfKind << clCommand;
    }
    return lstOfKind;
}

QList<quint32> TestWidgetScheduleSetting::writtenDays() const
{
    QList<quint32> lstDays;
    for (const PV_CMD& clCommand : sent(requestKind<ClTovuCommandSetScheSetting>()))
        lstDays << clCommand.value(ClEnvelope::keyParam(2)).toUInt();
    return lstDays;
}

void TestWidgetScheduleSetting::dayCodesAndRows_data()
{
    QTest::addColumn<int>("lDayCode");
    QTest::addColumn<int>("lRow");
    QTest::newRow("Sunday") << 1 << 7;
    QTest::newRow("Monday") << 2 << 1;
    QTest::newRow("Saturday") << 7 << 6;
    QTest::newRow("every day") << 8 << 8;
    QTest::newRow("zero") << 0 << -1;
    QTest::newRow("nine") << 9 << -1;
    QTest::newRow("negative") << -1 << -1;
}

void TestWidgetScheduleSetting::dayCodesAndRows()
{
    QFETCH(int, lDayCode);
    QFETCH(int, lRow);
    QCOMPARE(ClWidgetScheduleSetting::rowOfDayCode(lDayCode), lRow);
    if (lRow > 0)
        QCOMPARE(ClWidgetScheduleSetting::dayCodeOfRow(lRow), lDayCode);
}

void TestWidgetScheduleSetting::showsTheCameraSchedule()
{
    store(1, true, t(7), t(12));      // Sunday
    store(2, true, t(22), t(2));      // Monday, into Tuesday
    store(7, true, t(23), t(1, 30));  // Saturday, into Sunday at the top
    pclCamera->setNumbers(usSwitchCode, Params {ulOn});
    open();
    QVERIFY(pclPage->findChild<QCheckBox*>("checkScheduleEnable")->isChecked());
    QCOMPARE(row(7)->startTime(), t(7));
    QCOMPARE(row(7)->endTime(), t(12));
    QCOMPARE(row(7)->nameButton()->checkBox()->text(), QStringLiteral("Sunday"));
    QCOMPARE(row(1)->startTime(), t(22));
    ClWidgetScheduledBar* pclTuesdayEve = row(2)->slider()->eveBar();
    QCOMPARE(row(2)->slider()->eveTime(), t(2));
    QVERIFY(pclTuesdayEve->isVisible());
    QCOMPARE(row(7)->slider()->eveTime(), t(1, 30));
    QVERIFY(row(7)->slider()->eveBar()->isVisible());
    // The rows lie top to bottom from Sunday to Saturday, then every day.
    QVERIFY(row(7)->y() < row(1)->y());
    QVERIFY(row(6)->y() < row(8)->y());

    // Switching Monday off hides its continuation on Tuesday.
    QTest::mouseClick(row(1)->nameButton()->checkBox(), Qt::LeftButton);
    QVERIFY(!row(1)->isSwitchedOn());
    QVERIFY(!pclTuesdayEve->isVisible());
    QVERIFY(!row(1)->slider()->primaryBar()->isVisible());

    // The bar under the mouse shows its times; past midnight the end sits on the next row.
    QEvent clEnter(QEvent::Enter);
    QCoreApplication::sendEvent(row(6)->slider()->primaryBar(), &clEnter);
    auto* pclStart = pclPage->findChild<QLabel*>("labelIndicatorStart");
    auto* pclEnd = pclPage->findChild<QLabel*>("labelIndicatorEnd");
    QVERIFY(pclStart->isVisible());
    QCOMPARE(pclStart->text(), QStringLiteral("23:00"));
    QCOMPARE(pclEnd->text(), QStringLiteral("01:30"));
    QVERIFY(pclEnd->y() < pclStart->y());  // on Sunday's row at the top
    QEvent clLeave(QEvent::Leave);
    QCoreApplication::sendEvent(row(6)->slider()->primaryBar(), &clLeave);
    QVERIFY(!pclStart->isVisible());
    // A row switched off shows no times.
    QCoreApplication::sendEvent(row(1)->slider()->primaryBar(), &clEnter);
    QVERIFY(!pclStart->isVisible());
    QCOMPARE(lstBoxes, QStringList());
}

void TestWidgetScheduleSetting::applyWritesSwitchThenEightRows()
{
    store(1, false, t(7), t(12));
    pclCamera->setNumbers(usSwitchCode, Params {ulOff});
    open();
    pclPage->findChild<QCheckBox*>("checkScheduleEnable")->setChecked(true);
    row(7)->setSwitchedOn(true);
    row(7)->setPeriod(t(6), t(11));
    apply();
    QCOMPARE(lstLog, QStringList({"Schedule is applied"}));
    QCOMPARE(sent(requestKind<ClTovuCommandSetScheOnOff>()).size(), 1);
    QCOMPARE(writtenDays(), QList<quint32>({2, 3, 4, 5, 6, 7, 1, 8}));
    // The switch went first.
    QCOMPARE(ClEnvelope::kind(lstSent.at(lstSent.size() - 9)), requestKind<ClTovuCommandSetScheOnOff>());
    QCOMPARE(pclCamera->numbers(usSwitchCode)[0], ulOn);
    // The Sunday row is the camera's day 1.
    const Params arrSunday = pclCamera->numbers(usEntryCode, 1);
    QCOMPARE(arrSunday[1], ulOn);
    QCOMPARE(ClVirtualCameraWire::unpackHhmm(arrSunday[2]), t(6));
    QCOMPARE(ClVirtualCameraWire::unpackHhmm(arrSunday[3]), t(11));
    QCOMPARE(lstBoxes, QStringList());
}

void TestWidgetScheduleSetting::switchOffStillWritesEveryRow()
{
    pclCamera->setNumbers(usSwitchCode, Params {ulOn});
    open();
    QCheckBox* pclEnable = pclPage->findChild<QCheckBox*>("checkScheduleEnable");
    QTest::mouseClick(pclEnable, Qt::LeftButton);
    QVERIFY(!pclEnable->isChecked());
    for (int lRow = 1; lRow <= 8; ++lRow)
        QVERIFY(!row(lRow)->isEnabled());
    const QTime tmMondayStart = row(1)->startTime();
    apply();
    QCOMPARE(lstLog, QStringList({"Schedule is applied"}));
    QCOMPARE(pclCamera->numbers(usSwitchCode)[0], ulOff);
    QCOMPARE(writtenDays(), QList<quint32>({2, 3, 4, 5, 6, 7, 1, 8}));
    QCOMPARE(ClVirtualCameraWire::unpackHhmm(pclCamera->numbers(usEntryCode, 2)[2]), tmMondayStart);
}

void TestWidgetScheduleSetting::failureStopsTheRest()
{
    open();
    pclCamera->refuseScheduleDay(5, ClResultCode::usParameterRejected);  // Thursday
    apply();
    QTest::qWait(100);
    QCOMPARE(writtenDays(), QList<quint32>({2, 3, 4, 5}));
    QCOMPARE(lstBoxes, QStringList({"Parameter setting failed"}));
    QCOMPARE(lstLog, QStringList());

    // The next Apply starts from the switch again and, the camera willing, finishes.
    pclCamera->refuseScheduleDay(0, 0);
    lstSent.clear();
    lstBoxes.clear();
    apply();
    QCOMPARE(writtenDays(), QList<quint32>({2, 3, 4, 5, 6, 7, 1, 8}));
    QCOMPARE(lstLog, QStringList({"Schedule is applied"}));
}

void TestWidgetScheduleSetting::everydayRegion()
{
    store(8, true, t(22), t(5));
    pclCamera->setNumbers(usSwitchCode, Params {ulOn});
    open();
    auto* pclRegion = pclPage->findChild<QLabel*>("labelEverydayRegion");
    auto* pclAfter = pclPage->findChild<QLabel*>("labelEverydayRegionAfterMidnight");
    QVERIFY(pclRegion->isVisible());
    QVERIFY(pclAfter->isVisible());
    // Over the weekday axes, from 22:00 to their end and from their start to 05:00, Sunday to Saturday.
    ClWidgetScheduleSlider* pclSunday = row(7)->slider();
    const QPoint ptAxis = pclSunday->mapTo(pclRegion->parentWidget(), QPoint(0, 0));
    QCOMPARE(pclRegion->x(), ptAxis.x() + pclSunday->xOf(t(22)));
    QCOMPARE(pclRegion->x() + pclRegion->width(), ptAxis.x() + pclSunday->width());
    QCOMPARE(pclAfter->x(), ptAxis.x());
    QCOMPARE(pclAfter->width(), pclSunday->xOf(t(5)));
    QCOMPARE(pclRegion->y(), ptAxis.y());
    const int lSaturdayBottom
        = row(6)->slider()->mapTo(pclRegion->parentWidget(), QPoint(0, 0)).y() + row(6)->slider()->height();
    QCOMPARE(pclRegion->y() + pclRegion->height(), lSaturdayBottom);

    // A period within the day needs one label; switched off, none.
    row(8)->setPeriod(t(9), t(17));
    QVERIFY(!pclAfter->isVisible());
    QCOMPARE(pclRegion->width(), pclSunday->xOf(t(17)) - pclSunday->xOf(t(9)));
    QTest::mouseClick(row(8)->nameButton()->checkBox(), Qt::LeftButton);
    QVERIFY(!pclRegion->isVisible());
    QTest::mouseClick(row(8)->nameButton()->checkBox(), Qt::LeftButton);
    QVERIFY(pclRegion->isVisible());
}

void TestWidgetScheduleSetting::timeScaleWidth()
{
    open();
    auto* pclScale = pclPage->findChild<QLabel*>("labelTimeScale");
    for (int lWidth : {600, 533, 801}) {
        pclPage->resize(lWidth, 469);
        QCOMPARE(pclScale->minimumWidth(), int(lWidth * 0.7825));
        QCOMPARE(pclScale->maximumWidth(), int(lWidth * 0.7825));
    }
}

void TestWidgetScheduleSetting::answersTheCameraShouldNotGive_data()
{
    QTest::addColumn<QList<Params>>("lstForged");
    QTest::addColumn<QList<int>>("lstShownRows");
    QTest::addColumn<bool>("bRead");
    const QList<Params> lstWeek {entry(1, true, "0700", "1200"),  entry(2, true, "0900", "1800"),
                                 entry(3, true, "0900", "1800"),  entry(4, true, "0900", "1800"),
                                 entry(5, true, "0900", "1800"),  entry(6, true, "0900", "1800"),
                                 entry(7, false, "1000", "1100"), entry(8, false, "2200", "0500")};
    QList<Params> lstBadTimes = lstWeek;
    lstBadTimes[1] = entry(2, true, "2561", "1800");  // Monday: no such hour
    lstBadTimes[2] = entry(3, true, "0900", "1875");  // Tuesday: no such minute
    lstBadTimes[3] = entry(4, true, "ab:c", "1800");  // Wednesday: no digits
    QTest::newRow("times out of range") << lstBadTimes << QList<int> {7, 4, 5, 6, 8} << true;
    QList<Params> lstBadDays = lstWeek;
    lstBadDays[0] = entry(0, true, "0700", "1200");  // instead of Sunday
    lstBadDays[7] = entry(9, true, "0700", "1200");  // instead of every day
    QTest::newRow("day codes outside 1-8") << lstBadDays << QList<int> {1, 2, 3, 4, 5, 6} << true;
    QList<Params> lstTwice = lstWeek;
    lstTwice[4] = entry(4, false, "0100", "0200");  // Wednesday again, Thursday missing
    QTest::newRow("two entries for one day") << lstTwice << QList<int> {7, 1, 2, 3, 5, 6, 8} << true;
    QTest::newRow("more than eight") << (QList<Params>(lstWeek) << entry(2, true, "0000", "0100"))
                                     << QList<int> {1, 2, 3, 4, 5, 6, 7, 8} << true;
    QTest::newRow("fewer than eight") << lstWeek.mid(0, 6) << QList<int> {} << false;
}

void TestWidgetScheduleSetting::answersTheCameraShouldNotGive()
{
    QFETCH(QList<Params>, lstForged);
    QFETCH(QList<int>, lstShownRows);
    QFETCH(bool, bRead);
    pclCamera->forgeScheduleAnswer(lstForged);
    pclPage->activate(pclHost.get());
    if (bRead) {
        QTRY_VERIFY_WITH_TIMEOUT(pclPage->findChild<QWidget*>("widgetScheduleContent")->isEnabled(), 5000);
        QCOMPARE(lstBoxes, QStringList());
    } else {
        // The worker waits for the missing entries and reports the exchange as failed.
        QTRY_COMPARE_WITH_TIMEOUT(lstBoxes, QStringList({"Exec failed, unknown error"}), 10000);
    }
    QList<int> lstShown;
    for (int lRow = 1; lRow <= 8; ++lRow) {
        if (row(lRow)->hasPeriod())
            lstShown << lRow;
        else
            QVERIFY(!row(lRow)->slider()->primaryBar()->isVisible());
    }
    std::sort(lstShownRows.begin(), lstShownRows.end());
    QCOMPARE(lstShown, lstShownRows);
    if (bRead) {
        QVERIFY(row(lstShownRows.first())->startTime().isValid());
        // A later entry for the same day replaces the earlier one.
        if (QTest::currentDataTag() == QLatin1String("two entries for one day"))
            QCOMPARE(row(3)->startTime(), t(1));
    }

    // Apply writes the well-formed rows only, and nothing before a schedule was read.
    pclCamera->forgeScheduleAnswer({});
    lstSent.clear();
    lstBoxes.clear();
    Q_EMIT pclHost->sigApply();
    QTest::qWait(300);
    QList<quint32> lstExpected;
    for (int lRow = 1; lRow <= 8; ++lRow) {
        if (bRead && lstShownRows.contains(lRow))
            lstExpected << quint32(ClWidgetScheduleSetting::dayCodeOfRow(lRow));
    }
    QCOMPARE(writtenDays(), lstExpected);
    QCOMPARE(sent(requestKind<ClTovuCommandSetScheOnOff>()).size(), bRead ? 1 : 0);
    QCOMPARE(lstBoxes, QStringList());
    if (bRead)
        QCOMPARE(lstLog, QStringList({"Schedule is applied"}));
}

QTEST_MAIN(TestWidgetScheduleSetting)
#include "TestWidgetScheduleSetting.moc"
