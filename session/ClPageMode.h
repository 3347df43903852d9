#pragma once
// The mode numbers: a page's place in the window's stack and its button in the mode bar.
#include <QtGlobal>

namespace ClPageMode {
enum : qint32 {
    NotConnected = 0,
    CameraState = 1,
    Network = 2,
    Basic = 3,
    Stream = 4,
    Schedule = 5,
    Secure = 6,
    Help = 7,
};
constexpr qint32 lCount = 8;

// The settings pages, which show Reload and Apply.
constexpr bool hasReloadApply(qint32 lMode)
{
    return lMode >= Network && lMode <= Schedule;
}
// The pages only the Tovu-S has.
constexpr bool isTovuSOnly(qint32 lMode)
{
    return lMode == Schedule || lMode == Secure;
}
}  // namespace ClPageMode

// The mode bar's locks.
namespace ClButtonsState {
enum : qint32 {
    Unlocked = 0,
    SecurityMode = 1,  // only Mode and Help
    NoCamera = 2,      // only Help
};
}  // namespace ClButtonsState
