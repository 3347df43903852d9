// The compiled-in resources: every picture reachable by its exact path, with the sizes
// that layouts take from pictures. (The window shape is checked on the window itself.)
#include <QGuiApplication>
#include <QImage>
#include <QTest>

class TestResources : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void everyPictureLoadsWithItsSize()
    {
        // The sizes that layouts take from the pictures; an empty size: any.
        QList<std::pair<QSize, QStringList>> lstPictures {
            {{600, 620}, {":/img/window"}},
            {{74, 20}, {":/img/close_win1", ":/img/close_win2", ":/img/close_win3"}},
            {{97, 87}, {":/img/button1", ":/img/button2"}},
            {{48, 48},
             {":/img/button_camera", ":/img/button_network", ":/img/button_setting", ":/img/button_stream",
              ":/img/button_schedule", ":/img/button_security", ":/img/button_help"}},
            {{2, 88}, {":/mode/separator"}},
            {{600, 36}, {":/log/bg"}},
            {{92, 29}, {":/log/btnn", ":/log/btnh", ":/log/btnp"}},
            {{130, 40}, {":/list/bg"}},
            {{100, 100}, {":/secure/img_mode", ":/secure/img_mode_red"}},
            {{30, 30}, {":/camera/symbol_battery", ":/camera/symbol_wifi", ":/camera/symbol_sd"}},
            {{112, 24}, {":/img/wifi_link", ":/img/wifi_notlink"}},
            {{600, 2}, {":/img/bg_line"}},
            {{}, {":/imglang/icon_s", ":/imglang/logo", ":/img/logo", ":/img/camera_notconnect", ":/list/arrow"}}};
        // List icons come in pairs: the selected one has an "s" appended.
        for (const char* pPath :
             {":/basic/time", ":/basic/gps", ":/basic/wifi", ":/basic/password", ":/basic/basic",
              ":/network/net_sym_net_b", ":/network/net_sym_ad_b", ":/move/live", ":/move/record", ":/move/video"})
            lstPictures.last().second << QLatin1String(pPath) << QLatin1String(pPath) + QLatin1Char('s');
        for (const auto& [clSize, lstPaths] : lstPictures) {
            for (const QString& strPath : lstPaths) {
                const QImage clImage(strPath);
                const QString strSeen
                    = QStringLiteral("%1 is %2x%3").arg(strPath).arg(clImage.width()).arg(clImage.height());
                QVERIFY2(!clImage.isNull(), qPrintable(strPath));
                QVERIFY2(!clSize.isValid() || clImage.size() == clSize, qPrintable(strSeen));
            }
        }
    }
};

QTEST_MAIN(TestResources)
#include "TestResources.moc"
