#pragma once
// The stream pages' slider pictures: the handles and the three-piece bars (left end,
// centre stretched by the style, right end) of the "rate" and "contrast" sliders.
#include <QImage>

class ClStreamArt
{
public:
    enum Piece { Left, Centre, Right };
    enum Bar { RateDone, RateRest, ContrastDone, ContrastRest };

    static QImage rateHandle();                 // 14 x 22
    static QImage contrastHandle();             // 14 x 22
    static QImage bar(Bar eBar, Piece ePiece);  // 6 x 8 ends, 4 x 8 centre
};
