#pragma once
// Logging categories of the USB library. "tovu.usb.packets" prints every request and
// response in hex; it is off by default and switched on with
//   QT_LOGGING_RULES="tovu.usb.packets.debug=true"
#include <QLoggingCategory>

Q_DECLARE_LOGGING_CATEGORY(lcTovuUsb)
Q_DECLARE_LOGGING_CATEGORY(lcTovuUsbPackets)
