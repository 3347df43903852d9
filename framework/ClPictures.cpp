#include "ClPictures.h"

#include <QBitmap>
#include <QHash>
#include <QImage>
#include <QImageReader>
#include <QPixmapCache>
#include <QRegion>
#include <QSet>

#include <condition_variable>
#include <mutex>
#include <thread>
#include <utility>
#include <vector>

namespace {

struct Decoded
{
    QImage clImage;
    QRegion rgnShape;
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
            stDecoded.rgnShape = visibleRegion(stDecoded.clImage);
        return stDecoded;
    }

    // The pixels that are not fully transparent (QPixmap::mask()'s rule) as a region,
    // built straight from the rows: each row's runs of visible pixels, rows with the same
    // runs merged into one band, which is the banded form QRegion keeps. Turning a bitmap
    // into a region on the GUI thread is what this saves.
    static QRegion visibleRegion(const QImage& clImage)
    {
        using Runs = std::vector<std::pair<int, int>>;
        std::vector<QRect> vecRects;
        Runs vecBand;
        Runs vecRow;
        int lBandTop = 0;
        const auto closeBand = [&](int lBottom) {
            for (const auto& [lLeft, lRight] : vecBand)
                vecRects.emplace_back(QPoint(lLeft, lBandTop), QPoint(lRight, lBottom));
        };
        for (int y = 0; y < clImage.height(); ++y) {
            const auto* pulRow = reinterpret_cast<const QRgb*>(clImage.constScanLine(y));
            vecRow.clear();
            for (int x = 0; x < clImage.width(); ++x) {
                if (qAlpha(pulRow[x]) == 0)
                    continue;
                const int lLeft = x;
                while (x + 1 < clImage.width() && qAlpha(pulRow[x + 1]) > 0)
                    ++x;
                vecRow.emplace_back(lLeft, x);
            }
            if (y == 0 || vecRow != vecBand) {
                closeBand(y - 1);
                vecBand.swap(vecRow);
                lBandTop = y;
            }
        }
        closeBand(clImage.height() - 1);
        QRegion rgnVisible;
        rgnVisible.setRects(vecRects.data(), int(vecRects.size()));
        return rgnVisible;
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

// Shapes taken from the preload, kept for the one later call that asks for them.
QHash<QString, QRegion>& shapes()
{
    static QHash<QString, QRegion> hashShapes;
    return hashShapes;
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
    if (!stDecoded.rgnShape.isEmpty())
        shapes().insert(strPath, std::move(stDecoded.rgnShape));
    clPixmap = QPixmap::fromImage(std::move(stDecoded.clImage));
    QPixmapCache::insert(cacheKey(strPath), clPixmap);
    return clPixmap;
}

QRegion ClPictures::shape(const QString& strPath)
{
    const QPixmap clPixmap = pixmap(strPath);
    if (shapes().contains(strPath))
        return shapes().take(strPath);
    const QBitmap clMask = clPixmap.mask();
    return clMask.isNull() ? QRegion() : QRegion(clMask);
}
