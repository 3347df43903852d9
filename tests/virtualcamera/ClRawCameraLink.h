#pragma once
// Talks to an emulated camera through the virtual bus with packets built here by hand, so
// that the camera's own decoding is checked against literal bytes rather than against the
// tool's command classes.
#include <QByteArray>
#include <QList>

#include <usb.h>

#include <array>

class ClVirtualUsbBus;
class ClVirtualUsbDevice;

class ClRawCameraLink
{
public:
    using Params = std::array<quint32, 5>;

    // Opens the first device of the bus that is plugged in; reads time out at once.
    explicit ClRawCameraLink(ClVirtualUsbBus& clBus);
    ~ClRawCameraLink();
    bool isOpen() const { return m_pclHandle != nullptr; }
    // Opens again (after the camera came back with a new device record).
    bool reopen();

    static QByteArray command(quint16 usCode, const Params& arrParams = Params{}, quint16 usSequence = 0x1234);
    static QByteArray textCommand(quint16 usCode, const QByteArray& clText, quint16 usSequence = 0x1234);
    static QByteArray dataPacket(const QByteArray& clBlock, quint16 usSequence = 0x1234);

    int write(const QByteArray& clBytes);
    // One read of up to 1024 bytes; empty when nothing came.
    QByteArray read();
    // Writes the request and returns the first response.
    QByteArray exchange(const QByteArray& clRequest);
    // Writes the request, reads the response naming the block's length and collects the block.
    QByteArray collect(quint16 usCode, quint16* pusStatus = nullptr);

    // Fields of a response.
    static quint16 sequence(const QByteArray& clResponse);
    static quint16 status(const QByteArray& clResponse);
    static quint32 param(const QByteArray& clResponse, int lIndex);
    // The text of a text response (length at offset 12, text from 16).
    static QByteArray text(const QByteArray& clResponse);
    static quint32 le32(const QByteArray& clBytes, int lOffset);

private:
    ClVirtualUsbBus& m_clBus;
    usb_dev_handle* m_pclHandle = nullptr;
};
