#include "ClPictures.h"

#include <QHash>
#include <QImage>
#include <QImageReader>
#include <QPixmapCache>
#include <QSet>

#include <condition_variable>
#include <mutex>
#include <thread>

namespace {

struct Decoded
{
    QImage clImage;
    QImage clMask;
};

}  // namespace

// What the preload thread hands to the GUI thread. Each picture is taken out once, when
// it is first asked for; from then on it lives in the pixmap cache like any other.
class ClPictures::Preload
{
public:
    Preload(const QStringList& lstPaths, const QStringList& lstMasked)
    {
        for (const QString& strPath : lstPaths)
            setPending.insert(strPath);
        clThread = std::thread([this, lstPaths, lstMasked] {
            for (const QString& strPath : lstPaths)
                deliver(strPath, decode(strPath, lstMasked.contains(strPath)));
        });
    }
    ~Preload() { clThread.join(); }

    // Blocks while strPath is still being decoded; false when it was never preloaded or
    // has been taken already.
    bool take(const QString& strPath, Decoded& stDecoded)
    {
        std::unique_lock<std::mutex> clLock(clMutex);
        if (!setPending.contains(strPath))
            return false;
        clReady.wait(clLock, [&] { return hashDone.contains(strPath); });
        stDecoded = hashDone.take(strPath);
        setPending.remove(strPath);
        return true;
    }

private:
    static Decoded decode(const QString& strPath, bool bMasked)
    {
        Decoded stDecoded;
        QImageReader clReader(strPath);
        stDecoded.clImage = clReader.read();
        if (stDecoded.clImage.isNull())
            return stDecoded;
        // The format a pixmap keeps on a raster display, so that making one copies no pixel.
        stDecoded.clImage.convertTo(stDecoded.clImage.hasAlphaChannel() ? QImage::Format_ARGB32_Premultiplied
                                                                        : QImage::Format_RGB32);
        if (bMasked && stDecoded.clImage.hasAlphaChannel())
            stDecoded.clMask = visiblePixels(stDecoded.clImage);
        return stDecoded;
    }

    // One bit per pixel, set where the pixel is not fully transparent: QPixmap::mask()'s rule.
    static QImage visiblePixels(const QImage& clImage)
    {
        QImage clMask(clImage.size(), QImage::Format_MonoLSB);
        clMask.setColor(0, QColor(Qt::color0).rgba());
        clMask.setColor(1, QColor(Qt::color1).rgba());
        for (int y = 0; y < clImage.height(); ++y) {
            const auto* pulSource = reinterpret_cast<const QRgb*>(clImage.constScanLine(y));
            uchar* pucBits = clMask.scanLine(y);
            std::fill(pucBits, pucBits + clMask.bytesPerLine(), uchar(0));
            for (int x = 0; x < clImage.width(); ++x) {
                if (qAlpha(pulSource[x]) > 0)
                    pucBits[x >> 3] |= uchar(1U << (x & 7));
            }
        }
        return clMask;
    }

    void deliver(const QString& strPath, Decoded stDecoded)
    {
        {
            std::lock_guard<std::mutex> clLock(clMutex);
            hashDone.insert(strPath, std::move(stDecoded));
        }
        clReady.notify_all();
    }

    std::mutex clMutex;
    std::condition_variable clReady;
    QSet<QString> setPending;
    QHash<QString, Decoded> hashDone;
    std::thread clThread;
};

namespace {

// The preload in progress; set and read on the GUI thread only.
ClPictures::Preload* pclActive = nullptr;

// Masks taken from the preload, kept for the one later call that asks for them.
QHash<QString, QBitmap>& masks()
{
    static QHash<QString, QBitmap> hashMasks;
    return hashMasks;
}

QString cacheKey(const QString& strPath)
{
    return QStringLiteral("tovu-picture:") + strPath;
}

}  // namespace

ClPictures::ClPictures(const QStringList& lstPaths, const QStringList& lstMasked)
{
    if (pclActive == nullptr)
        pclActive = pclPreload = new Preload(lstPaths, lstMasked);
}

ClPictures::~ClPictures()
{
    if (pclActive == pclPreload)
        pclActive = nullptr;
    delete pclPreload;
}

QPixmap ClPictures::pixmap(const QString& strPath)
{
    QPixmap clPixmap;
    if (QPixmapCache::find(cacheKey(strPath), &clPixmap))
        return clPixmap;
    Decoded stDecoded;
    if (pclActive == nullptr || !pclActive->take(strPath, stDecoded))
        return QPixmap(strPath);
    if (!stDecoded.clMask.isNull())
        masks().insert(strPath, QBitmap::fromImage(stDecoded.clMask));
    clPixmap = QPixmap::fromImage(std::move(stDecoded.clImage));
    QPixmapCache::insert(cacheKey(strPath), clPixmap);
    return clPixmap;
}

QBitmap ClPictures::mask(const QString& strPath)
{
    const QPixmap clPixmap = pixmap(strPath);
    const QBitmap clMask = masks().take(strPath);
    return clMask.isNull() ? clPixmap.mask() : clMask;
}
