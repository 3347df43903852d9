#pragma once
// The colours of the tool's look, in one place: the fixed colours of the pages (group
// boxes, lists, good/warning/bad) and the chrome built around them. The pictures are
// drawn with them and the widgets paint and style with them.
#include <QColor>
#include <QString>

struct ClArtPalette
{
    // Fixed by the pages.
    static QColor groupBox() { return QColor(158, 168, 178); }
    static QColor list() { return QColor(206, 213, 223); }
    static QColor good() { return QColor(26, 97, 9); }
    static QColor warning() { return QColor(120, 110, 25); }
    static QColor bad() { return QColor(180, 25, 8); }
    static QColor listLine() { return QColor(128, 133, 139); }

    // Chrome.
    static QColor ink() { return QColor(44, 52, 62); }       // glyphs and text on light ground
    static QColor inkSoft() { return QColor(78, 90, 104); }  // list glyphs, not selected
    static QColor accent() { return QColor(46, 92, 142); }   // selection, highlights
    static QColor accentLight() { return QColor(86, 132, 182); }
    static QColor accentDark() { return QColor(30, 62, 100); }
    static QColor frame() { return QColor(74, 84, 96); }  // window outline
    static QColor captionTop() { return QColor(246, 248, 250); }
    static QColor captionBottom() { return QColor(226, 231, 237); }
    static QColor barTop() { return QColor(232, 236, 241); }  // mode bar
    static QColor barBottom() { return QColor(206, 213, 223); }
    static QColor page() { return QColor(241, 243, 246); }   // page area
    static QColor slateTop() { return QColor(70, 80, 92); }  // log bar
    static QColor slateBottom() { return QColor(48, 56, 66); }
    static QColor metal() { return QColor(196, 203, 212); }
    static QColor captionText() { return QColor(45, 55, 70); }
    static QColor listCurrentText() { return QColor(28, 56, 96); }

    // "rgb(r, g, b)" for a style sheet.
    static QString css(const QColor& clColour)
    {
        return QStringLiteral("rgb(%1, %2, %3)").arg(clColour.red()).arg(clColour.green()).arg(clColour.blue());
    }
};
