// The stream section's pages against the real USB worker and an emulated camera: the
// preview loop and its bad pictures, capture, the view page, the recording and live pages'
// rows and limits, and the interval page.
#include "framework/ClPageListView.h"
#include "pages/stream/ClImageView2.h"
#include "pages/stream/ClRateRows.h"
#include "pages/stream/ClSliderBitrate.h"
#include "pages/stream/ClWidgetInterval.h"
#include "pages/stream/ClWidgetLiveSetting.h"
#include "pages/stream/ClWidgetRecSetting.h"
#include "pages/stream/ClWidgetStreamBase.h"
#include "pages/stream/ClWidgetStreamSetting.h"
#include "pages/stream/ClWidgetViewSetting.h"
#include "protocol/ClCommandKinds.h"
#include "protocol/ClEnvelope.h"
#include "protocol/ClResultCode.h"
#include "protocol/TypedKinds.h"
#include "tests/pages/PageRig.h"

#include <QComboBox>
#include <QGroupBox>
#include <QImageReader>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QTemporaryDir>
#include <QtTest>

#include <memory>

namespace {
using PictureFault = ClVirtualCameraPictureFaults::Fault;
constexpr int lWait = 5000;

ClVirtualCamera::Params params(quint32 ul1, quint32 ul2 = 0, quint32 ul3 = 0)
{
    ClVirtualCamera::Params arrParams {};
    arrParams[0] = ul1;
    arrParams[1] = ul2;
    arrParams[2] = ul3;
    return arrParams;
}
}  // namespace

class TestWidgetStream : public QObject
{
    Q_OBJECT

    std::unique_ptr<PageRig> upRig;
    ClWidgetStreamSetting* pclSection = nullptr;  // the host's

    // The section attached to a stand-in window with a camera of the model.
    void openSection(int lModel, const QString& strFirmware = QString())
    {
        upRig = std::make_unique<PageRig>(lModel, strFirmware);
        QVERIFY(upRig->handle());
        pclSection = new ClWidgetStreamSetting(&upRig->host());
        pclSection->setCameraInfo(lModel, upRig->camera().firmwareVersion());
        upRig->host().resize(600, 470);
        pclSection->resize(600, 470);
        upRig->host().show();
        pclSection->activate(&upRig->host());
    }
    void showRow(int lRow) { pclSection->slotPageChange(pclSection->listView()->model()->index(lRow, 0)); }
    template <class Page> Page* page() const { return pclSection->findChild<Page*>(); }
    static void typeInto(QLineEdit* pclEdit, const QString& strText)
    {
        pclEdit->setFocus();
        pclEdit->selectAll();
        QTest::keyClick(pclEdit, Qt::Key_Backspace);
        QTest::keyClicks(pclEdit, strText);
        QTest::keyClick(pclEdit, Qt::Key_Return);
    }
    bool waitForPicture()
    {
        return QTest::qWaitFor([this] { return !pclSection->preview()->picture().isNull(); }, lWait);
    }
    // A Tovu-S's section on the recording page, once its last answer has come.
    ClWidgetRecSetting* openRecording()
    {
        openSection(1);
        showRow(1);
        const bool bAnswered = QTest::qWaitFor(
            [this] { return upRig->worker().count(replyKind<ClTovuCommandGetRecBitrate>()) == 1; }, lWait);
        return bAnswered ? page<ClWidgetRecSetting>() : nullptr;
    }

private Q_SLOTS:
    void cleanupTestCase() { ClWidgetStreamBase::setTestFileDialog({}); }
    void cleanup()
    {
        if (pclSection != nullptr)
            pclSection->deactivate(&upRig->host());
        pclSection = nullptr;
        upRig.reset();
    }

    void previewStartsAndStopsWithTheSection()
    {
        openSection(1);
        const QUuid uuidJpeg = requestKind<ClTovuCommandReqJpeg>();
        // Asked at once, shown, and asked again after the pause.
        QCOMPARE(upRig->sentCount(uuidJpeg), 1);
        QVERIFY(waitForPicture());
        QCOMPARE(pclSection->preview()->picture().size(), QSize(800, 480));
        QCOMPARE(pclSection->preview()->view()->image().size(), QSize(800, 480));
        QVERIFY(pclSection->preview()->isWaiting());
        QTRY_VERIFY_WITH_TIMEOUT(upRig->sentCount(uuidJpeg) >= 2, lWait);

        pclSection->deactivate(&upRig->host());
        QVERIFY(!pclSection->preview()->isWaiting());
        const int lAsked = upRig->sentCount(uuidJpeg);
        QTest::qWait(3 * ClWidgetStreamBase::lRetryMs);
        // At most the one on its way when the section was left.
        QVERIFY(upRig->sentCount(uuidJpeg) <= lAsked);
        QVERIFY(!pclSection->preview()->isWaiting());

        pclSection->activate(&upRig->host());
        QCOMPARE(upRig->sentCount(uuidJpeg), lAsked + 1);
    }

    void previewRetriesAfterACameraStatus()
    {
        openSection(1);
        QVERIFY(waitForPicture());
        pclSection->deactivate(&upRig->host());
        upRig->camera().setFaultStatus(ClResultCode::usRefused);
        upRig->camera().injectFault(ClVirtualCamera::Fault::Status, 1);
        upRig->lstSent.clear();
        const qint64 llFirst = pclSection->preview()->picture().cacheKey();
        pclSection->activate(&upRig->host());
        // The refused request is followed by another, about 333 ms later, which is answered.
        QTRY_VERIFY_WITH_TIMEOUT(pclSection->preview()->isWaiting(), lWait);
        QElapsedTimer clClock;
        clClock.start();
        QTRY_VERIFY_WITH_TIMEOUT(upRig->sentCount(requestKind<ClTovuCommandReqJpeg>()) == 2, lWait);
        QVERIFY(clClock.elapsed() >= ClWidgetStreamBase::lRetryMs - 50);
        QTRY_VERIFY_WITH_TIMEOUT(pclSection->preview()->picture().cacheKey() != llFirst, lWait);
    }

    void previewStopsOnATransportError()
    {
        openSection(1);
        QVERIFY(waitForPicture());
        pclSection->deactivate(&upRig->host());
        upRig->camera().injectFault(ClVirtualCamera::Fault::Silent, 3);
        upRig->lstSent.clear();
        pclSection->activate(&upRig->host());
        const QUuid uuidJpeg = requestKind<ClTovuCommandReqJpeg>();
        QTRY_VERIFY_WITH_TIMEOUT(upRig->worker().envelopes().size() > 0
                                     && ClEnvelope::isErrorNotice(upRig->worker().envelopes().last()),
                                 lWait);
        QTest::qWait(3 * ClWidgetStreamBase::lRetryMs);
        QCOMPARE(upRig->sentCount(uuidJpeg), 1);
        QVERIFY(!pclSection->preview()->isWaiting());
        QVERIFY(!pclSection->preview()->picture().isNull());
    }

    void previewKeepsItsPictureOnBadOnes_data()
    {
        QTest::addColumn<PictureFault>("eFault");
        QTest::newRow("not a JPEG") << PictureFault::NotJpeg;
        QTest::newRow("65535 x 65535") << PictureFault::HugeDimensions;
    }

    void previewKeepsItsPictureOnBadOnes()
    {
        QFETCH(PictureFault, eFault);
        openSection(1);
        QVERIFY(waitForPicture());
        const qint64 llGood = pclSection->preview()->picture().cacheKey();
        upRig->camera().injectPictureFault(eFault, 2);
        upRig->worker().clear();
        // Two bad pictures, then good ones again: the preview neither shows a bad one nor stops.
        QTRY_VERIFY_WITH_TIMEOUT(upRig->worker().count(ClCommandKinds::transportError()) == 2, lWait);
        QCOMPARE(pclSection->preview()->picture().cacheKey(), llGood);
        QTRY_VERIFY_WITH_TIMEOUT(pclSection->preview()->picture().cacheKey() != llGood, lWait);
        QCOMPARE(pclSection->preview()->picture().size(), QSize(800, 480));
        QVERIFY(pclSection->preview()->isRunning());
    }

    void captureNameAndFile()
    {
        QCOMPARE(ClWidgetStreamBase::captureName(QDateTime(QDate(2014, 3, 5), QTime(7, 8, 59))),
                 QStringLiteral("Capture_201403050708"));

        openSection(1);
        QVERIFY(waitForPicture());
        QTemporaryDir clDir;
        QString strProposed;
        ClWidgetStreamBase::setTestFileDialog([&](const QString& strName) {
            strProposed = strName;
            // A name typed without its suffix.
            return clDir.filePath(QStringLiteral("shot"));
        });
        QTest::mouseClick(pclSection->findChild<QPushButton*>("buttonCapture"), Qt::LeftButton);
        QVERIFY(QFileInfo(strProposed).fileName().startsWith(QStringLiteral("Capture_2")));
        QCOMPARE(QImageReader(clDir.filePath(QStringLiteral("shot.jpg"))).size(), QSize(800, 480));
        // Cancelled: nothing written, nothing said.
        ClWidgetStreamBase::setTestFileDialog([](const QString&) { return QString(); });
        QTest::mouseClick(pclSection->findChild<QPushButton*>("buttonCapture"), Qt::LeftButton);
        QCOMPARE(QDir(clDir.path()).entryList(QDir::Files).size(), 1);
        QVERIFY(upRig->lstBoxes.isEmpty());
    }

    void captureThatCannotBeSavedKeepsTheOldFile()
    {
        QTemporaryDir clDir;
        const QString strOld = clDir.filePath(QStringLiteral("old.xyz"));
        {
            QFile clFile(strOld);
            QVERIFY(clFile.open(QIODevice::WriteOnly));
            clFile.write("what was there before");
        }
        // A format no writer knows: the user is told, and the old file stays as it was.
        openSection(1);
        QVERIFY(waitForPicture());
        ClWidgetStreamBase::setTestFileDialog([&](const QString&) { return strOld; });
        QTest::mouseClick(pclSection->findChild<QPushButton*>("buttonCapture"), Qt::LeftButton);
        QCOMPARE(upRig->lstBoxes.size(), 1);
        QVERIFY(upRig->lstBoxes.first().startsWith(QStringLiteral("The picture could not be saved.")));
        QFile clFile(strOld);
        QVERIFY(clFile.open(QIODevice::ReadOnly));
        QCOMPARE(clFile.readAll(), QByteArray("what was there before"));
        QCOMPARE(QDir(clDir.path()).entryList(QDir::Files | QDir::Hidden), QStringList({QStringLiteral("old.xyz")}));
    }

    void viewPageSendsOnlyChanges()
    {
        openSection(1);
        auto* pclView = page<ClWidgetViewSetting>();
        QVERIFY(!pclSection->findChild<QGroupBox*>("groupRotation")->isHidden());
        const QUuid uuidRotation = replyKind<ClTovuCommandGetRotate180>();
        QTRY_VERIFY_WITH_TIMEOUT(!upRig->worker().envelopes().isEmpty() && upRig->worker().count(uuidRotation) == 1,
                                 lWait);
        upRig->lstSent.clear();
        pclView->slotApply();
        QCOMPARE(upRig->lstSent.size(), 0);

        pclSection->findChild<QRadioButton*>("radioRotate180")->setChecked(true);
        pclSection->findChild<QSlider*>("sliderQuality")->setValue(4);
        QSignalSpy clApplied(pclView, &ClWidgetBase::sigSetLog);
        pclView->slotApply();
        QCOMPARE(upRig->lstSent.size(), 2);
        QTRY_COMPARE_WITH_TIMEOUT(clApplied.size(), 1, lWait);
        QCOMPARE(upRig->camera().numbers(ClTovuCommandGetRotate180::usCommandCode)[0], 2u);
        QCOMPARE(upRig->camera().numbers(ClTovuCommandGetImageQuarity::usCommandCode)[0], 4u);
        // Confirmed: the same Apply again sends nothing.
        upRig->lstSent.clear();
        pclView->slotApply();
        QCOMPARE(upRig->lstSent.size(), 0);
    }

    void intervalEntryOnlyWithSupport()
    {
        openSection(1);
        QCOMPARE(pclSection->pageCount(), 3);
        QVERIFY(pclSection->intervalPage() == nullptr);
        // An early Tovu has no turned picture either.
        pclSection->setCameraInfo(0, QStringLiteral("01.03.023"));
        QCOMPARE(pclSection->pageCount(), 4);
        QCOMPARE(pclSection->listView()->model()->index(3, 0).data().toString(), QStringLiteral("Interval setting"));
        QVERIFY(pclSection->findChild<QGroupBox*>("groupRotation")->isHidden());
        showRow(3);
        QCOMPARE(pclSection->currentPage(), pclSection->intervalPage());
        pclSection->setCameraInfo(1, QStringLiteral("01.00.011"));
        QCOMPARE(pclSection->pageCount(), 3);
        QCOMPARE(pclSection->currentRow(), 2);
        pclSection->setCameraInfo(-1, QString());
        QCOMPARE(pclSection->pageCount(), 3);
    }

    void intervalRowsAndLimits()
    {
        openSection(0);
        upRig->camera().setNumbers(ClTovuCommandGetIntervalTimer::usCommandCode, params(2, 0, 3725));
        showRow(3);
        auto* pclGroup = pclSection->findChild<QGroupBox*>("groupInterval");
        auto spin = [this](const char* pszName) { return pclSection->findChild<QSpinBox*>(pszName); };
        QTRY_VERIFY_WITH_TIMEOUT(pclGroup->isChecked(), lWait);
        QCOMPARE(spin("spinIntervalHour")->value(), 1);
        QCOMPARE(spin("spinIntervalMinute")->value(), 2);
        QCOMPARE(spin("spinIntervalSecond")->value(), 5);

        // The interval is never 0:0:0.
        spin("spinIntervalHour")->setValue(0);
        spin("spinIntervalMinute")->setValue(0);
        spin("spinIntervalSecond")->setValue(0);
        QCOMPARE(spin("spinIntervalSecond")->value(), 1);
        // 72 hours is the end: minutes and seconds go to 0 and stay there.
        spin("spinStartMinute")->setValue(30);
        spin("spinStartSecond")->setValue(15);
        spin("spinStartHour")->setValue(72);
        QCOMPARE(spin("spinStartMinute")->value(), 0);
        QCOMPARE(spin("spinStartSecond")->value(), 0);
        spin("spinStartMinute")->setValue(10);
        QCOMPARE(spin("spinStartMinute")->value(), 0);

        upRig->lstSent.clear();
        page<ClWidgetInterval>()->slotApply();
        QCOMPARE(upRig->lstSent.size(), 1);
        QTRY_COMPARE_WITH_TIMEOUT(upRig->camera().numbers(ClTovuCommandGetIntervalTimer::usCommandCode),
                                  params(2, 72 * 3600, 1), lWait);
    }

    void bitRateEdit_data()
    {
        QTest::addColumn<QString>("strTyped");
        QTest::addColumn<QString>("strShown");
        QTest::addColumn<int>("lSlider");
        QTest::newRow("100 is raised to 384") << "100"
                                              << "384" << 384000;
        QTest::newRow("20000 is lowered to 15360") << "20000"
                                                   << "15360" << 15360000;
        QTest::newRow("2000 is typed through 2 and 200") << "2000"
                                                         << "2000" << 2000000;
        QTest::newRow("empty counts as 384") << ""
                                             << "384" << 384000;
    }

    void bitRateEdit()
    {
        QFETCH(QString, strTyped);
        QFETCH(QString, strShown);
        QFETCH(int, lSlider);
        ClWidgetRecSetting* pclRec = openRecording();
        QVERIFY(pclRec);
        // Full HD at 30 fps: the whole scale is allowed.
        pclSection->findChild<QComboBox*>("comboRecResolution")->setCurrentIndex(0);
        pclRec->rateRows()->frameRateSlider()->setValue(4);
        QLineEdit* pclEdit = pclRec->rateRows()->bitRateEdit();
        pclEdit->setFocus();
        pclEdit->selectAll();
        QTest::keyClick(pclEdit, Qt::Key_Backspace);
        QTest::keyClicks(pclEdit, strTyped);
        QTest::keyClick(pclEdit, Qt::Key_Return);
        QCOMPARE(pclEdit->text(), strShown);
        QCOMPARE(pclRec->rateRows()->bitRate(), lSlider);
    }

    void maximumPullsTheSliderDown()
    {
        ClWidgetRecSetting* pclRec = openRecording();
        QVERIFY(pclRec);
        ClRateRows* pclRates = pclRec->rateRows();
        pclSection->findChild<QComboBox*>("comboRecResolution")->setCurrentIndex(0);
        pclRates->bitRateSlider()->setValue(5000000);
        // 640 x 480 at 5 fps (a Tovu-S's second position) allows 768000.
        pclSection->findChild<QComboBox*>("comboRecResolution")->setCurrentIndex(2);
        typeInto(pclRates->frameRateEdit(), QStringLiteral("5"));
        QCOMPARE(pclRates->frameRate(), 5);
        QCOMPARE(pclRec->maximumBitRate(), 768000);
        QCOMPARE(pclRates->bitRate(), 768000);
        QCOMPARE(pclRates->bitRateEdit()->text(), QStringLiteral("768"));
        pclRates->bitRateSlider()->setValue(900000);
        QCOMPARE(pclRates->bitRate(), 768000);
        // The maximum itself can be chosen on the slider.
        pclRates->bitRateSlider()->setValue(400000);
        pclRates->bitRateSlider()->setValue(768000);
        QCOMPARE(pclRates->bitRateEdit()->text(), QStringLiteral("768"));
        // A frame rate the camera does not take is put back when the edit is left.
        typeInto(pclRates->frameRateEdit(), QStringLiteral("6"));
        QCOMPARE(pclRates->frameRateEdit()->text(), QStringLiteral("5"));

        // A frame rate takes effect once typed whole: "15" passing through "1" (1 fps, at
        // most 1024 kbps in Full HD) leaves the bit rate typed before it alone.
        pclSection->findChild<QComboBox*>("comboRecResolution")->setCurrentIndex(0);
        typeInto(pclRates->frameRateEdit(), QStringLiteral("30"));
        typeInto(pclRates->bitRateEdit(), QStringLiteral("8000"));
        typeInto(pclRates->frameRateEdit(), QStringLiteral("15"));
        QCOMPARE(pclRates->frameRate(), 15);
        QCOMPARE(pclRates->bitRate(), 8000000);
        QCOMPARE(pclRates->bitRateEdit()->text(), QStringLiteral("8000"));
        // The estimate follows the bit rate and the card: a day and a bit on a 32 GB card is
        // counted in days.
        pclSection->findChild<QComboBox*>("comboSdSize")->setCurrentIndex(4);
        typeInto(pclRates->bitRateEdit(), QStringLiteral("3000"));
        QCOMPARE(pclSection->findChild<QLabel*>("labelRecEstimate")->text(),
                 QStringLiteral("Recordable up to approx. 1 day(s)"));
    }

    void tovuIsNeverAskedWhatItCannotAnswer()
    {
        openSection(0);
        // Each page shown until the last answer it asks for has come.
        const std::pair<int, QUuid> aRows[] = {{1, replyKind<ClTovuCommandGetRecImagesize>()},
                                               {2, replyKind<ClTovuCommandGetLiveFramerate>()},
                                               {0, replyKind<ClTovuCommandGetRotate180>()}};
        for (const auto& [lRow, uuidLast] : aRows) {
            showRow(lRow);
            QTRY_VERIFY_WITH_TIMEOUT(upRig->worker().count(uuidLast) >= 1, lWait);
        }
        QTest::qWait(100);
        QVERIFY(upRig->received(ClTovuCommandGetRecImagesize::usCommandCode) > 0);
        QVERIFY(upRig->received(ClTovuCommandGetLiveFramerate::usCommandCode) > 0);
        for (quint16 usCode : {ClTovuCommandGetRecFramerate::usCommandCode, ClTovuCommandGetRecBitrate::usCommandCode,
                               ClTovuCommandGetLiveBitrate::usCommandCode})
            QVERIFY2(upRig->received(usCode) == 0, qPrintable(QString::number(usCode, 16)));
        for (const ClVirtualCamera::Request& stRequest : upRig->camera().requests())
            QVERIFY(stRequest.usStatus != ClResultCode::usNotSupported);
        auto* pclRates = page<ClWidgetRecSetting>()->rateRows();
        QVERIFY(!pclRates->isFrameRateShown() && !pclRates->isBitRateShown());
        QVERIFY(upRig->lstBoxes.isEmpty());
    }

    // A value no control can show is shown as the nearest one that can, and that is what
    // Apply writes: the camera is put right, once, by the user's Apply.
    void oddCameraValuesAreWrittenAsShown_data()
    {
        QTest::addColumn<int>("lModel");
        QTest::addColumn<int>("lRow");
        QTest::addColumn<int>("lGetCode");
        QTest::addColumn<ClVirtualCamera::Params>("arrOdd");
        QTest::addColumn<ClVirtualCamera::Params>("arrWritten");
        const int lSize = ClTovuCommandGetRecImagesize::usCommandCode;
        QTest::newRow("no size of the list is Full HD") << 1 << 1 << lSize << params(9) << params(1);
        // 1280 x 720 at 30 fps allows 13824 kbps.
        QTest::newRow("bit rate above the maximum")
            << 1 << 1 << int(ClTovuCommandGetRecBitrate::usCommandCode) << params(99999999) << params(13824000);
        QTest::newRow("live 7 fps is 6") << 0 << 2 << int(ClTovuCommandGetLiveFramerate::usCommandCode) << params(7)
                                         << params(6);
        QTest::newRow("quality 9 is the darkest")
            << 1 << 0 << int(ClTovuCommandGetImageQuarity::usCommandCode) << params(9) << params(4);
        QTest::newRow("interval wait beyond 72 hours, interval 0")
            << 0 << 3 << int(ClTovuCommandGetIntervalTimer::usCommandCode) << params(2, 4000000000u, 0)
            << params(2, 72 * 3600, 1);
    }

    void oddCameraValuesAreWrittenAsShown()
    {
        QFETCH(int, lModel);
        QFETCH(int, lRow);
        QFETCH(int, lGetCode);
        QFETCH(ClVirtualCamera::Params, arrOdd);
        QFETCH(ClVirtualCamera::Params, arrWritten);
        openSection(lModel);
        upRig->camera().setNumbers(quint16(lGetCode), arrOdd);
        showRow(lRow);
        QVERIFY(upRig->settle());
        auto* pclPage = qobject_cast<ClWidgetBase*>(pclSection->currentPage());
        QVERIFY(pclPage);
        QSignalSpy clApplied(pclPage, &ClWidgetBase::sigSetLog);
        upRig->apply(pclPage);
        QCOMPARE(upRig->camera().numbers(quint16(lGetCode)), arrWritten);
        QCOMPARE(clApplied.size(), 1);
        // Confirmed: nothing more to write.
        upRig->apply(pclPage);
        QCOMPARE(upRig->sentKinds().count(requestKind<ClTovuCommandReqJpeg>()), upRig->lstSent.size());
        QVERIFY(upRig->lstBoxes.isEmpty());
    }

    void sizeAndBitRateApplied_data()
    {
        QTest::addColumn<bool>("bRecording");
        QTest::newRow("stopped") << false;
        QTest::newRow("recording") << true;
    }

    void sizeAndBitRateApplied()
    {
        QFETCH(bool, bRecording);
        ClWidgetRecSetting* pclRec = openRecording();
        QVERIFY(pclRec);
        upRig->camera().setRecording(bRecording);
        pclSection->findChild<QComboBox*>("comboRecResolution")->setCurrentIndex(2);
        pclRec->rateRows()->bitRateSlider()->setValue(2000000);
        QSignalSpy clApplied(pclRec, &ClWidgetBase::sigSetLog);
        upRig->worker().clear();
        pclRec->slotApply();
        QTRY_COMPARE_WITH_TIMEOUT(upRig->worker().count(ClCommandKinds::result()), 2, lWait);
        const quint32 ulSize = upRig->camera().numbers(ClTovuCommandGetRecImagesize::usCommandCode)[0];
        const quint32 ulBitRate = upRig->camera().numbers(ClTovuCommandGetRecBitrate::usCommandCode)[0];
        if (!bRecording) {
            // 640 x 480 goes out as its code, 3.
            QCOMPARE(ulSize, 3u);
            QCOMPARE(ulBitRate, 2000000u);
            QCOMPARE(clApplied.size(), 1);
            QCOMPARE(upRig->lstBoxes, QStringList());
            return;
        }
        // A recording camera refuses: one box that says why, for both refused changes;
        // nothing claimed as applied.
        QCOMPARE(upRig->lstBoxes, QStringList({QStringLiteral("Set failed for recording")}));
        QCOMPARE(clApplied.size(), 0);
        QCOMPARE(ulSize, 2u);
        QCOMPARE(ulBitRate, 4000000u);
    }

    void liveBitRateOnlyWhereSupported()
    {
        openSection(0);
        auto* pclLive = page<ClWidgetLiveSetting>();
        QVERIFY(!pclLive->rateRows()->isBitRateShown());
        QVERIFY(pclLive->rateRows()->isFrameRateShown());
        pclSection->setCameraInfo(1, QStringLiteral("01.00.011"));
        QVERIFY(pclLive->rateRows()->isBitRateShown());

        upRig.reset();
        pclSection = nullptr;
        openSection(1);
        showRow(2);
        pclLive = page<ClWidgetLiveSetting>();
        QTRY_VERIFY_WITH_TIMEOUT(upRig->worker().count(replyKind<ClTovuCommandGetLiveBitrate>()) == 1, lWait);
        pclSection->findChild<QComboBox*>("comboLiveResolution")->setCurrentIndex(1);
        pclLive->rateRows()->bitRateSlider()->setValue(2000000);
        pclLive->slotApply();
        QTRY_COMPARE_WITH_TIMEOUT(upRig->camera().numbers(ClTovuCommandGetLiveBitrate::usCommandCode)[0], 2000000u,
                                  lWait);
        QCOMPARE(upRig->camera().numbers(ClTovuCommandGetLiveImagesize::usCommandCode)[0], 2u);
        // The preview now gets the smaller live picture.
        QTRY_COMPARE_WITH_TIMEOUT(pclSection->preview()->picture().size(), QSize(320, 240), lWait);
    }
};

QTEST_MAIN(TestWidgetStream)
#include "TestWidgetStream.moc"
