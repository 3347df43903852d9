#pragma once
// Every picture of the tool with the resource path it is reached by (without ":/").
// Adding a picture means adding one line here; the build draws and embeds it.
#include <QImage>
#include <QList>
#include <QString>

#include <functional>

class ClArtCatalogue
{
public:
    struct Picture
    {
        QString strAlias;  // e.g. "img/window" for ":/img/window"
        std::function<QImage()> fnDraw;
    };

    static QList<Picture> all();
};
