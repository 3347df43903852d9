#pragma once
// The pictures of the network settings pages: the strip behind the connection-mode tabs
// and the tab faces, the Wi-Fi off picture, the subtitle bar of the infrastructure
// sub-pages, and the access-point rows' check mark, encryption plate, signal bars and
// button to the IP settings.
#include <QImage>

#include "ClChromeArt.h"

class ClNetworkArt
{
public:
    static QImage tabStrip();                         // 460 x 72
    static QImage tabFace(bool bSelected);            // 123 x 36
    static QImage wifiOff();                          // 200 x 200
    static QImage subtitle();                         // 440 x 28
    static QImage checkMark();                        // 18 x 16
    static QImage encryptionPlate();                  // 112 x 24
    static QImage signalBars(int lLevel);             // 30 x 28; 0 shows no bars
    static QImage pageButton(ClChromeArt::State eState);  // 36 x 22
};
