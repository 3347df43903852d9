#pragma once
// What a page attaches to: the main window's side of the page connections. The window
// derives from it; tests use it as a stand-in window.
#include "protocol/PvCmd.h"

#include <QWidget>

class ClPageHost : public QWidget
{
    Q_OBJECT

public:
    explicit ClPageHost(QWidget* parent = nullptr);

Q_SIGNALS:
    // Envelopes for the connected camera, to the attached page.
    void sigReceiveCommand(PV_CMD clCommand);
    // Envelopes of the attached page, on their way to the camera.
    void sigSendCommand(PV_CMD clCommand);
    void sigReload();
    void sigApply();
    // The attached page's messages and Reload/Apply buttons, for the log bar.
    void sigSetLog(QString strText);
    void sigSetButtonEnable(bool bValidReload, bool bValidApply);

public Q_SLOTS:
    // Every envelope of the attached page passes here. The base passes it on unchanged.
    virtual void slotSendCommand(PV_CMD clCommand);
    // Every envelope for the connected camera comes in here. What a page sent (its
    // "Sender") goes back to that page, shown or not, so that an Apply the user left
    // still ends; the rest goes to the attached page.
    void slotDeliverCommand(PV_CMD clCommand);
    // The camera is gone or another one came: no page waits for the end of a command
    // the earlier camera was given.
    void forgetCommandsInFlight();
};
