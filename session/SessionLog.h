#pragma once
// The camera session's logging category ("tovu.session").
#include <QLoggingCategory>

Q_DECLARE_LOGGING_CATEGORY(lcTovuSession)
