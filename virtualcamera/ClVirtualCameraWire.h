#pragma once
// The camera's own reading and writing of the packet format, kept apart from the tool's
// command classes so that a fault on one side is not mirrored on the other. All
// multi-byte fields are little-endian; a field beyond the received bytes reads as 0.
#include <QByteArray>
#include <QDate>
#include <QTime>

#include <array>

class ClVirtualCameraWire
{
public:
    using Params = std::array<quint32, 5>;

    // One transfer written to the camera, as the camera reads it.
    struct Packet
    {
        quint16 usType = 0;
        quint16 usSequence = 0;
        quint32 ulSize = 0;
        quint16 usCode = 0;
        Params arrParams {};
        QByteArray clRaw;
    };

    static constexpr quint16 usTypeCommand = 0;
    static constexpr quint16 usTypeData = 2;
    static constexpr int lPacketSize = 32;
    static constexpr int lHeadSize = 12;

    // The fixed layout: head, code, pad, five parameters.
    static Packet parse(const QByteArray& clBytes);

    // A text request: size = n + 28, n at offset 12, the text from 16. Empty when the packet
    // is the plain 32-byte form (an empty text). *pbValid is false when the lengths lie.
    static QByteArray textOf(const Packet& stPacket, bool* pbValid);
    // The Wi-Fi join request: two length-prefixed texts after the head.
    static bool twoTextsOf(const Packet& stPacket, QByteArray* pclFirst, QByteArray* pclSecond);
    // A data packet (type 2): sequence, length n, then n bytes. False when it is cut short.
    static bool dataOf(const Packet& stPacket, QByteArray* pclData);

    // Responses.
    static QByteArray plain(quint16 usSequence, quint16 usStatus, const Params& arrParams = Params {});
    // A text answer: the plain packet when the text is empty, else head, n, the text and
    // param3..param5. ulClaimedLength, when non-zero, is written in place of n (a lie).
    static QByteArray text(quint16 usSequence, quint16 usStatus, const QByteArray& clText, quint32 ulClaimedLength = 0);
    // The text packet of the list exchanges: head, param1, then two length-prefixed texts.
    static QByteArray twoTexts(quint16 usSequence, quint32 ulParam1, const QByteArray& clFirst,
                               const QByteArray& clSecond);
    // The first packet of a block sent to the PC: type 2, sequence, total length, n, n bytes.
    static QByteArray dataHead(quint16 usSequence, quint32 ulTotal, const QByteArray& clChunk);

    // Values as they travel.
    static quint32 packDate(const QDate& clDate);
    static quint32 packTime(const QTime& clTime);
    static QDate unpackDate(quint32 ulValue);
    static QTime unpackTime(quint32 ulValue);
    // "hhmm" as four ASCII bytes in one parameter slot.
    static quint32 packHhmm(const QTime& clTime);
    static QTime unpackHhmm(quint32 ulValue);

    static quint32 readLe32(const QByteArray& clBytes, qsizetype lOffset);
    static quint16 readLe16(const QByteArray& clBytes, qsizetype lOffset);
    static void appendLe32(QByteArray& clBytes, quint32 ulValue);
    static void appendLe16(QByteArray& clBytes, quint16 usValue);
};
