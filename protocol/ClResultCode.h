#pragma once
// Result codes of one exchange: 0 success, 0xEF00..0xEF05 produced on the PC side,
// anything else the status the camera answered with.
#include <QtGlobal>

namespace ClResultCode {
constexpr quint16 usSuccess = 0x0000;
constexpr quint16 usNoCamera = 0xEF00;        // unknown handle, closed, no endpoint, device gone
constexpr quint16 usNothingToSend = 0xEF01;   // empty request packet or empty data block
constexpr quint16 usBusy = 0xEF02;            // bulk transfer returned -16
constexpr quint16 usTimedOut = 0xEF03;        // bulk transfer returned -116
constexpr quint16 usDataMismatch = 0xEF04;    // data transfer head did not match
constexpr quint16 usTransferFailed = 0xEF05;  // other negative result, or no response

constexpr bool isTransportCode(quint32 ulCode)
{
    return ulCode >= usNoCamera && ulCode <= usTransferFailed;
}
}  // namespace ClResultCode
