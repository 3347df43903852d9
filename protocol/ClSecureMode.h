#pragma once
// The Tovu-S's operating mode as ClTovuCommandGetSecureCurr answers it and
// ClTovuCommandExecSecureCurr sets it. 0: not known yet.
#include <QtGlobal>

namespace ClSecureMode {
enum : qint32 {
    Unknown = 0,
    Security = 1,
    Maintenance = 2,
};
}  // namespace ClSecureMode
