// The password page: the entries checked against the camera's password in their order,
// what goes out (and what does not) with the use switch, the fields' limits, and the
// fields emptied when the user leaves.
#include "ClBasicPageRig.h"
#include "pages/basic/ClWidgetBasicPassword.h"
#include "protocol/TypedKinds.h"
#include "virtualcamera/ClVirtualCamera.h"

#include <QGroupBox>
#include <QLineEdit>
#include <QtTest>

#include "TypeText.h"

namespace {
constexpr quint16 usPassword = ClTovuCommandGetStreamAuthorizationPassword::usCommandCode;
constexpr quint16 usUse = ClTovuCommandGetStreamAuthorizationUse::usCommandCode;
constexpr quint32 ulOn = 2;
constexpr quint32 ulOff = 1;
}  // namespace

class TestWidgetBasicPassword : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init();
    void cleanup() { upRig.reset(); }
    void entries_data();
    void entries();
    void uncheckingSendsOnlyTheSwitch();
    void fieldsTakeOnlyWhatTheCameraKeeps();
    void leavingEmptiesTheFields();

private:
    QLineEdit* edit(const char* pszName) const { return pclPage->findChild<QLineEdit*>(pszName); }
    QGroupBox* group() const { return pclPage->findChild<QGroupBox*>("groupPasswordUse"); }

    std::unique_ptr<ClBasicPageRig> upRig;
    ClWidgetBasicPassword* pclPage = nullptr;  // the host's
};

void TestWidgetBasicPassword::init()
{
    upRig = std::make_unique<ClBasicPageRig>(0);
    upRig->camera().setText(usPassword, "tovu1234");
    pclPage = new ClWidgetBasicPassword(&upRig->host());
}

void TestWidgetBasicPassword::entries_data()
{
    QTest::addColumn<bool>("bUseBefore");
    QTest::addColumn<QString>("strNow");
    QTest::addColumn<QString>("strNew");
    QTest::addColumn<QString>("strCheck");
    QTest::addColumn<QString>("strBox");
    QTest::addColumn<QByteArray>("clPasswordAfter");
    QTest::addColumn<bool>("bUseAfter");
    QTest::newRow("nothing typed, switch unchanged") << true << "" << "" << "" << "" << QByteArray("tovu1234") << true;
    QTest::newRow("nothing typed, switched on") << false << "" << "" << "" << "" << QByteArray("tovu1234") << true;
    // The switch does not go out either: the user meant one change.
    QTest::newRow("only the new one") << false << "" << "secret99" << "" << "There are not input value"
                                      << QByteArray("tovu1234") << false;
    QTest::newRow("wrong current") << true << "tovu12345" << "secret99" << "secret99" << "Different now password"
                                   << QByteArray("tovu1234") << true;
    QTest::newRow("new and check differ") << true << "tovu1234" << "secret99" << "secret98"
                                          << "Not same password new and check" << QByteArray("tovu1234") << true;
    QTest::newRow("the same again") << true << "tovu1234" << "tovu1234" << "tovu1234" << "Not change password"
                                    << QByteArray("tovu1234") << true;
    QTest::newRow("changed") << true << "tovu1234" << "N3w!pass~" << "N3w!pass~" << "" << QByteArray("N3w!pass~")
                             << true;
    QTest::newRow("changed and switched on") << false << "tovu1234" << "x" << "x" << "" << QByteArray("x") << true;
}

void TestWidgetBasicPassword::entries()
{
    QFETCH(bool, bUseBefore);
    QFETCH(QString, strNow);
    QFETCH(QString, strNew);
    QFETCH(QString, strCheck);
    QFETCH(QString, strBox);
    QFETCH(QByteArray, clPasswordAfter);
    QFETCH(bool, bUseAfter);
    upRig->camera().setNumbers(usUse, {bUseBefore ? ulOn : ulOff});
    upRig->attach(pclPage);
    QCOMPARE(group()->isChecked(), bUseBefore);
    group()->setChecked(true);
    QTest::keyClicks(edit("editNowPassword"), strNow);
    QTest::keyClicks(edit("editNewPassword"), strNew);
    QTest::keyClicks(edit("editCheckPassword"), strCheck);
    upRig->clearSent();
    pclPage->slotApply();
    QVERIFY(upRig->settle());
    QCOMPARE(upRig->lstBoxes, strBox.isEmpty() ? QStringList() : QStringList({strBox}));
    if (!strBox.isEmpty())
        QCOMPARE(upRig->sentKinds(), QList<QUuid>());
    QCOMPARE(upRig->camera().text(usPassword), clPasswordAfter);
    QCOMPARE(upRig->camera().numbers(usUse)[0], bUseAfter ? ulOn : ulOff);
    const bool bChanged = clPasswordAfter != "tovu1234" || bUseAfter != bUseBefore;
    QCOMPARE(upRig->lstLogs, bChanged ? QStringList({"Password \nsetting is applied"}) : QStringList());
}

void TestWidgetBasicPassword::uncheckingSendsOnlyTheSwitch()
{
    upRig->camera().setNumbers(usUse, {ulOn});
    upRig->attach(pclPage);
    QTest::keyClicks(edit("editNowPassword"), "wrong");
    QTest::keyClicks(edit("editNewPassword"), "a");
    group()->setChecked(false);
    upRig->clearSent();
    pclPage->slotApply();
    QVERIFY(upRig->settle());
    QCOMPARE(upRig->sentKinds(), QList<QUuid>({requestKind<ClTovuCommandSetStreamAuthorizationUse>()}));
    QCOMPARE(upRig->camera().numbers(usUse)[0], ulOff);
    QCOMPARE(upRig->lstBoxes, QStringList());
}

void TestWidgetBasicPassword::fieldsTakeOnlyWhatTheCameraKeeps()
{
    upRig->attach(pclPage);
    // The fields are open only with authorization on.
    QVERIFY(!edit("editNewPassword")->isEnabled());
    group()->setChecked(true);
    // Spaces and characters beyond printable ASCII are refused, and so is a 17th character.
    typeText(edit("editNewPassword"), QStringLiteral("ab c\u00e9d"));
    QCOMPARE(edit("editNewPassword")->text(), QStringLiteral("abcd"));
    QTest::keyClicks(edit("editCheckPassword"), QStringLiteral("0123456789abcdefXYZ"));
    QCOMPARE(edit("editCheckPassword")->text(), QStringLiteral("0123456789abcdef"));
}

void TestWidgetBasicPassword::leavingEmptiesTheFields()
{
    upRig->attach(pclPage);
    QTest::keyClicks(edit("editNowPassword"), "tovu1234");
    pclPage->deactivate(&upRig->host());
    for (const char* pszName : {"editNowPassword", "editNewPassword", "editCheckPassword"})
        QCOMPARE(edit(pszName)->text(), QString());
}

QTEST_MAIN(TestWidgetBasicPassword)
#include "TestWidgetBasicPassword.moc"
