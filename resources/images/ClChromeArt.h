#pragma once
// The pictures of the window's own chrome: its shape and background, the caption close
// button, the mode bar faces and separator, the log bar and the page list's row marks.
#include <QImage>

class ClChromeArt
{
public:
    enum State { Normal, Hover, Pressed };

    static QImage window();                   // 600 x 620; alpha is the window's shape
    static QImage closeButton(State eState);  // 74 x 20
    static QImage modeFace(bool bSelected);   // 97 x 87
    static QImage modeSeparator();            // 2 x 88
    static QImage logBar();                   // 600 x 36
    static QImage logButton(State eState);    // 92 x 29
    static QImage listBackground();           // 130 x 40
    static QImage listArrow();                // 8 x 14

    // Shared by the other pictures: a transparent image of a size.
    static QImage blank(int lWidth, int lHeight);
};
