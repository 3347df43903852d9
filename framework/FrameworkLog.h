#pragma once
// Logging category of the page framework ("tovu.framework").
#include <QLoggingCategory>

Q_DECLARE_LOGGING_CATEGORY(lcFramework)
