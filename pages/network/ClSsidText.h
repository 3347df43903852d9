#pragma once
// Network names as the camera reports them: up to 32 bytes that the access-point list
// and the Wi-Fi information carry as 8-bit characters. A name that is valid UTF-8 is read
// as such, so that sending it back as a text command gives the camera the same bytes; one
// that is not cannot be sent back unchanged and is only shown. Control characters are
// never drawn.
#include <QString>

class ClSsidText
{
public:
    // The name as the tool sends it back; bSendable is false for bytes that are not UTF-8.
    static QString fromCamera(const QString& strEightBit, bool* pbSendable);
    // The name as a row shows it: control characters replaced by U+FFFD.
    static QString display(const QString& strName);
};
