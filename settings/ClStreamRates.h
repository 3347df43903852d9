#pragma once
// The arithmetic of the recording and live pages: frame rates by slider position, the
// highest bit rate a resolution and frame rate allow, and how long an SD card lasts at a
// bit rate. Kept apart from the widgets so that the numbers can be checked on their own.
#include <QList>
#include <QString>

class ClStreamRates
{
public:
    static constexpr int lMinBitRate = 384000;    // bits per second
    static constexpr int lMaxBitRate = 15360000;  // bits per second
    static constexpr int lPositions = 5;          // frame-rate slider positions 0 ... 4

    // Frame rate of a slider position; the second mode has 5 fps where the first has 6.
    static int frameRateOf(int lPosition, bool bSecondMode);
    // The position showing lFps; -1 when no position shows it.
    static int positionOf(int lFps, bool bSecondMode);
    // The position whose frame rate is closest to lFps (a camera's odd value shown sanely).
    static int nearestPosition(qint64 llFps, bool bSecondMode);

    // Pixels per frame of the recording page's resolution index; 0 for an unknown index.
    static qint64 pixelsOf(int lResolutionIndex);
    // The highest bit rate allowed at a resolution index and frame rate.
    static int maximumBitRate(int lResolutionIndex, int lFps);

    // Capacity of the SD combo's index in units of 1024 bytes; 0 for an unknown index.
    static qint64 sdCapacityOf(int lSdIndex);

    // How long a card lasts: bDays tells which of the two texts, dValue its number.
    struct Estimate
    {
        bool bDays = false;
        double dValue = 0.0;
    };
    static Estimate estimate(qint64 llCapacity, qint64 llBitRate);
    // The estimate as the page words it.
    static QString estimateText(const Estimate& stEstimate);

    // Whether (resolution index, frame rate, bit rate) is a combination the camera cannot
    // be set to.
    static bool isForbidden(int lResolutionIndex, qint64 llFps, qint64 llBitRate);
};
