#pragma once
// One row of the access-point list: the check mark of the network the camera is joined
// to, the name, the encryption plate and the signal bars, and on the joined network's row
// the button to its IP settings. Releasing the left button on the row chooses it.
#include <QWidget>

class ClWidgetEncryption;
class ClWidgetRssi;
class QLabel;
class QPushButton;

class ClWidgetApInfo : public QWidget
{
    Q_OBJECT

public:
    // strSsid as the tool sends it back; bSendable false for a name that cannot be sent
    // unchanged, whose row is shown but cannot be chosen.
    ClWidgetApInfo(const QString& strSsid, quint32 ulEncryption, quint32 ulSignal, bool bConnected, bool bSendable,
                   QWidget* parent = nullptr);

    QString ssid() const { return strSsid; }
    bool isConnected() const { return bConnected; }
    bool isEncrypted() const;
    int signalLevel() const;

Q_SIGNALS:
    void sigSelect(QString strSsid, bool bEncrypted);
    void sigClickBtn();

protected:
    void keyPressEvent(QKeyEvent* pclEvent) override;
    void focusInEvent(QFocusEvent* pclEvent) override;
    void focusOutEvent(QFocusEvent* pclEvent) override;
    void paintEvent(QPaintEvent* pclEvent) override;
    void mouseReleaseEvent(QMouseEvent* pclEvent) override;
    void enterEvent(QEnterEvent* pclEvent) override;
    void leaveEvent(QEvent* pclEvent) override;

private:
    QString strSsid;
    bool bConnected = false;
    bool bSendable = true;
    bool bHover = false;
    ClWidgetEncryption* pclEncryption = nullptr;
    ClWidgetRssi* pclRssi = nullptr;
};
