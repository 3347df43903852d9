// The libraries' dependency direction, checked on the source tree itself, and the check
// shown to catch what it is for on a small tree of its own.
#include "ClIncludeRules.h"

#include <QTemporaryDir>
#include <QtTest>

namespace {
void write(const QString& strRoot, const QString& strRelative, const QByteArray& clText)
{
    QDir().mkpath(QFileInfo(strRoot + QLatin1Char('/') + strRelative).absolutePath());
    QFile clFile(strRoot + QLatin1Char('/') + strRelative);
    QVERIFY(clFile.open(QIODevice::WriteOnly));
    clFile.write(clText);
}
}  // namespace

class TestLayering : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void sourceTreeFollowsTheDirection()
    {
        const QStringList lstFindings = ClIncludeRules::check(QStringLiteral(TOVU_SOURCE_DIR));
        QVERIFY2(lstFindings.isEmpty(), qPrintable(lstFindings.join(QLatin1Char('\n'))));
    }

    void wrongWayIncludesAreFound()
    {
        QTemporaryDir clTree;
        QVERIFY(clTree.isValid());
        const QString strRoot = clTree.path();
        write(strRoot, "protocol/ClGood.h", "#include \"ClOther.h\"\n#include <QUuid>\n");
        write(strRoot, "usb/ClUp.cpp", "#include \"protocol/ClGood.h\"\n  #  include \"app/ClMainWidget.h\"\n");
        write(strRoot, "update/ClBox.cpp", "#include <QMessageBox>\n#include <QNetworkReply>\n");
        write(strRoot, "pages/basic/ClSide.cpp",
              "#include \"pages/stream/ClWidgetStreamSetting.h\"\n"
              "#include \"framework/ClWidgetBase.h\"\n#include <QLabel>\n");
        write(strRoot, "framework/ClUp.cpp", "#include \"session/ClCameraSession.h\"\n");
        write(strRoot, "tests/usb/TestAnything.cpp", "#include \"app/ClMainWidget.h\"\n");
        QStringList lstFindings = ClIncludeRules::check(strRoot);
        lstFindings.sort();
        const QStringList lstExpected = {
            "framework/ClUp.cpp:1: framework may not include session/ClCameraSession.h",
            "pages/basic/ClSide.cpp:1: pages/basic may not include pages/stream/ClWidgetStreamSetting.h",
            "update/ClBox.cpp:1: update is below the widgets but includes <QMessageBox>",
            "usb/ClUp.cpp:2: usb may not include app/ClMainWidget.h",
        };
        QCOMPARE(lstFindings, lstExpected);
    }
};

QTEST_MAIN(TestLayering)
#include "TestLayering.moc"
