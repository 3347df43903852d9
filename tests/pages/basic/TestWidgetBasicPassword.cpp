// The password page: the entries checked against the camera's password in their order,
// what goes out (and what does not) with the use switch, the fields' limits, and the
// fields emptied when the user leaves.
#include "pages/basic/ClWidgetBasicPassword.h"
#include "protocol/TypedKinds.h"
#include "tests/pages/PageRig.h"

#include <QGroupBox>
#include <QLineEdit>

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

    void init()
    {
        upRig = std::make_unique<PageRig>(0);
        upRig->camera().setText(usPassword, "tovu1234");
        pclPage = new ClWidgetBasicPassword(&upRig->host());
    }
    void cleanup() { upRig.reset(); }

    void entries_data()
    {
        QTest::addColumn<bool>("bUseBefore");
        QTest::addColumn<bool>("bUseChosen");
        QTest::addColumn<QString>("strNow");
        QTest::addColumn<QString>("strNew");
        QTest::addColumn<QString>("strCheck");
        QTest::addColumn<QString>("strBox");
        QTest::addColumn<QByteArray>("clPasswordAfter");
        QTest::newRow("nothing typed, switch unchanged")
            << true << true << QString() << QString() << QString() << QString() << QByteArray("tovu1234");
        QTest::newRow("nothing typed, switched on")
            << false << true << QString() << QString() << QString() << QString() << QByteArray("tovu1234");
        // Switched off, what was typed is not checked and does not go out.
        QTest::newRow("switched off, fields ignored")
            << true << false << QString("wrong") << QString("a") << QString() << QString() << QByteArray("tovu1234");
        // The switch does not go out either: the user meant one change.
        QTest::newRow("only the new one") << false << true << QString() << QString("secret99") << QString()
                                          << QString("There are not input value") << QByteArray("tovu1234");
        QTest::newRow("wrong current") << true << true << QString("tovu12345") << QString("secret99")
                                       << QString("secret99") << QString("Different now password")
                                       << QByteArray("tovu1234");
        QTest::newRow("new and check differ")
            << true << true << QString("tovu1234") << QString("secret99") << QString("secret98")
            << QString("Not same password new and check") << QByteArray("tovu1234");
        QTest::newRow("the same again") << true << true << QString("tovu1234") << QString("tovu1234")
                                        << QString("tovu1234") << QString("Not change password")
                                        << QByteArray("tovu1234");
        QTest::newRow("changed") << true << true << QString("tovu1234") << QString("N3w!pass~") << QString("N3w!pass~")
                                 << QString() << QByteArray("N3w!pass~");
        QTest::newRow("changed and switched on")
            << false << true << QString("tovu1234") << QString("x") << QString("x") << QString() << QByteArray("x");
    }

    void entries()
    {
        QFETCH(bool, bUseBefore);
        QFETCH(bool, bUseChosen);
        QFETCH(QString, strNow);
        QFETCH(QString, strNew);
        QFETCH(QString, strCheck);
        QFETCH(QString, strBox);
        QFETCH(QByteArray, clPasswordAfter);
        upRig->camera().setNumbers(usUse, {bUseBefore ? ulOn : ulOff});
        upRig->attach(pclPage);
        QCOMPARE(group()->isChecked(), bUseBefore);
        group()->setChecked(true);
        QTest::keyClicks(edit("editNowPassword"), strNow);
        QTest::keyClicks(edit("editNewPassword"), strNew);
        QTest::keyClicks(edit("editCheckPassword"), strCheck);
        group()->setChecked(bUseChosen);
        upRig->apply(pclPage);
        QCOMPARE(upRig->lstBoxes, strBox.isEmpty() ? QStringList() : QStringList({strBox}));
        const bool bUseAfter = strBox.isEmpty() ? bUseChosen : bUseBefore;
        const bool bPasswordChanged = clPasswordAfter != "tovu1234";
        QCOMPARE(upRig->sentKinds().contains(requestKind<ClTovuCommandSetStreamAuthorizationPassword>()),
                 bPasswordChanged);
        QCOMPARE(upRig->sentKinds().contains(requestKind<ClTovuCommandSetStreamAuthorizationUse>()),
                 bUseAfter != bUseBefore);
        QCOMPARE(upRig->camera().text(usPassword), clPasswordAfter);
        QCOMPARE(upRig->camera().numbers(usUse)[0], bUseAfter ? ulOn : ulOff);
        const bool bChanged = bPasswordChanged || bUseAfter != bUseBefore;
        QCOMPARE(upRig->lstLogs, bChanged ? QStringList({"Password \nsetting is applied"}) : QStringList());
    }

    void fieldsTakeOnlyWhatTheCameraKeeps()
    {
        upRig->attach(pclPage);
        // The fields are open only with authorization on.
        QVERIFY(!edit("editNewPassword")->isEnabled());
        group()->setChecked(true);
        // Spaces and characters beyond printable ASCII are refused, and so is a 17th character.
        typeText(edit("editNewPassword"), QString("ab c\u00e9d"));
        QCOMPARE(edit("editNewPassword")->text(), QString("abcd"));
        QTest::keyClicks(edit("editCheckPassword"), QString("0123456789abcdefXYZ"));
        QCOMPARE(edit("editCheckPassword")->text(), QString("0123456789abcdef"));
    }

    void leavingEmptiesTheFields()
    {
        upRig->attach(pclPage);
        QTest::keyClicks(edit("editNowPassword"), "tovu1234");
        pclPage->deactivate(&upRig->host());
        for (const char* pszName : {"editNowPassword", "editNewPassword", "editCheckPassword"})
            QCOMPARE(edit(pszName)->text(), QString());
    }

private:
    QLineEdit* edit(const char* pszName) const { return pclPage->findChild<QLineEdit*>(pszName); }
    QGroupBox* group() const { return pclPage->findChild<QGroupBox*>("groupPasswordUse"); }

    std::unique_ptr<PageRig> upRig;
    ClWidgetBasicPassword* pclPage = nullptr;  // the host's
};

QTEST_MAIN(TestWidgetBasicPassword)
#include "TestWidgetBasicPassword.moc"
