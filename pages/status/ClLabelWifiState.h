#pragma once
// The Wi-Fi link state: white bold text on the linked or not-linked plate. The same state
// twice changes nothing; a state the table does not know shows the linked plate and keeps
// the text it had.
#include <QLabel>
#include <QPixmap>

class ClLabelWifiState : public QLabel
{
    Q_OBJECT

public:
    explicit ClLabelWifiState(QWidget* parent = nullptr);

    void setState(qint32 lNewState);
    qint32 state() const { return lState; }
    // How often the plate was changed (and the label repainted for it).
    int changeCount() const { return lChanges; }
    // ":/img/wifi_link" or ":/img/wifi_notlink".
    QString pixmapPath() const { return strPixmap; }

protected:
    void paintEvent(QPaintEvent* pclEvent) override;

private:
    qint32 lState = 1;
    QString strPixmap;
    QPixmap clPixmap;
    int lChanges = 0;
};
