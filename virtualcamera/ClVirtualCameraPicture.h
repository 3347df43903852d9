#pragma once
// The pictures the emulated camera sends: a JPEG frame drawn live, showing the camera's
// clock in segment digits, with the rotation setting applied to the whole frame (an orange
// marker sits top-left in a normal frame, bottom-right in a rotated one) and the picture
// quality setting used as the JPEG quality (and shown as a row of bars). No fonts are used,
// so frames can be drawn on any thread and without a GUI application object.
#include <QByteArray>
#include <QColor>
#include <QDateTime>
#include <QSize>

class QPainter;

class ClVirtualCameraPicture
{
public:
    struct Frame
    {
        QSize clSize {800, 480};
        QDateTime clTime;
        bool bRotated = false;
        int lQuality = 2;  // the camera's picture quality setting, 0 (light) to 4 (dark)
        bool bRecording = false;
    };

    static QByteArray renderJpeg(const Frame& stFrame);
    // The JPEG quality a picture quality setting gives: 90, 70, 50, 30, 10.
    static int jpegQuality(int lQuality);

    // A short sound clip (WAV, 8 kHz, 16-bit mono, a 440 Hz tone), as the sound request gets.
    static QByteArray soundClip();

    static const QColor clMarker;

private:
    static void drawDigits(QPainter& clPainter, const QString& strText, const QRectF& clBox, const QColor& clColor);
};
