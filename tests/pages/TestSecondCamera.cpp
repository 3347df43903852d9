// A second camera plugged in after the first, on each section that shows a camera's values:
// the user looked at every row of the first, the window told the section it was pulled out,
// and once the second camera has answered, no value of the first is left on screen.
#include "framework/ClPageListView.h"
#include "pages/basic/ClWidgetBasicSetting.h"
#include "pages/network/ClWidgetInfrastructure.h"
#include "pages/network/ClWidgetNetwork.h"
#include "pages/network/ClWidgetNetworkSetting.h"
#include "pages/status/ClWidgetCameraState.h"
#include "pages/stream/ClWidgetStreamSetting.h"
#include "protocol/TypedKinds.h"
#include "tests/pages/PageRig.h"
#include "virtualcamera/ClVirtualCameraStatusReport.h"

#include <QAbstractSpinBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include <functional>

namespace {
struct Section
{
    int lModel;
    std::function<QWidget*()> fnCreate;
    // The first camera's values (bFirst) or the second's, each its own.
    std::function<void(ClVirtualCamera&, bool bFirst)> fnGive;
    QStringList lstFirstValues;
    // Some of the second camera's, to tell a section that read it from one that went blank.
    QStringList lstSecondValues;
    // What the user opens on a row beyond the row itself (tabs, sub-pages).
    std::function<void(QWidget*, PageRig&)> fnVisit = {};
};

constexpr quint32 ipv4(quint32 a, quint32 b, quint32 c, quint32 d)
{
    return (a << 24) | (b << 16) | (c << 8) | d;
}

// The first camera joined to its access point, the second running its own network.
void giveNetwork(ClVirtualCamera& clCamera, bool bFirst)
{
    const QByteArray clName = bFirst ? "First" : "Second";
    const quint32 ulHost = bFirst ? 11 : 22;
    ClVirtualCamera::AccessPoint stPoint;
    stPoint.clSsid = clName + "-AP";
    stPoint.clBssid = "00:11:22:33:44:55";
    stPoint.ulEncryption = 4;
    stPoint.ulSignal = 50;
    stPoint.clKey = clName + "-ap-key";
    clCamera.setAccessPoints({stPoint});
    clCamera.setText(ClTovuCommandGetInfraSsid::usCommandCode, stPoint.clSsid);
    clCamera.setText(ClTovuCommandGetInfraKey::usCommandCode, stPoint.clKey);
    clCamera.setText(ClTovuCommandGetSsid::usCommandCode, "Tovu-" + clName);
    clCamera.setText(ClTovuCommandGetAdhocKey::usCommandCode, clName + "-adhoc-key");
    clCamera.setNumbers(ClTovuCommandGetAdhocAddress::usCommandCode, {ipv4(10, 1, 1, ulHost)});
    clCamera.setNumbers(ClTovuCommandGetInfraAddress::usCommandCode, {ipv4(10, 2, 2, ulHost)});
    clCamera.setNumbers(ClTovuCommandGetRtstPort::usCommandCode, {2000 + ulHost});
    clCamera.setNumbers(ClTovuCommandGetWifiMode::usCommandCode, {bFirst ? 1u : 2u});
}

// Every text the section holds, on the row shown or on the others.
QStringList textsOf(QWidget* pclRoot)
{
    QStringList lstTexts;
    for (QLabel* pclLabel : pclRoot->findChildren<QLabel*>())
        lstTexts.append(pclLabel->text());
    for (QLineEdit* pclEdit : pclRoot->findChildren<QLineEdit*>())
        lstTexts.append(pclEdit->text());
    for (QAbstractSpinBox* pclSpin : pclRoot->findChildren<QAbstractSpinBox*>())
        lstTexts.append(pclSpin->text());
    return lstTexts;
}
}  // namespace

Q_DECLARE_METATYPE(Section)

class TestSecondCamera : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void noValueOfTheFirstLeft_data()
    {
        QTest::addColumn<Section>("stSection");
        QTest::newRow("basic") << Section {
            0,
            [] { return new ClWidgetBasicSetting(); },
            [](ClVirtualCamera& clCamera, bool bFirst) {
                clCamera.setText(ClTovuCommandGetCameraName::usCommandCode, bFirst ? "FIRST1" : "SECOND2");
                clCamera.setCameraTime(QDateTime(QDate(bFirst ? 2031 : 2042, 1, 1), QTime(1, 0)));
            },
            {"FIRST1", "2031"},
            {"SECOND2", "2042"}};
        QTest::newRow("stream") << Section {1,
                                            [] { return new ClWidgetStreamSetting(); },
                                            [](ClVirtualCamera& clCamera, bool bFirst) {
                                                clCamera.setNumbers(ClTovuCommandGetRecBitrate::usCommandCode,
                                                                    {bFirst ? 3333000u : 2222000u});
                                            },
                                            {"3333"},
                                            {"2222"}};
        QTest::newRow("camera state") << Section {0,
                                                  [] { return new ClWidgetCameraState(); },
                                                  [](ClVirtualCamera& clCamera, bool bFirst) {
                                                      ClVirtualCameraStatusReport stReport;
                                                      stReport.oBatteryLevel = bFirst ? 37 : 64;
                                                      clCamera.setStatusReport(stReport);
                                                  },
                                                  {"37%"},
                                                  {"64%"}};
        QTest::newRow("network") << Section {
            0,
            [] { return new ClWidgetNetworkSetting(); },
            giveNetwork,
            {"First-AP", "Tovu-First", "First-adhoc-key", "10.1.1.11", "10.2.2.11", "2011"},
            {"Tovu-Second", "10.1.1.22"},
            [](QWidget* pclSection, PageRig& clRig) {
                auto* pclNetwork = pclSection->findChild<ClWidgetNetwork*>();
                for (QPushButton* pclButton :
                     pclNetwork->findChildren<QPushButton*>(QStringLiteral("buttonIpSetting"))) {
                    if (!pclButton->isHidden())
                        pclButton->click();
                }
                QVERIFY(clRig.settle());
                pclNetwork->slotChangeTab(1);
                QVERIFY(clRig.settle());
            }};
    }

    void noValueOfTheFirstLeft()
    {
        QFETCH(Section, stSection);
        std::unique_ptr<QWidget> upSection(stSection.fnCreate());
        auto* pclPage = dynamic_cast<ClPage*>(upSection.get());
        QVERIFY(pclPage);
        for (bool bFirst : {true, false}) {
            PageRig clRig(stSection.lModel);
            stSection.fnGive(clRig.camera(), bFirst);
            clRig.attach(pclPage);
            // Every row looked at, as the user may have.
            if (auto* pclList = qobject_cast<ClListWidgetBase*>(upSection.get())) {
                for (int lRow = pclList->pageCount() - 1; lRow >= 0; --lRow) {
                    pclList->slotPageChange(pclList->listView()->model()->index(lRow, 0));
                    QVERIFY(clRig.settle());
                    if (stSection.fnVisit && bFirst && lRow == 0)
                        stSection.fnVisit(upSection.get(), clRig);
                }
            }
            const QStringList lstTexts = textsOf(upSection.get());
            for (const QString& strValue : stSection.lstFirstValues)
                QVERIFY2(lstTexts.contains(strValue) == bFirst, qPrintable(strValue));
            for (const QString& strValue : stSection.lstSecondValues)
                QVERIFY2(lstTexts.contains(strValue) != bFirst, qPrintable(strValue));
            // It is pulled out, as the window tells its pages.
            pclPage->deactivate(&clRig.host());
            pclPage->setCameraInfo(-1, QString());
        }
    }
};

QTEST_MAIN(TestSecondCamera)
#include "TestSecondCamera.moc"
