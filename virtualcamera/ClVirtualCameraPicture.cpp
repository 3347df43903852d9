#include "ClVirtualCameraPicture.h"

#include <QBuffer>
#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QtEndian>
#include <QtMath>

const QColor ClVirtualCameraPicture::clMarker(255, 128, 0);

int ClVirtualCameraPicture::jpegQuality(int lQuality)
{
    return 90 - 20 * qBound(0, lQuality, 4);
}

void ClVirtualCameraPicture::drawDigits(QPainter& clPainter, const QString& strText, const QRectF& clBox,
                                        const QColor& clColor)
{
    // Segments a..g of each digit, as bits 0..6.
    static const quint8 aMasks[10] = {0x3F, 0x06, 0x5B, 0x4F, 0x66, 0x6D, 0x7D, 0x07, 0x7F, 0x6F};
    const int lCells = int(strText.size());
    if (lCells == 0)
        return;
    const qreal dCell = clBox.width() / lCells;
    const qreal dW = dCell * 0.7;
    const qreal dH = clBox.height();
    const qreal dT = qMax<qreal>(1.0, dW * 0.16);
    clPainter.setPen(Qt::NoPen);
    clPainter.setBrush(clColor);
    for (int i = 0; i < lCells; ++i) {
        const QChar c = strText.at(i);
        const qreal x = clBox.left() + i * dCell;
        const qreal y = clBox.top();
        if (c == QLatin1Char(':')) {
            clPainter.drawRect(QRectF(x + dW / 2 - dT / 2, y + dH * 0.3, dT, dT));
            clPainter.drawRect(QRectF(x + dW / 2 - dT / 2, y + dH * 0.7 - dT, dT, dT));
            continue;
        }
        if (c == QLatin1Char('-') || c == QLatin1Char('/')) {
            clPainter.drawRect(QRectF(x, y + dH / 2 - dT / 2, dW, dT));
            continue;
        }
        if (!c.isDigit())
            continue;
        const quint8 ucMask = aMasks[c.digitValue()];
        const QRectF aSegments[7] = {
            QRectF(x, y, dW, dT),                         // a
            QRectF(x + dW - dT, y, dT, dH / 2),           // b
            QRectF(x + dW - dT, y + dH / 2, dT, dH / 2),  // c
            QRectF(x, y + dH - dT, dW, dT),               // d
            QRectF(x, y + dH / 2, dT, dH / 2),            // e
            QRectF(x, y, dT, dH / 2),                     // f
            QRectF(x, y + dH / 2 - dT / 2, dW, dT),       // g
        };
        for (int s = 0; s < 7; ++s) {
            if (ucMask & (1 << s))
                clPainter.drawRect(aSegments[s]);
        }
    }
}

QByteArray ClVirtualCameraPicture::renderJpeg(const Frame& stFrame)
{
    const QSize clSize = stFrame.clSize.isValid() ? stFrame.clSize : QSize(320, 240);
    QImage clImage(clSize, QImage::Format_RGB32);
    const qreal w = clSize.width();
    const qreal h = clSize.height();
    {
        QPainter clPainter(&clImage);
        clPainter.setRenderHint(QPainter::Antialiasing);

        // A calm scene: sky, hills and a sun that moves with the seconds, so that frames differ.
        QLinearGradient clSky(0, 0, 0, h * 0.65);
        clSky.setColorAt(0, QColor(70, 130, 200));
        clSky.setColorAt(1, QColor(190, 220, 245));
        clPainter.fillRect(QRectF(0, 0, w, h), clSky);
        const int lSecond = stFrame.clTime.time().second();
        const qreal dSunX = w * (0.2 + 0.6 * lSecond / 59.0);
        clPainter.setPen(Qt::NoPen);
        clPainter.setBrush(QColor(255, 236, 140));
        clPainter.drawEllipse(QPointF(dSunX, h * 0.28), h * 0.08, h * 0.08);
        QPainterPath clHills;
        clHills.moveTo(0, h);
        for (int x = 0; x <= 40; ++x)
            clHills.lineTo(w * x / 40.0, h * (0.68 + 0.06 * qSin(x * 0.45)));
        clHills.lineTo(w, h);
        clPainter.setBrush(QColor(60, 120, 60));
        clPainter.drawPath(clHills);

        // The clock, date above, time below.
        const QColor clDigits(255, 255, 255);
        const QDateTime& clTime = stFrame.clTime;
        drawDigits(clPainter, clTime.toString(QStringLiteral("yyyy-MM-dd")),
                   QRectF(w * 0.25, h * 0.40, w * 0.5, h * 0.08), clDigits);
        drawDigits(clPainter, clTime.toString(QStringLiteral("hh:mm:ss")), QRectF(w * 0.2, h * 0.52, w * 0.6, h * 0.18),
                   clDigits);

        // Orientation marker, top-left of the unrotated frame.
        clPainter.setBrush(clMarker);
        clPainter.drawRect(QRectF(0, 0, w * 0.12, h * 0.12));

        // Picture quality setting: five bars, as many filled as the setting (0 light ... 4 dark).
        const qreal dBar = w * 0.025;
        for (int i = 0; i < 5; ++i) {
            clPainter.setBrush(i < stFrame.lQuality ? QColor(30, 30, 30) : QColor(230, 230, 230));
            clPainter.drawRect(QRectF(w * 0.84 + i * dBar * 1.3, h * 0.88, dBar, h * 0.07));
        }
        if (stFrame.bRecording) {
            clPainter.setBrush(QColor(220, 20, 20));
            clPainter.drawEllipse(QPointF(w * 0.94, h * 0.07), h * 0.035, h * 0.035);
        }
    }
    if (stFrame.bRotated)
        clImage = clImage.mirrored(true, true);

    QByteArray clBytes;
    QBuffer clBuffer(&clBytes);
    clBuffer.open(QIODevice::WriteOnly);
    clImage.save(&clBuffer, "JPEG", jpegQuality(stFrame.lQuality));
    return clBytes;
}

QByteArray ClVirtualCameraPicture::soundClip()
{
    constexpr quint32 ulRate = 8000;
    constexpr quint32 ulSamples = ulRate / 2;
    QByteArray clBytes;
    auto append32 = [&clBytes](quint32 ulValue) {
        char a[4];
        qToLittleEndian(ulValue, a);
        clBytes.append(a, 4);
    };
    auto append16 = [&clBytes](quint16 usValue) {
        char a[2];
        qToLittleEndian(usValue, a);
        clBytes.append(a, 2);
    };
    clBytes.append("RIFF");
    append32(36 + ulSamples * 2);
    clBytes.append("WAVEfmt ");
    append32(16);
    append16(1);  // PCM
    append16(1);  // mono
    append32(ulRate);
    append32(ulRate * 2);
    append16(2);
    append16(16);
    clBytes.append("data");
    append32(ulSamples * 2);
    for (quint32 i = 0; i < ulSamples; ++i)
        append16(quint16(qint16(8000 * qSin(2 * M_PI * 440 * i / ulRate))));
    return clBytes;
}
