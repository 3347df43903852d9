#pragma once
// What a page attaches to: the main window's side of the page connections. The window
// derives from it; tests use it as a stand-in window.
#include "ClWidgetBase.h"

class ClPageHost : public ClWidgetBase
{
    Q_OBJECT

public:
    explicit ClPageHost(QWidget* parent = nullptr);

Q_SIGNALS:
    // Envelopes for the connected camera, to the attached page.
    void sigReceiveCommand(PV_CMD clCommand);
    void sigReload();
    void sigApply();

public Q_SLOTS:
    // Every envelope of the attached page passes here on its way to the camera. The base
    // passes it on unchanged.
    virtual void slotSendCommand(PV_CMD clCommand);
};
