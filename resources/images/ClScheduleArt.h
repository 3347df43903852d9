#pragma once
// The pictures of the weekly schedule page: the period bars in their normal and mouse-over
// looks and their end caps, the axis and the time scale, the every-day region tint, the
// day-name faces and switches, and the page's decorations.
#include <QImage>

class ClScheduleArt
{
public:
    enum BarKind { Day, DayContinued, Everyday };

    static QImage bar(BarKind eKind, bool bOnMouse);  // 40 x 20 body
    static QImage barEnd(bool bRight);                // 4 x 20 cap
    static QImage transparent();                      // 1 x 1
    static QImage axis();                             // 470 x 28
    static QImage timeScale();                        // 470 x 18
    static QImage everydayRegion(bool bActive);       // 16 x 16 tint
    static QImage background();                       // 600 x 469
    static QImage dayBand(bool bDay);                 // 18 x 18 sun or moon
    static QImage line(bool bDotted);                 // 580 x 2
    static QImage check(int lState);                  // 16 x 16: 0 off, 1 on, 2 on and disabled
    static QImage dayName(int lLook);                 // 112 x 28: 0 plain, 1 blue, 2 green
};
