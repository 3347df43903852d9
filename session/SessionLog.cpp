#include "SessionLog.h"

Q_LOGGING_CATEGORY(lcTovuSession, "tovu.session", QtInfoMsg)
