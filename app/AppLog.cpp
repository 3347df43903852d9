#include "AppLog.h"

Q_LOGGING_CATEGORY(lcTovuApp, "tovu.app", QtInfoMsg)
