// The stream section through the real main window, USB worker and emulated camera, as a
// person uses it: the preview shows the camera's picture, a 180-degree rotation applied
// turns the next picture, recording settings applied are read back by Reload, and an
// unplugged camera leaves none of its values on the pages. Capture is the stream page's.
#include "WindowRig.h"
#include "pages/schedule/ClWidgetWeekday.h"
#include "pages/stream/ClImageView2.h"
#include "pages/stream/ClWidgetStreamBase.h"
#include "pages/stream/ClWidgetStreamSetting.h"
#include "protocol/TypedKinds.h"
#include "virtualcamera/ClVirtualCameraPicture.h"
#include "virtualcamera/ClVirtualCameraWire.h"

#include <QComboBox>
#include <QLineEdit>
#include <QRadioButton>
#include <QSlider>

namespace {
constexpr int lWait = 8000;
constexpr qint32 lStreamMode = 4;
constexpr qint32 lScheduleMode = 5;

// Whether the camera's orange marker is in the top-left (normal) or bottom-right corner.
bool markerAt(const QImage& clImage, bool bBottomRight)
{
    if (clImage.isNull())
        return false;
    const int lX = bBottomRight ? clImage.width() - 12 : 12;
    const int lY = bBottomRight ? clImage.height() - 12 : 12;
    const QColor clPixel = clImage.pixelColor(lX, lY);
    const QColor& clMarker = ClVirtualCameraPicture::clMarker;
    return qAbs(clPixel.red() - clMarker.red()) < 40 && qAbs(clPixel.green() - clMarker.green()) < 40
        && qAbs(clPixel.blue() - clMarker.blue()) < 40;
}
}  // namespace

class TestWindowStream : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<WindowRig> upRig;

    ClWidgetStreamSetting* section() const
    {
        return qobject_cast<ClWidgetStreamSetting*>(upRig->window().page(lStreamMode));
    }
    template <class T> T* find(const char* pszName) const { return upRig->find<T>(pszName); }
    static void click(QWidget* pclWidget) { WindowRig::click(pclWidget); }
    void typeInto(QLineEdit* pclEdit, const QString& strText)
    {
        pclEdit->setFocus();
        pclEdit->selectAll();
        QTest::keyClick(pclEdit, Qt::Key_Backspace);
        QTest::keyClicks(pclEdit, strText);
        // Leaving the field finishes the edit; Return would apply it as well.
        QTest::keyClick(pclEdit, Qt::Key_Tab);
    }

private Q_SLOTS:
    void init()
    {
        upRig = std::make_unique<WindowRig>(200);
        upRig->window().show();
    }
    void cleanup() { upRig.reset(); }

    // The values applied, and the first camera's own quality and schedule, are then gone
    // with it: none is left on the stream and schedule pages, and the next camera shows its
    // own.
    void appliedThenPulledOutForASecondCamera()
    {
        auto* pclCamera = new ClVirtualCamera(1);
        pclCamera->setNumbers(ClTovuCommandGetImageQuarity::usCommandCode, {4, 0, 0, 0, 0});
        pclCamera->setNumbers(ClTovuCommandGetScheOnOff::usCommandCode, {2, 0, 0, 0, 0});
        pclCamera->setNumbers(
            ClTovuCommandGetScheSetting::usCommandCode,
            {2, 2, ClVirtualCameraWire::packHhmm(QTime(22, 0)), ClVirtualCameraWire::packHhmm(QTime(2, 0)), 0}, 2);
        upRig->bus().plug(pclCamera);
        QTRY_VERIFY_WITH_TIMEOUT(upRig->window().modeBar()->button(lStreamMode)->isEnabled(), lWait);
        click(upRig->window().modeBar()->button(lStreamMode));
        auto* pclQuality = find<QSlider>("sliderQuality");
        QTRY_COMPARE_WITH_TIMEOUT(pclQuality->value(), 4, lWait);
        ClWidgetStreamBase* pclPreview = section()->preview();
        // The camera's picture, upright.
        QTRY_VERIFY_WITH_TIMEOUT(markerAt(pclPreview->picture(), false), lWait);
        QCOMPARE(pclPreview->picture().size(), QSize(800, 480));

        click(find<QRadioButton>("radioRotate180"));
        upRig->apply();
        QTRY_COMPARE_WITH_TIMEOUT(pclCamera->numbers(ClTovuCommandGetRotate180::usCommandCode)[0], 2u, lWait);
        QTRY_VERIFY_WITH_TIMEOUT(markerAt(pclPreview->picture(), true), lWait);
        QVERIFY(!markerAt(pclPreview->picture(), false));
        // What the user sees is what was received: the view holds the same picture.
        QCOMPARE(pclPreview->view()->image().cacheKey(), pclPreview->picture().cacheKey());

        WindowRig::openRow(section(), 1);
        QCOMPARE(section()->currentRow(), 1);
        auto* pclSize = find<QComboBox>("comboRecResolution");
        auto* pclFps = find<QLineEdit>("editRecFrameRate");
        auto* pclBitRate = find<QLineEdit>("editRecBitRate");
        // The camera's own values first: 1280 x 720, 30 fps, 4000 kbps.
        QTRY_COMPARE_WITH_TIMEOUT(pclBitRate->text(), QStringLiteral("4000"), lWait);
        QCOMPARE(pclSize->currentIndex(), 1);
        QCOMPARE(pclFps->text(), QStringLiteral("30"));

        pclSize->setCurrentIndex(2);
        typeInto(pclFps, QStringLiteral("10"));
        typeInto(pclBitRate, QStringLiteral("1500"));
        upRig->apply();
        QTRY_COMPARE_WITH_TIMEOUT(pclCamera->numbers(ClTovuCommandGetRecBitrate::usCommandCode)[0], 1500000u, lWait);
        QCOMPARE(pclCamera->numbers(ClTovuCommandGetRecImagesize::usCommandCode)[0], 3u);
        QCOMPARE(pclCamera->numbers(ClTovuCommandGetRecFramerate::usCommandCode)[0], 10u);
        QTRY_VERIFY_WITH_TIMEOUT(upRig->log().contains(QStringLiteral("Recording setting")), lWait);

        // Changed on screen but not applied: Reload shows the camera's values again.
        // (Every field changed, so that each wait below is for the camera's answer: an
        // answer still on its way would overwrite what is typed next.)
        pclSize->setCurrentIndex(0);
        typeInto(pclFps, QStringLiteral("30"));
        typeInto(pclBitRate, QStringLiteral("1000"));
        upRig->reload();
        QTRY_COMPARE_WITH_TIMEOUT(pclSize->currentIndex(), 2, lWait);
        QTRY_COMPARE_WITH_TIMEOUT(pclFps->text(), QStringLiteral("10"), lWait);
        QTRY_COMPARE_WITH_TIMEOUT(pclBitRate->text(), QStringLiteral("1500"), lWait);

        click(upRig->window().modeBar()->button(lScheduleMode));
        auto* pclMonday = upRig->window().page(lScheduleMode)->findChild<ClWidgetWeekday*>("rowDay1");
        auto* pclEnable = find<QCheckBox>("checkScheduleEnable");
        QTRY_VERIFY_WITH_TIMEOUT(pclEnable->isChecked(), lWait);
        QCOMPARE(pclMonday->startTime(), QTime(22, 0));

        upRig->bus().unplug(pclCamera);
        QTRY_COMPARE_WITH_TIMEOUT(upRig->window().currentPage(), 0, lWait);
        QCOMPARE(find<QComboBox>("comboRecResolution")->currentIndex(), 0);
        QCOMPARE(find<QLineEdit>("editRecFrameRate")->text(), QStringLiteral("30"));
        QCOMPARE(pclBitRate->text(), QStringLiteral("384"));
        QCOMPARE(pclQuality->value(), 0);
        QVERIFY(find<QRadioButton>("radioRotateNormal")->isChecked());
        QVERIFY(section()->preview()->picture().isNull());
        QVERIFY(section()->preview()->view()->image().isNull());
        QVERIFY(!pclEnable->isChecked());
        QVERIFY(!pclMonday->hasPeriod());
        QVERIFY(!pclMonday->isSwitchedOn());

        // The second camera keeps the factory values: its own are shown, the first's are not.
        auto* pclSecond = new ClVirtualCamera(1);
        upRig->bus().plug(pclSecond);
        QTRY_COMPARE_WITH_TIMEOUT(upRig->window().currentPage(), lScheduleMode, lWait);
        QTRY_COMPARE_WITH_TIMEOUT(pclMonday->startTime(), QTime(9, 0), lWait);
        QVERIFY(!pclEnable->isChecked());
        click(upRig->window().modeBar()->button(lStreamMode));
        QTRY_COMPARE_WITH_TIMEOUT(pclBitRate->text(), QStringLiteral("4000"), lWait);
        QCOMPARE(find<QComboBox>("comboRecResolution")->currentIndex(), 1);
        WindowRig::openRow(section(), 0);
        QTRY_COMPARE_WITH_TIMEOUT(pclQuality->value(), 2, lWait);
        QVERIFY(upRig->lstBoxes.isEmpty());
    }
};

QTEST_MAIN(TestWindowStream)
#include "TestWindowStream.moc"
