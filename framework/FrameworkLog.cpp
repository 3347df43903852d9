#include "FrameworkLog.h"

Q_LOGGING_CATEGORY(lcFramework, "tovu.framework", QtWarningMsg)
