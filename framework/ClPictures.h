#pragma once
// The pictures compiled into the tool, read into pixmaps. The pictures the first view
// shows can be decoded on a thread of their own from the first line of main, while the
// application connects to the display and builds its widgets: decoding them (inflating
// and expanding every pixel) is, with the fonts, most of the work before the window maps.
#include <QPixmap>
#include <QRegion>
#include <QString>
#include <QStringList>

class ClPictures
{
public:
    // Starts decoding lstPaths, in their order, on a thread of its own; for the paths also
    // in lstMasked it makes the region of the picture's visible pixels there too. The object
    // lives on the GUI thread's stack, inside the application's lifetime; while it exists
    // pixmap() and shape() take what it decoded. Only the first of several at once preloads.
    explicit ClPictures(const QStringList& lstPaths, const QStringList& lstMasked = {});
    // Waits for the thread: it must not outlive the application it reads resources in.
    ~ClPictures();
    ClPictures(const ClPictures&) = delete;
    ClPictures& operator=(const ClPictures&) = delete;

    // The picture at strPath, from the preload when it holds it (waiting for it if it is
    // still being decoded), otherwise read as QPixmap reads it. GUI thread only.
    static QPixmap pixmap(const QString& strPath);
    // The region of strPath's visible pixels (alpha above zero), the same as
    // QRegion(QPixmap(strPath).mask()); empty for a picture without transparency.
    static QRegion shape(const QString& strPath);

    // The decoding thread and what it decoded, known only to the .cpp.
    class Preload;

private:
    Preload* pclPreload = nullptr;
};
