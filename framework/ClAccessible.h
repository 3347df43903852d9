#pragma once
// What a screen reader is told of a widget the tool paints itself: the role it is
// announced by (a bar, a row, a gauge) instead of a nameless filler.
#include <QAccessible>

class QWidget;

class ClAccessible
{
public:
    // Set before the widget is first asked for (in its constructor): a screen reader
    // keeps what it learnt of a widget.
    static void setRole(QWidget* pclWidget, QAccessible::Role eRole);
};
