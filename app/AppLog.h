#pragma once
// The application library's logging category ("tovu.app").
#include <QLoggingCategory>

Q_DECLARE_LOGGING_CATEGORY(lcTovuApp)
