#pragma once
// A camera on an emulated USB bus for the real libusb: umockdev provides /dev/bus/usb and
// sysfs, and this class plays the camera's side of the usbdevfs calls libusb 0.1 makes
// (descriptor reads, interface claims, bulk URBs). The process must run under
// umockdev-wrapper, which preloads the library that redirects those paths and calls.
#include <QByteArray>
#include <QList>
#include <QString>

#include <memory>

class ClUmockdevCamera
{
public:
    enum class Mode {
        Answer,  // a 32-byte request gets the echo of ClVirtualEchoDevice; the name query "Tovu"
        Silent,  // requests are taken, nothing comes back: reads time out
        Gone     // every URB fails with ENODEV, as after the cable was pulled
    };

    ClUmockdevCamera();
    ~ClUmockdevCamera();

    // False with a reason when umockdev could not be set up (for example not preloaded).
    bool isReady() const;
    QString error() const;

    void setMode(Mode eMode);
    // Takes the device off the emulated bus.
    void remove();

    QList<QByteArray> requests() const;
    QList<int> claimedInterfaces() const;
    QList<int> releasedInterfaces() const;
    int discardedUrbs() const;

    static QByteArray descriptors();

private:
    struct Private;
    std::unique_ptr<Private> m_upPrivate;
};
