#pragma once
// The pictures of the camera state page: the row symbols (battery, Wi-Fi, SD card), the
// plates behind the Wi-Fi link state and the separator line across the page.
#include <QImage>

class ClStatusArt
{
public:
    static QImage batterySymbol();          // 30 x 30
    static QImage wifiSymbol();             // 30 x 30
    static QImage sdSymbol();               // 30 x 30
    static QImage linkPlate(bool bLinked);  // 112 x 24
    static QImage separatorLine();          // 600 x 2
};
