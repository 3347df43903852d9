#include "TovuUpdateLog.h"

Q_LOGGING_CATEGORY(lcTovuUpdate, "tovu.update", QtWarningMsg)
