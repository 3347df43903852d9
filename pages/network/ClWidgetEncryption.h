#pragma once
// The encryption plate of an access-point row: "WEP", "TKIP" or "AES" on the plate
// picture, nothing (and no size) for an open network or a code it does not know.
#include <QLabel>

class ClWidgetEncryption : public QLabel
{
    Q_OBJECT

public:
    explicit ClWidgetEncryption(quint32 ulCode, QWidget* parent = nullptr);

    // The plate's text for a code; empty for open networks and unknown codes, which the
    // list treats as open.
    static QString textFor(quint32 ulCode);

protected:
    void paintEvent(QPaintEvent* pclEvent) override;
};
