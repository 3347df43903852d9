#pragma once
// Logging category of the update services ("tovu.update").
#include <QLoggingCategory>

Q_DECLARE_LOGGING_CATEGORY(lcTovuUpdate)
