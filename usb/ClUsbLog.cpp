#include "ClUsbLog.h"

Q_LOGGING_CATEGORY(lcTovuUsb, "tovu.usb", QtInfoMsg)
Q_LOGGING_CATEGORY(lcTovuUsbPackets, "tovu.usb.packets", QtWarningMsg)
