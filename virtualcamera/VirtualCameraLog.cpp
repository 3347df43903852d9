#include "VirtualCameraLog.h"

Q_LOGGING_CATEGORY(lcTovuVirtualCamera, "tovu.virtualcamera", QtInfoMsg)
