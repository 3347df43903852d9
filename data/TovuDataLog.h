#pragma once
// Logging category of the data library ("tovu.data").
#include <QLoggingCategory>

Q_DECLARE_LOGGING_CATEGORY(lcTovuData)
