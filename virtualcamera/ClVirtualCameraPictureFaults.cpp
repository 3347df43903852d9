#include "ClVirtualCameraPictureFaults.h"

void ClVirtualCameraPictureFaults::inject(Fault eFault, int lCount)
{
    m_aCounts[int(eFault)] += qMax(0, lCount);
}

void ClVirtualCameraPictureFaults::clear()
{
    for (int& lCount : m_aCounts)
        lCount = 0;
}

QByteArray ClVirtualCameraPictureFaults::withDimensions(const QByteArray& clJpeg, quint16 usWidth, quint16 usHeight)
{
    QByteArray clResult = clJpeg;
    // Walk the marker segments up to the first start-of-frame (baseline or progressive).
    qsizetype lPos = 2;
    while (lPos + 9 < clResult.size()) {
        if (quint8(clResult[lPos]) != 0xFF)
            break;
        const quint8 ubMarker = quint8(clResult[lPos + 1]);
        const int lLength = (quint8(clResult[lPos + 2]) << 8) | quint8(clResult[lPos + 3]);
        if (ubMarker == 0xC0 || ubMarker == 0xC2) {
            clResult[lPos + 5] = char(usHeight >> 8);
            clResult[lPos + 6] = char(usHeight & 0xFF);
            clResult[lPos + 7] = char(usWidth >> 8);
            clResult[lPos + 8] = char(usWidth & 0xFF);
            return clResult;
        }
        lPos += 2 + lLength;
    }
    return clResult;
}

QByteArray ClVirtualCameraPictureFaults::apply(const QByteArray& clJpeg)
{
    if (m_aCounts[int(Fault::NotJpeg)] > 0) {
        --m_aCounts[int(Fault::NotJpeg)];
        // As long as a picture, and nothing like one.
        return QByteArray(clJpeg.size(), 'x');
    }
    if (m_aCounts[int(Fault::Truncated)] > 0) {
        --m_aCounts[int(Fault::Truncated)];
        return clJpeg.left(clJpeg.size() / 2);
    }
    if (m_aCounts[int(Fault::HugeDimensions)] > 0) {
        --m_aCounts[int(Fault::HugeDimensions)];
        return withDimensions(clJpeg, 65535, 65535);
    }
    if (m_aCounts[int(Fault::LargeDimensions)] > 0) {
        --m_aCounts[int(Fault::LargeDimensions)];
        return withDimensions(clJpeg, 20000, 20000);
    }
    return clJpeg;
}
