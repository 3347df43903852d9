#pragma once
// What the main window asks of every page in its stack, single pages (ClWidgetBase) and
// composite ones (ClListWidgetBase) alike: learn the connected camera, attach when shown,
// detach when hidden.
#include <QString>

class QWidget;

class ClPage
{
public:
    virtual ~ClPage() = default;

    // Model (-1 none, 0, 1) and firmware version of the connected camera; on
    // disconnection -1 and an empty version.
    virtual void setCameraInfo(qint32 lModel, QString strVersion) = 0;
    // Connects the page to the main window (a ClPageHost) and requests its data.
    virtual void activate(QWidget* pclMain) = 0;
    virtual void deactivate(QWidget* pclMain) = 0;

    // The page as it sits in a stack.
    virtual QWidget* pageWidget() = 0;
};
