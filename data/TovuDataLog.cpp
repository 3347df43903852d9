#include "TovuDataLog.h"

Q_LOGGING_CATEGORY(lcTovuData, "tovu.data", QtWarningMsg)
