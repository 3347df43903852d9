#pragma once
// The firmware file format the emulated camera installs. A file starts with a text head:
//
//   TOVU-FIRMWARE 01.03.026\n      the version the camera reports after the update
//   MODEL Tovu-S\n                 optional: the machine name the image is made for
//
// followed by any bytes (the image proper). Lines may end in "\r\n". The version must be
// two digits, a dot, two digits, a dot, three digits. The camera takes the head from the
// first block of an update that starts with "TOVU-FIRMWARE"; an update without such a
// block, or for another model, is refused when the update is started.
#include <QByteArray>
#include <QString>

class ClVirtualFirmwareImage
{
public:
    // A file of this format; lPayload bytes of filler follow the head.
    static QByteArray make(const QString& strVersion, const QString& strModel = QString(), qsizetype lPayload = 256);
    // Reads the head. False when the bytes do not start with a valid head.
    static bool parse(const QByteArray& clBytes, QString* pstrVersion, QString* pstrModel);

    // Enough of the start of a file to hold its head.
    static constexpr qsizetype lHeadBytes = 256;
    static const char* const pszMagic;
};
