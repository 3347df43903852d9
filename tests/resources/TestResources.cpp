// The compiled-in resources: every picture reachable by its exact path, the sizes that
// layouts take from pictures, and the window shape.
#include <QBitmap>
#include <QGuiApplication>
#include <QImage>
#include <QPixmap>
#include <QTest>

class TestResources : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void picturesHaveTheirSizes_data()
    {
        QTest::addColumn<QString>("strPath");
        QTest::addColumn<QSize>("clSize"); // empty: any size
        const QSize clAny;
        QTest::newRow("window") << ":/img/window" << QSize(600, 620);
        QTest::newRow("icon") << ":/imglang/icon_s" << clAny;
        QTest::newRow("help logo") << ":/imglang/logo" << clAny;
        QTest::newRow("progress logo") << ":/img/logo" << clAny;
        for (const char* pPath : { ":/img/close_win1", ":/img/close_win2", ":/img/close_win3" })
            QTest::newRow(pPath) << pPath << QSize(74, 20);
        for (const char* pPath : { ":/img/button1", ":/img/button2" })
            QTest::newRow(pPath) << pPath << QSize(97, 87);
        for (const char* pPath : { ":/img/button_camera", ":/img/button_network", ":/img/button_setting",
                                   ":/img/button_stream", ":/img/button_schedule", ":/img/button_security",
                                   ":/img/button_help" })
            QTest::newRow(pPath) << pPath << QSize(48, 48);
        QTest::newRow("separator") << ":/mode/separator" << QSize(2, 88);
        QTest::newRow("log bar") << ":/log/bg" << QSize(600, 36);
        for (const char* pPath : { ":/log/btnn", ":/log/btnh", ":/log/btnp" })
            QTest::newRow(pPath) << pPath << QSize(92, 29);
        QTest::newRow("not connected") << ":/img/camera_notconnect" << clAny;
        QTest::newRow("list row") << ":/list/bg" << QSize(130, 40);
        QTest::newRow("list arrow") << ":/list/arrow" << clAny;
        QTest::newRow("maintenance") << ":/secure/img_mode" << QSize(100, 100);
        QTest::newRow("security") << ":/secure/img_mode_red" << QSize(100, 100);
        for (const char* pPath : { ":/basic/time", ":/basic/gps", ":/basic/wifi", ":/basic/password", ":/basic/basic",
                                   ":/network/net_sym_net_b", ":/network/net_sym_ad_b", ":/move/live",
                                   ":/move/record", ":/move/video" }) {
            QTest::newRow(pPath) << pPath << clAny;
            QTest::newRow(qPrintable(QString::fromLatin1(pPath) + "s")) << QString::fromLatin1(pPath) + "s" << clAny;
        }
    }

    void picturesHaveTheirSizes()
    {
        QFETCH(QString, strPath);
        QFETCH(QSize, clSize);
        const QImage clImage(strPath);
        QVERIFY2(!clImage.isNull(), qPrintable(strPath));
        if (clSize.isValid())
            QCOMPARE(clImage.size(), clSize);
    }

    void windowPictureShapesTheWindow()
    {
        const QBitmap clMask = QPixmap(QStringLiteral(":/img/window")).mask();
        QVERIFY(!clMask.isNull());
        const QImage clBits = clMask.toImage();
        auto opaque = [&](int x, int y) { return clBits.pixelIndex(x, y) == 1; };
        // Rounded corners are cut away; edges and inside belong to the window.
        for (const QPoint& clCorner : { QPoint(0, 0), QPoint(599, 0), QPoint(0, 619), QPoint(599, 619) })
            QVERIFY2(!opaque(clCorner.x(), clCorner.y()), qPrintable(QStringLiteral("%1,%2").arg(clCorner.x()).arg(clCorner.y())));
        QVERIFY(opaque(300, 0));
        QVERIFY(opaque(0, 300));
        QVERIFY(opaque(300, 300));
        QVERIFY(opaque(599, 619 - 20));
    }
};

QTEST_MAIN(TestResources)
#include "TestResources.moc"
