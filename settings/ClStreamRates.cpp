#include "ClStreamRates.h"

#include <QCoreApplication>

#include <array>
#include <cstdlib>

namespace {
constexpr std::array<int, ClStreamRates::lPositions> aFirstMode = {1, 6, 10, 15, 30};
constexpr std::array<int, ClStreamRates::lPositions> aSecondMode = {1, 5, 10, 15, 30};

struct stForbidden
{
    int lResolutionIndex;
    qint64 llFps;
    qint64 llLowestBitRate;
    qint64 llHighestBitRate;
};
// Combinations the camera refuses. Its one entry stands for an empty frame rate and bit
// rate at the first resolution, which no camera takes.
constexpr stForbidden aForbidden[] = {{0, 0, 0, 0}};
}  // namespace

int ClStreamRates::frameRateOf(int lPosition, bool bSecondMode)
{
    if (lPosition < 0 || lPosition >= lPositions)
        return 0;
    return bSecondMode ? aSecondMode[size_t(lPosition)] : aFirstMode[size_t(lPosition)];
}

int ClStreamRates::positionOf(int lFps, bool bSecondMode)
{
    for (int lPosition = 0; lPosition < lPositions; ++lPosition) {
        if (frameRateOf(lPosition, bSecondMode) == lFps)
            return lPosition;
    }
    return -1;
}

int ClStreamRates::nearestPosition(qint64 llFps, bool bSecondMode)
{
    int lBest = 0;
    for (int lPosition = 1; lPosition < lPositions; ++lPosition) {
        if (std::llabs(frameRateOf(lPosition, bSecondMode) - llFps)
            < std::llabs(frameRateOf(lBest, bSecondMode) - llFps))
            lBest = lPosition;
    }
    return lBest;
}

qint64 ClStreamRates::pixelsOf(int lResolutionIndex)
{
    switch (lResolutionIndex) {
    case 0:
        return 1920 * 1080;
    case 1:
        return 1280 * 720;
    case 2:
        return 640 * 480;
    case 3:
        return 320 * 240;
    default:
        return 0;
    }
}

int ClStreamRates::maximumBitRate(int lResolutionIndex, int lFps)
{
    // HD at 1 fps would come out below what the camera's encoder needs.
    if (lResolutionIndex == 1 && lFps == 1)
        return 456000;
    const double dUnits = double(pixelsOf(lResolutionIndex)) * lFps * 0.25 / 1000 * 0.125;
    const qint64 llMaximum = qint64(dUnits) * 16000;
    return int(qBound(qint64(lMinBitRate), qint64(llMaximum), qint64(lMaxBitRate)));
}

qint64 ClStreamRates::sdCapacityOf(int lSdIndex)
{
    // What is left of a card of the nominal size once it is formatted.
    constexpr std::array<qint64, 5> aCapacity = {1900000, 3900000, 7900000, 15900000, 31900000};
    if (lSdIndex < 0 || lSdIndex >= int(aCapacity.size()))
        return 0;
    return aCapacity[size_t(lSdIndex)];
}

ClStreamRates::Estimate ClStreamRates::estimate(qint64 llCapacity, qint64 llBitRate)
{
    Estimate stEstimate;
    const qint64 llBytesPerSecond = llBitRate / 8;
    if (llBytesPerSecond <= 0 || llCapacity <= 0)
        return stEstimate;
    // Tenths of seconds, then tenths of hours.
    const qint64 llTenths = qint64(double(llCapacity * 1024) / double(llBytesPerSecond) * 10);
    const qint64 llHours = llTenths / 3600;
    if (llTenths / 86400 >= 10) {
        stEstimate.bDays = true;
        stEstimate.dValue = double(llHours / 24) / 10;
    } else {
        stEstimate.dValue = double(llHours) / 10;
    }
    return stEstimate;
}

QString ClStreamRates::estimateText(const Estimate& stEstimate)
{
    const char* pszText = stEstimate.bDays
        ? QT_TRANSLATE_NOOP("ClWidgetStreamSetting", "Recordable up to approx. %1 day(s)")
        : QT_TRANSLATE_NOOP("ClWidgetStreamSetting", "Recordable up to approx. %1 hour(s)");
    return QCoreApplication::translate("ClWidgetStreamSetting", pszText)
        .arg(QString::number(stEstimate.dValue, 'g', 6));
}

bool ClStreamRates::isForbidden(int lResolutionIndex, qint64 llFps, qint64 llBitRate)
{
    for (const stForbidden& stEntry : aForbidden) {
        if (stEntry.lResolutionIndex == lResolutionIndex && stEntry.llFps == llFps
            && llBitRate >= stEntry.llLowestBitRate && llBitRate <= stEntry.llHighestBitRate)
            return true;
    }
    return false;
}
