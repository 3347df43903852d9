#pragma once
// Where the keyboard is, drawn the same way on every widget the tool paints itself: a
// rounded frame in the selection colour (light on a selected, dark ground), inside the
// widget's own rectangle.
#include <QRect>

class QPainter;

class ClFocusFrame
{
public:
    static void paint(QPainter& clPainter, const QRect& clArea, bool bOnSelection = false);
};
