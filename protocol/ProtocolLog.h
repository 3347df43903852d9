#pragma once
// Logging category of the protocol library.
#include <QLoggingCategory>

Q_DECLARE_LOGGING_CATEGORY(lcProtocol)
