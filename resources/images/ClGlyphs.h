#pragma once
// The line symbols of the tool, drawn on a 24 x 24 grid with 2-unit strokes, so that
// they are pixel-sharp at 24 px and keep their weight when scaled into tiles and badges.
#include <QColor>
#include <QRectF>

class QPainter;

class ClGlyphs
{
public:
    enum Glyph {
        Camera,
        Globe,
        Gear,
        Play,
        Calendar,
        Shield,
        Help,
        Clock,
        Pin,
        Wifi,
        Key,
        Sliders,
        AccessPoint,
        Port,
        Broadcast,
        Record,
        Video,
        Wrench,
        Padlock
    };

    // Draws the glyph scaled into the square 'clBox' (24 grid units across it).
    static void draw(QPainter& clPainter, Glyph eGlyph, const QRectF& clBox, const QColor& clColor);
};
