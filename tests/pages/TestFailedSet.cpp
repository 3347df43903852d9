// A Set the camera fails, on every page that writes to it: refused with a status, or lost
// on the wire. The user gets one box that says so and no word of it being applied; the
// page still holds the change, and the next Apply, the camera willing, writes it and says
// it was applied.
#include "framework/ClPageListView.h"
#include "pages/basic/ClWidgetBasicSetting.h"
#include "pages/network/ClWidgetNetwork.h"
#include "pages/network/ClWidgetNetworkSetting.h"
#include "pages/schedule/ClWidgetScheduleSetting.h"
#include "pages/stream/ClWidgetStreamSetting.h"
#include "protocol/ClResultCode.h"
#include "tests/pages/PageRig.h"

#include <QAbstractSlider>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>

#include <functional>

namespace {
enum class Section { Basic, Network, Schedule, Stream };

struct Change
{
    Section eSection;
    int lRow;
    // What the user changes on the page shown (waiting for the camera where a step reads it).
    std::function<void(QWidget*, PageRig&)> fnChange;
};

template <class T> T* child(QWidget* pclPage, const char* pszName)
{
    T* pclChild = pclPage->findChild<T*>(QLatin1String(pszName));
    if (pclChild == nullptr)
        qFatal("no %s on the page", pszName);
    return pclChild;
}
void toggleGroup(QWidget* pclPage, const char* pszName)
{
    auto* pclGroup = child<QGroupBox>(pclPage, pszName);
    pclGroup->setChecked(!pclGroup->isChecked());
}
void nextIndex(QWidget* pclPage, const char* pszName)
{
    auto* pclCombo = child<QComboBox>(pclPage, pszName);
    pclCombo->setCurrentIndex((pclCombo->currentIndex() + 1) % pclCombo->count());
}
}  // namespace

Q_DECLARE_METATYPE(Change)

class TestFailedSet : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void failedSetIsReportedAndWrittenNextTime_data()
    {
        QTest::addColumn<Change>("stChange");
        QTest::addColumn<int>("lStatus");  // the camera's refusal; 0: lost on the wire
        QTest::addColumn<QString>("strBox");
        const QList<std::pair<const char*, Change>> lstChanges {
            {"time",
             {Section::Basic, 0, [](QWidget* pclPage, PageRig&) { child<QSpinBox>(pclPage, "spinYear")->stepBy(1); }}},
            {"time's GPS switch",
             {Section::Basic, 0,
              [](QWidget* pclPage, PageRig&) { child<QCheckBox>(pclPage, "checkAdjustGps")->toggle(); }}},
            {"GPS", {Section::Basic, 1, [](QWidget* pclPage, PageRig&) { toggleGroup(pclPage, "groupGps"); }}},
            {"Wi-Fi country",
             {Section::Basic, 2, [](QWidget* pclPage, PageRig&) { nextIndex(pclPage, "comboWifiCountry"); }}},
            {"password switch",
             {Section::Basic, 3, [](QWidget* pclPage, PageRig&) { toggleGroup(pclPage, "groupPasswordUse"); }}},
            {"camera name",
             {Section::Basic, 4,
              [](QWidget* pclPage, PageRig&) {
                  child<QLineEdit>(pclPage, "editCameraName")->setText(QStringLiteral("Porch"));
              }}},
            {"Wi-Fi off",
             {Section::Network, 0,
              [](QWidget* pclPage, PageRig&) { qobject_cast<ClWidgetNetwork*>(pclPage)->slotChangeTab(2); }}},
            {"ad hoc address",
             {Section::Network, 0,
              [](QWidget* pclPage, PageRig& clRig) {
                  qobject_cast<ClWidgetNetwork*>(pclPage)->slotChangeTab(1);
                  QVERIFY(clRig.settle());
                  child<QLineEdit>(pclPage, "editAdhocAddress")->setText(QStringLiteral("192.168.10.20"));
              }}},
            {"fixed IP address",
             {Section::Network, 0,
              [](QWidget* pclPage, PageRig& clRig) {
                  // Through the joined network's button, as the user gets there.
                  for (QPushButton* pclButton :
                       pclPage->findChildren<QPushButton*>(QStringLiteral("buttonIpSetting"))) {
                      if (!pclButton->isHidden())
                          pclButton->click();
                  }
                  QVERIFY(clRig.settle());
                  child<QRadioButton>(pclPage, "radioDhcpOff")->setChecked(true);
                  child<QLineEdit>(pclPage, "editInfraAddress")->setText(QStringLiteral("192.168.0.77"));
              }}},
            {"both ports, the first failing",
             {Section::Network, 1,
              [](QWidget* pclPage, PageRig&) {
                  child<QGroupBox>(pclPage, "groupRtsp")->setChecked(true);
                  child<QLineEdit>(pclPage, "editRtspPort")->setText(QStringLiteral("8554"));
                  child<QGroupBox>(pclPage, "groupHttp")->setChecked(true);
                  child<QLineEdit>(pclPage, "editHttpPort")->setText(QStringLiteral("8080"));
              }}},
            {"schedule switch",
             {Section::Schedule, 0,
              [](QWidget* pclPage, PageRig&) { child<QCheckBox>(pclPage, "checkScheduleEnable")->toggle(); }}},
            {"picture quality",
             {Section::Stream, 0,
              [](QWidget* pclPage, PageRig&) {
                  child<QAbstractSlider>(pclPage, "sliderQuality")->triggerAction(QAbstractSlider::SliderSingleStepAdd);
              }}},
            {"recording size",
             {Section::Stream, 1, [](QWidget* pclPage, PageRig&) { nextIndex(pclPage, "comboRecResolution"); }}},
            {"live size",
             {Section::Stream, 2, [](QWidget* pclPage, PageRig&) { nextIndex(pclPage, "comboLiveResolution"); }}},
            {"interval timer",
             {Section::Stream, 3, [](QWidget* pclPage, PageRig&) { toggleGroup(pclPage, "groupInterval"); }}},
        };
        for (const auto& [pszName, stChange] : lstChanges) {
            QTest::addRow("%s, refused", pszName) << stChange << 0xFFFB << "Parameter setting failed";
            QTest::addRow("%s, lost on the wire", pszName) << stChange << 0 << "Exec failed, unknown error";
        }
        // A camera that is broadcasting says so, and the user is told why, not just that it failed.
        QTest::addRow("live size, while broadcasting")
            << lstChanges.at(13).second << int(ClResultCode::usBroadcasting)
            << "The setting cannot be changed when broadcasting";
    }

    void failedSetIsReportedAndWrittenNextTime()
    {
        QFETCH(Change, stChange);
        QFETCH(int, lStatus);
        QFETCH(QString, strBox);
        // The schedule is the Tovu-S's; the rest is on the Tovu.
        PageRig clRig(stChange.eSection == Section::Schedule ? 1 : 0);
        ClWidgetBase* pclPage = open(clRig, stChange);
        QVERIFY(pclPage);
        stChange.fnChange(pclPage, clRig);
        if (QTest::currentTestFailed())
            return;
        if (lStatus == 0) {
            clRig.camera().failTransfers(ClVirtualUsbDevice::Direction::Write, 1, -116);
        } else {
            clRig.camera().setFaultStatus(quint16(lStatus));
            clRig.camera().injectFault(ClVirtualCamera::Fault::Status);
        }
        clRig.lstLogs.clear();
        clRig.apply(pclPage);
        QCOMPARE(clRig.lstBoxes, QStringList(strBox));
        clRig.lstLogs.removeAll(QString());
        QCOMPARE(clRig.lstLogs, QStringList());

        clRig.apply(pclPage);
        QVERIFY(!clRig.lstSent.isEmpty());
        clRig.lstLogs.removeAll(QString());
        QVERIFY(!clRig.lstLogs.isEmpty());
        QCOMPARE(clRig.lstBoxes.size(), 1);
    }

private:
    // The page of the change, shown in its section as the user opens it, once it has read
    // the camera.
    static ClWidgetBase* open(PageRig& clRig, const Change& stChange)
    {
        if (stChange.eSection == Section::Schedule) {
            auto* pclPage = new ClWidgetScheduleSetting(&clRig.host());
            clRig.attach(pclPage);
            return pclPage;
        }
        ClListWidgetBase* pclSection = nullptr;
        switch (stChange.eSection) {
        case Section::Basic:
            pclSection = new ClWidgetBasicSetting(&clRig.host());
            break;
        case Section::Network:
            pclSection = new ClWidgetNetworkSetting(&clRig.host());
            break;
        default:
            pclSection = new ClWidgetStreamSetting(&clRig.host());
            break;
        }
        clRig.attach(pclSection);
        pclSection->slotPageChange(pclSection->listView()->model()->index(stChange.lRow, 0));
        if (!clRig.settle())
            return nullptr;
        return qobject_cast<ClWidgetBase*>(pclSection->currentPage());
    }
};

QTEST_MAIN(TestFailedSet)
#include "TestFailedSet.moc"
