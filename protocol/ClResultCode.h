#pragma once
// Result codes of one exchange: 0 success, 0xEF00..0xEF05 produced on the PC side,
// anything else the status the camera answered with. The tool and the emulated camera
// both name them from here.
#include <QtGlobal>

namespace ClResultCode {
constexpr quint16 usSuccess = 0x0000;

// The PC side (transport errors).
constexpr quint16 usNoCamera = 0xEF00;        // unknown handle, closed, no endpoint, device gone
constexpr quint16 usNothingToSend = 0xEF01;   // empty packet or block, or a kind that names no command
constexpr quint16 usBusy = 0xEF02;            // bulk transfer returned -16
constexpr quint16 usTimedOut = 0xEF03;        // bulk transfer returned -116
constexpr quint16 usDataMismatch = 0xEF04;    // data transfer head did not match
constexpr quint16 usTransferFailed = 0xEF05;  // other negative result, or no response

// The camera's statuses the tool tells apart.
constexpr quint16 usBroadcasting = 0xFFF3;       // the setting cannot change while streaming
constexpr quint16 usRefused = 0xFFFA;            // refused in the current mode or while recording
constexpr quint16 usParameterRejected = 0xFFFB;  // a value out of the camera's range
constexpr quint16 usNotSupported = 0xFFFC;       // the model or firmware does not know the command
constexpr quint16 usCameraTimeout = 0xFFFE;      // the camera's own operation timed out

constexpr bool isTransportCode(quint32 ulCode)
{
    return ulCode >= usNoCamera && ulCode <= usTransferFailed;
}
}  // namespace ClResultCode
