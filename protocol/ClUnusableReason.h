#pragma once
// Why a camera on the bus cannot be used, as the worker's "camera unusable" notice says.
#include <QtGlobal>

namespace ClUnusableReason {
enum : qint32 {
    Usable = 0,   // opened after all, or gone from the bus
    Refused = 1,  // this user may not open its device node
    Busy = 2,     // another program holds its interface
};
}  // namespace ClUnusableReason
