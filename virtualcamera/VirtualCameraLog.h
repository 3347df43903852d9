#pragma once
// Logging category of the virtual camera library ("tovu.virtualcamera").
#include <QLoggingCategory>

Q_DECLARE_LOGGING_CATEGORY(lcTovuVirtualCamera)
