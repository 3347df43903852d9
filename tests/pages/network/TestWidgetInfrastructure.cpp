// The infrastructure tab: the rows the access-point list shows (the joined network once
// and first, and only while the camera is joined to it; hidden names, unknown encryption,
// duplicates, bytes that are no text, too many entries, signals out of range), choosing an
// open or an encrypted network (a wrong key as a camera takes it), each failing choice
// reported, manual entry with and without a key, keys the field refuses, and a camera that
// never answers.
#include "pages/network/ClWidgetApInfo.h"
#include "pages/network/ClWidgetApList.h"
#include "pages/network/ClWidgetInfrastructure.h"
#include "pages/network/ClWidgetInfrastructureSearch.h"
#include "pages/network/ClWidgetNetwork.h"
#include "protocol/TypedKinds.h"
#include "tests/pages/PageRig.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QtTest>

namespace {
constexpr quint16 usInfraSsid = ClTovuCommandGetInfraSsid::usCommandCode;
constexpr quint16 usInfraKey = ClTovuCommandGetInfraKey::usCommandCode;
using Points = QList<ClVirtualCamera::AccessPoint>;

ClVirtualCamera::AccessPoint point(const QByteArray& clSsid, quint32 ulEncryption, quint32 ulSignal,
                                   const QByteArray& clKey = QByteArray())
{
    ClVirtualCamera::AccessPoint stPoint;
    stPoint.clSsid = clSsid;
    stPoint.clBssid = "00:11:22:33:44:55";
    stPoint.ulEncryption = ulEncryption;
    stPoint.ulSignal = ulSignal;
    stPoint.clKey = clKey;
    return stPoint;
}
}  // namespace
Q_DECLARE_METATYPE(Points)

class TestWidgetInfrastructure : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init() { upRig = std::make_unique<PageRig>(0); }
    void cleanup() { upRig.reset(); }

    void rows_data()
    {
        QTest::addColumn<Points>("lstPoints");
        QTest::addColumn<QStringList>("lstRows");
        // The camera is joined to nothing in these lists (its stored network is not among them).
        QTest::newRow("none") << Points {} << QStringList {};
        QTest::newRow("hidden names are not shown")
            << Points {point("", 4, 50), point("Visible", 0, 50), point("", 0, 70)} << QStringList {"Visible"};
        QTest::newRow("one row per name") << Points {point("Twin", 4, 85), point("Other", 0, 60), point("Twin", 4, 62)}
                                          << QStringList {"Twin", "Other"};
        QTest::newRow("UTF-8 names are read as text")
            << Points {point(QStringLiteral("喫茶店").toUtf8(), 0, 60)} << QStringList {QStringLiteral("喫茶店")};
        QTest::newRow("32 bytes that are no text, control characters")
            << Points {point(QByteArray(32, '\xff'), 0, 60), point("Tab\tName\x01", 0, 60)}
            << QStringList {QString::fromLatin1(QByteArray(32, '\xff')), QStringLiteral("Tab\tName\x01")};
        Points lstMany;
        for (int i = 0; i < 256; ++i)
            lstMany.append(point("Net-" + QByteArray::number(i), 4, 40 + quint32(i % 60)));
        QStringList lstManyRows;
        for (int i = 0; i < 256; ++i)
            lstManyRows.append(QStringLiteral("Net-%1").arg(i));
        QTest::newRow("256 entries") << lstMany << lstManyRows;
    }

    void rows()
    {
        QFETCH(Points, lstPoints);
        QFETCH(QStringList, lstRows);
        upRig->camera().setAccessPoints(lstPoints);
        open();
        QCOMPARE(rowNames(), lstRows);
        for (ClWidgetApInfo* pclRow : search()->apList()->rows())
            QVERIFY(!pclRow->isConnected());
        if (ClWidgetApInfo* pclTwin = row(QStringLiteral("Twin")))
            QCOMPARE(pclTwin->signalLevel(), 3);  // the stronger access point of the two
        if (ClWidgetApInfo* pclBytes = row(QString::fromLatin1(QByteArray(32, '\xff')))) {
            // Shown, but it cannot be chosen: no text sends those bytes back.
            QTest::mouseClick(pclBytes, Qt::LeftButton, {}, QPoint(100, 20));
            QVERIFY(upRig->lastSent(requestKind<ClTovuCommandSetInfraSsid>()).isEmpty());
        }
        QCOMPARE(upRig->lstBoxes, QStringList());
    }

    void joinedNetworkIsTheCamerasOwn()
    {
        // In range and joined: shown first, once, checked, with its button to the IP settings,
        // and with the signal the camera has of it (a weak one, one bar).
        upRig->camera().setAccessPoints(
            {point("Alpha", 0, 60), point("HomeNetwork", 4, 90, "correct-horse"), point("Beta", 2, 70)});
        open();
        QCOMPARE(rowNames(), QStringList({"HomeNetwork", "Alpha", "Beta"}));
        QVERIFY(row("HomeNetwork")->isConnected());
        QCOMPARE(row("HomeNetwork")->signalLevel(), 1);
        QPushButton* pclIp = row("HomeNetwork")->findChild<QPushButton*>("buttonIpSetting");
        QVERIFY(!pclIp->isHidden());
        QVERIFY(row("Alpha")->findChild<QPushButton*>("buttonIpSetting")->isHidden());
        pclIp->click();
        QCOMPARE(pclPage->infrastructurePage()->currentPage(), 3);

        // The camera's own name as the joined one (its own network): not shown as joined.
        upRig->camera().setText(ClTovuCommandGetSsid::usCommandCode, "HomeNetwork");
        pclPage->slotReload();
        QVERIFY(upRig->settle());
        search()->requestData(true);
        QVERIFY(upRig->settle());
        QCOMPARE(rowNames(), QStringList({"Alpha", "HomeNetwork", "Beta"}));
        QVERIFY(!row("HomeNetwork")->isConnected());
    }

    void joinedOnlyWhileTheCameraSaysSo_data()
    {
        QTest::addColumn<bool>("bReload");
        QTest::newRow("next poll") << false;
        QTest::newRow("Reload") << true;
    }

    void joinedOnlyWhileTheCameraSaysSo()
    {
        QFETCH(bool, bReload);
        upRig->camera().setAccessPoints({point("Alpha", 0, 60), point("HomeNetwork", 4, 50, "correct-horse")});
        open();
        QVERIFY(row("HomeNetwork")->isConnected());
        // The camera leaves its network (a wrong key stored by another tool): no row is
        // ticked any more, and none offers the IP settings.
        upRig->camera().setText(usInfraKey, "not-the-key");
        if (bReload)
            pclPage->slotReload();
        else
            search()->requestData(true);
        QVERIFY(upRig->settle());
        QCOMPARE(upRig->camera().wifiLink().ulState, 1u);
        QCOMPARE(rowNames(), QStringList({"Alpha", "HomeNetwork"}));
        for (ClWidgetApInfo* pclRow : search()->apList()->rows()) {
            QVERIFY(!pclRow->isConnected());
            QVERIFY(pclRow->findChild<QPushButton*>("buttonIpSetting")->isHidden());
        }
    }

    void openNetworkJoinedAtOnce_data()
    {
        QTest::addColumn<quint32>("ulEncryption");
        QTest::newRow("open") << 0u;
        QTest::newRow("code 3 is taken as open") << 3u;
        QTest::newRow("0xFFFFFFFF") << 0xFFFFFFFFu;
    }

    void openNetworkJoinedAtOnce()
    {
        QFETCH(quint32, ulEncryption);
        upRig->camera().setAccessPoints(
            {point("HomeNetwork", 4, 50, "correct-horse"), point("Open", ulEncryption, 60)});
        open();
        QVERIFY(!row("Open")->isEncrypted());
        choose(QStringLiteral("Open"));
        QVERIFY(upRig->settle());
        QCOMPARE(upRig->camera().text(usInfraSsid), QByteArray("Open"));
        // The SSID's completion switches the camera to infrastructure mode.
        QCOMPARE(upRig->lstLogs.constLast(), QStringLiteral("Infrastructure communication mode is applied"));
        QCOMPARE(upRig->camera().wifiLink().clSsid, QByteArray("Open"));
        QCOMPARE(pclPage->infrastructurePage()->currentPage(), 0);
    }

    void eachFailingChoiceIsReported()
    {
        upRig->camera().setAccessPoints({point("HomeNetwork", 4, 50, "correct-horse"), point("Open", 0, 60)});
        open();
        upRig->camera().setFaultStatus(0xFFFB);
        for (int i = 1; i <= 2; ++i) {
            upRig->camera().injectFault(ClVirtualCamera::Fault::Status, 1);
            choose(QStringLiteral("Open"));
            QVERIFY(upRig->settle());
            QCOMPARE(upRig->lstBoxes, QStringList(i, ClWidgetBase::commandErrorText(0xFFFB)));
        }
        QVERIFY(!upRig->sentKinds().contains(requestKind<ClTovuCommandWifiChange>()));
    }

    void encryptedNetworkWithItsKey()
    {
        upRig->camera().setAccessPoints(
            {point("HomeNetwork", 4, 50, "correct-horse"), point("Secure", 4, 60, "right-key-1")});
        open();
        choose(QStringLiteral("Secure"));
        QCOMPARE(pclPage->infrastructurePage()->currentPage(), 2);
        auto* pclKey = pclPage->findChild<QWidget*>("pageInfraApSelect")->findChild<QLineEdit*>("editKey");
        QCOMPARE(pclKey->echoMode(), QLineEdit::Password);

        // Without a key nothing goes out.
        const int lSent = int(upRig->lstSent.size());
        pclPage->slotApply();
        QVERIFY(upRig->settle());
        QCOMPARE(int(upRig->lstSent.size()), lSent);

        // A wrong key: the camera stores it, switches to infrastructure mode and fails to
        // join, so no network is shown as joined.
        typeText(pclKey, QStringLiteral("wrong-key"));
        pclPage->slotApply();
        QVERIFY(upRig->settle());
        QCOMPARE(upRig->camera().text(usInfraKey), QByteArray("wrong-key"));
        QCOMPARE(upRig->camera().wifiLink().ulState, 1u);
        QCOMPARE(upRig->lstLogs.constLast(), QStringLiteral("Infrastructure communication mode is applied"));
        QCOMPARE(pclPage->infrastructurePage()->currentPage(), 0);
        search()->requestData(true);
        QVERIFY(upRig->settle());
        QCOMPARE(rowNames(), QStringList({"HomeNetwork", "Secure"}));
        for (ClWidgetApInfo* pclRow : search()->apList()->rows())
            QVERIFY(!pclRow->isConnected());

        // The right key joins, and the network is shown joined.
        choose(QStringLiteral("Secure"));
        typeText(pclKey, QStringLiteral("right-key-1"));
        pclPage->slotApply();
        QVERIFY(upRig->settle());
        search()->requestData(true);
        QVERIFY(upRig->settle());
        QCOMPARE(rowNames(), QStringList({"Secure", "HomeNetwork"}));
        QVERIFY(row("Secure")->isConnected());
        QCOMPARE(upRig->lstBoxes, QStringList());
    }

    void manualEntry_data()
    {
        QTest::addColumn<QString>("strKey");
        QTest::addColumn<QList<QUuid>>("lstSets");
        QTest::newRow("without a key") << QString()
                                       << QList<QUuid> {requestKind<ClTovuCommandSetInfraSsid>(),
                                                        requestKind<ClTovuCommandSetWifiMode>()};
        const QList<QUuid> lstWithKey
            = {requestKind<ClTovuCommandSetInfraSsid>(), requestKind<ClTovuCommandSetInfraKey>(),
               requestKind<ClTovuCommandSetWifiMode>()};
        QTest::newRow("with a key") << "hidden-key" << lstWithKey;
        // A WPA passphrase may hold spaces anywhere.
        QTest::newRow("key with spaces") << " my home key " << lstWithKey;
    }

    void manualEntry()
    {
        QFETCH(QString, strKey);
        QFETCH(QList<QUuid>, lstSets);
        open();
        search()->findChild<QPushButton*>("buttonApManual")->click();
        QCOMPARE(pclPage->infrastructurePage()->currentPage(), 1);
        QWidget* pclManual = pclPage->findChild<QWidget*>("pageInfraManual");
        typeText(pclManual->findChild<QLineEdit*>("editSsid"), QStringLiteral("Out of Reach"));
        typeText(pclManual->findChild<QLineEdit*>("editKey"), strKey);
        const int lFrom = int(upRig->lstSent.size());
        pclPage->slotApply();
        QVERIFY(upRig->settle());
        QCOMPARE(upRig->sentKinds().mid(lFrom, lstSets.size()), lstSets);
        QCOMPARE(upRig->camera().text(usInfraSsid), QByteArray("Out of Reach"));
        QCOMPARE(upRig->camera().text(usInfraKey), strKey.isEmpty() ? QByteArray("correct-horse") : strKey.toLatin1());
        QCOMPARE(pclPage->infrastructurePage()->currentPage(), 0);
        QCOMPARE(upRig->lstBoxes, QStringList());
    }

    void refusedKeystrokesSayWhy()
    {
        open();
        search()->findChild<QPushButton*>("buttonApManual")->click();
        QWidget* pclManual = pclPage->findChild<QWidget*>("pageInfraManual");
        auto* pclKey = pclManual->findChild<QLineEdit*>("editKey");
        typeText(pclKey, QStringLiteral("two words"));
        QCOMPARE(pclKey->text(), QStringLiteral("two words"));
        QVERIFY(pclManual->findChild<QLabel*>("editKeyReason")->text().isEmpty());
        typeText(pclKey, QStringLiteral("\u00e9\t"));
        QCOMPARE(pclKey->text(), QStringLiteral("two words"));
        QVERIFY(!pclManual->findChild<QLabel*>("editKeyReason")->text().isEmpty());
        pclKey->clear();
        typeText(pclKey, QString(70, QLatin1Char('k')));
        QCOMPARE(pclKey->text().size(), 63);
        auto* pclSsid = pclManual->findChild<QLineEdit*>("editSsid");
        typeText(pclSsid, QString(40, QLatin1Char('s')) + QStringLiteral("é"));
        QCOMPARE(pclSsid->text().size(), 32);
        QVERIFY(!pclManual->findChild<QLabel*>("editSsidReason")->text().isEmpty());
    }

    void searchNeverAnswered()
    {
        open();
        const QStringList lstBefore = rowNames();
        // Each search the camera leaves unanswered is reported, the second one too.
        for (int i = 1; i <= 2; ++i) {
            upRig->camera().injectFault(ClVirtualCamera::Fault::Silent, 1);
            pclPage->findChild<QPushButton*>("buttonSearchAgain")->click();
            QVERIFY(upRig->settle(20000));
            QCOMPARE(upRig->lstBoxes, QStringList(i, ClWidgetBase::commandErrorText(0xEF05)));
            QCOMPARE(rowNames(), lstBefore);
        }
        // Still usable: the next search finds what the camera sees now.
        upRig->camera().setAccessPoints({point("HomeNetwork", 4, 50, "correct-horse"), point("Found-Later", 0, 60)});
        pclPage->findChild<QPushButton*>("buttonSearchAgain")->click();
        QVERIFY(upRig->settle());
        QCOMPARE(rowNames(), QStringList({"HomeNetwork", "Found-Later"}));
        QCOMPARE(upRig->lstBoxes.size(), 2);
    }

private:
    ClWidgetNetwork* open()
    {
        pclPage = new ClWidgetNetwork(&upRig->host());
        pclPage->resize(460, 469);
        pclPage->show();
        upRig->attach(pclPage);
        return pclPage;
    }
    ClWidgetInfrastructureSearch* search() const { return pclPage->infrastructurePage()->searchPage(); }
    QStringList rowNames() const
    {
        QStringList lstNames;
        for (ClWidgetApInfo* pclRow : search()->apList()->rows())
            lstNames.append(pclRow->ssid());
        return lstNames;
    }
    ClWidgetApInfo* row(const QString& strSsid) const
    {
        for (ClWidgetApInfo* pclRow : search()->apList()->rows()) {
            if (pclRow->ssid() == strSsid)
                return pclRow;
        }
        return nullptr;
    }
    void choose(const QString& strSsid)
    {
        ClWidgetApInfo* pclRow = row(strSsid);
        QVERIFY(pclRow);
        QTest::mouseClick(pclRow, Qt::LeftButton, {}, QPoint(100, 20));
    }

    std::unique_ptr<PageRig> upRig;
    ClWidgetNetwork* pclPage = nullptr;
};

QTEST_MAIN(TestWidgetInfrastructure)
#include "TestWidgetInfrastructure.moc"
