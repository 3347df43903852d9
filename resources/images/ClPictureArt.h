#pragma once
// The tool's symbols and pictures: the app mark and logos, the mode-bar and page-list
// icons, the not-connected picture and the security/maintenance mode badges.
#include "ClGlyphs.h"

#include <QImage>

class ClPictureArt
{
public:
    static QImage appIcon(int lSize);                                // the app mark, square
    static QImage logo(int lWidth, int lHeight);                     // mark and name
    static QImage modeIcon(ClGlyphs::Glyph eGlyph);                  // 48 x 48 tile
    static QImage listIcon(ClGlyphs::Glyph eGlyph, bool bSelected);  // 28 x 28
    static QImage notConnected();                                    // 260 x 170
    static QImage modeBadge(bool bMaintenance);                      // 100 x 100
};
