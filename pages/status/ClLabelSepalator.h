#pragma once
// The line across the camera state page between the Wi-Fi and the SD rows.
#include <QLabel>

class ClLabelSepalator : public QLabel
{
    Q_OBJECT

public:
    explicit ClLabelSepalator(QWidget* parent = nullptr);
};
