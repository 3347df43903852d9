#pragma once
// Faults of the pictures the emulated camera sends, armed by tests and applied to the next
// picture requests: bytes that are no JPEG, a JPEG cut short, and a JPEG whose header
// claims 65535 x 65535 pixels (beyond any JPEG reader) or 20000 x 20000 (1.6 GB decoded). The block is sent whole with
// its true length, so the exchange itself succeeds and only the picture is bad. Not thread-safe; the camera guards it.
#include <QByteArray>

class ClVirtualCameraPictureFaults
{
public:
    enum class Fault { NotJpeg, Truncated, HugeDimensions, LargeDimensions };

    void inject(Fault eFault, int lCount = 1);
    void clear();
    // The picture as the armed faults leave it.
    QByteArray apply(const QByteArray& clJpeg);

    // A JPEG's frame header rewritten to claim lWidth x lHeight; unchanged without one.
    static QByteArray withDimensions(const QByteArray& clJpeg, quint16 usWidth, quint16 usHeight);

private:
    int m_aCounts[4] = {};
};
