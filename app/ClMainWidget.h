#pragma once
// The tool's top-level window. For now an empty window titled with the application name;
// the caption bar, mode bar, pages and log bar move in here.
#include <QWidget>

class ClMainWidget : public QWidget
{
    Q_OBJECT
public:
    ClMainWidget();
};
