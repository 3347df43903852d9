#pragma once
// One camera on the USB bus: opens it, claims its interface, learns its bulk endpoints and
// performs single bulk transfers, turning the seam's negative results into transport codes.
// The worker owns it; handle() is the camera handle the pages carry in "PARAM1".
#include <QByteArray>
#include <QList>
#include <QObject>
#include <QString>

#include <usb.h>

class ClUsbApi;

class ClUsbController : public QObject
{
    Q_OBJECT

public:
    ClUsbController(struct usb_device* pclDevice, ClUsbApi* pclApi);
    // Does not close: the owner closes first.
    ~ClUsbController() override;

    // Why the last open() failed, as far as the user can do something about it.
    enum class Failure {
        None,     // opened, or not tried
        Refused,  // this user may not use the device (no udev rule applied)
        Busy,     // another program (or a kernel driver) holds its interface
        Other
    };

    bool open();
    bool isOpen() const { return m_bOpen; }
    Failure lastFailure() const { return m_eFailure; }
    // The device node behind the camera, "/dev/bus/usb/<bus>/<device>".
    QString deviceNode() const;
    // Where it sits: "<bus folder>/<device file>", as under /dev/bus/usb.
    QString location() const { return QString::fromLocal8Bit(m_clLocation); }
    void close();

    // The endpoint a transfer to or from `ucAddress` uses (exact match first, then the first
    // of the same direction); 0 when there is none.
    unsigned char endpoint(unsigned char ucAddress) const;

    // The number of bytes written, 0, or a transport code. Error -5 closes the controller.
    int bulkWrite(const QByteArray& clData, int lTimeoutMs);
    // At most lMaxReadSize bytes; empty on failure, with the transport code stored in
    // *pusError (which a read of zero bytes leaves alone). Error -5 closes the controller.
    QByteArray bulkRead(int lTimeoutMs, unsigned char ucEndpointHint, unsigned short* pusError);

    // The camera handle: a number unique in this process, never an address, so that a
    // camera opened later (even at the address of a freed one) is never taken for it.
    void* handle() const { return m_pHandle; }

    int model() const { return m_lModel; }
    void setModel(int lModel) { m_lModel = lModel; }

    struct usb_device* device() const { return m_pclDevice; }
    // True when pclDevice is the very record this controller was made from. The location is
    // compared too, because libusb frees the record of a vanished device and may hand out
    // the same address for the next one.
    bool isMadeFrom(struct usb_device* pclDevice) const;

    QList<unsigned char> endpoints() const { return m_lstEndpoints; }
    QList<int> interfaces() const { return m_lstInterfaces; }

    static constexpr int lMaxReadSize = 1024;

Q_SIGNALS:
    void sigClose(ClUsbController* pclController);

private:
    static QByteArray locationOf(struct usb_device* pclDevice);
    // The transport code of a failed transfer; the device gone closes the controller.
    quint16 failure(int lResult);
    void releaseInterfaces();

    struct usb_device* m_pclDevice = nullptr;
    usb_dev_handle* m_pclHandle = nullptr;
    QList<unsigned char> m_lstEndpoints;
    QList<int> m_lstInterfaces;
    bool m_bOpen = false;
    Failure m_eFailure = Failure::None;
    int m_lModel = -1;
    ClUsbApi* m_pclApi = nullptr;
    QByteArray m_clLocation;
    void* m_pHandle = nullptr;
};
