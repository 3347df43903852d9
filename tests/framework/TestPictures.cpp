// Pictures decoded ahead on their own thread must be the pictures the plain way reads,
// pixel for pixel, shape included, however the GUI thread's requests and the decoding
// interleave.
#include "framework/ClPictures.h"

#include <QTest>

class TestPictures : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void preloadedPicturesMatchThePlainReadAndTheirMasks();
    void picturesNotPreloadedOrMissingReadAsBefore();
};

void TestPictures::preloadedPicturesMatchThePlainReadAndTheirMasks()
{
    // The window (shaped, with transparent corners), a bar, and a path that does
    // not exist in the middle of the list: the ones after it must still arrive.
    const QString strWindow = QStringLiteral(":/img/window");
    const QString strBar = QStringLiteral(":/log/bg");
    const QString strMissing = QStringLiteral(":/img/no_such_picture");
    const QString strIcon = QStringLiteral(":/img/button_camera");
    // The icon's soft edges hold every degree of transparency, which the mask must follow.
    const ClPictures clPreload({strWindow, strBar, strMissing, strIcon}, {strWindow, strBar, strIcon});

    // Asked in another order than decoded, so that some requests wait and some do not.
    for (const QString& strPath : {strIcon, strWindow, strBar}) {
        const QPixmap clPlain(strPath);
        QVERIFY2(!clPlain.isNull(), qPrintable(strPath));
        const QPixmap clPreloaded = ClPictures::pixmap(strPath);
        // Taken from the preload, not read a second time (which would hand back the plain one).
        QVERIFY(clPreloaded.cacheKey() != clPlain.cacheKey());
        QCOMPARE(clPreloaded.size(), clPlain.size());
        QCOMPARE(clPreloaded.hasAlphaChannel(), clPlain.hasAlphaChannel());
        QCOMPARE(clPreloaded.toImage().convertToFormat(QImage::Format_ARGB32),
                 clPlain.toImage().convertToFormat(QImage::Format_ARGB32));
        // Asked again, it comes from the cache as the same picture.
        QCOMPARE(ClPictures::pixmap(strPath).cacheKey(), clPreloaded.cacheKey());
    }
    QVERIFY(ClPictures::pixmap(strMissing).isNull());

    // The same region, band for band, as the one Qt makes from the picture's mask.
    const QRegion rgnWindow = ClPictures::shape(strWindow);
    QCOMPARE(rgnWindow, QRegion(QPixmap(strWindow).mask()));
    // The corners are cut: the shape is neither the whole picture nor empty.
    QVERIFY(!rgnWindow.contains(QPoint(0, 0)));
    QVERIFY(rgnWindow.contains(QPoint(300, 300)));
    QCOMPARE(ClPictures::shape(strBar), QRegion(QPixmap(strBar).mask()));
    QCOMPARE(ClPictures::shape(strIcon), QRegion(QPixmap(strIcon).mask()));
}

void TestPictures::picturesNotPreloadedOrMissingReadAsBefore()
{
    const QString strSeparator = QStringLiteral(":/mode/separator");
    QCOMPARE(ClPictures::pixmap(strSeparator).toImage(), QPixmap(strSeparator).toImage());
    QCOMPARE(ClPictures::shape(strSeparator), QRegion(QPixmap(strSeparator).mask()));
    QVERIFY(ClPictures::pixmap(QStringLiteral(":/nowhere")).isNull());
}

QTEST_MAIN(TestPictures)
#include "TestPictures.moc"
