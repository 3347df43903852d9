#pragma once
// A review sheet of all pictures: three mock-ups of the window assembled from them the
// way the tool lays them out, and every picture on its own with its resource path.
#include "ClArtCatalogue.h"

#include <QImage>

class ClContactSheet
{
public:
    static QImage render(const QList<ClArtCatalogue::Picture>& lstPictures);
};
