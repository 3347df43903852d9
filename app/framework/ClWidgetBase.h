#pragma once
// Base of every page and of the main window: stamps and sends command envelopes (now or
// after a delay), follows the Set commands of an Apply until they have all completed,
// polls while shown, guards Reload, attaches to the window and shows command errors.
#include "protocol/PvCmd.h"

#include <QHash>
#include <QList>
#include <QTimer>
#include <QUuid>
#include <QWidget>

class ClWidgetBase : public QWidget
{
    Q_OBJECT

public:
    explicit ClWidgetBase(QWidget* parent = nullptr);
    ~ClWidgetBase() override;

    // Asks the camera for everything the page shows; polling passes true.
    virtual void requestData(bool bIsPolling);
    // Model (-1 none, 0, 1) and firmware version of the connected camera.
    virtual void setCameraInfo(qint32 lModel, QString strVersion);
    // Connects the page to the main window (a ClPageHost) and requests its data.
    virtual void activate(QWidget* pclMain);
    virtual void deactivate(QWidget* pclMain);
    virtual void startPolling();
    virtual void stopPolling();
    // One modal box per failure streak; resetError() allows the next one.
    virtual void showCommandError(quint16 usResult);
    virtual void resetError();

    // Stamps "CMD" and "Sender" and emits the envelope now, or lDelay ms later.
    // bWaitResult makes the command part of the current Apply.
    void sendCommand(QUuid uuidCmd, PV_CMD clCommand, bool bWaitResult, qint32 lDelay);

    // A mouse event of an object this page filters is handled by the page itself.
    bool eventFilter(QObject* pclWatched, QEvent* pclEvent) override;

    // The message shown for a result code.
    static QString commandErrorText(quint16 usResult);

    // Reading replies: completions and error notices carry the executed kind in
    // "PARAM2" and the result code in "PARAM3".
    static bool isCompletion(const PV_CMD& clCommand);
    static bool isErrorNotice(const PV_CMD& clCommand);
    static QUuid commandKind(const PV_CMD& clCommand);
    static QUuid executedKind(const PV_CMD& clCommand);
    static quint16 resultCode(const PV_CMD& clCommand);

    // Timings, shortened by tests.
    void setPollingInterval(int lMs) { lPollingInterval = lMs; }
    int pollingInterval() const { return lPollingInterval; }
    void setReloadGuardInterval(int lMs) { clReloadGuard.setInterval(lMs); }
    bool isPolling() const { return clPollingTimer.isActive(); }
    bool isErrorShown() const { return bErrorShown; }
    const QList<QUuid>& pendingCommands() const { return lstPending; }

Q_SIGNALS:
    void sigSendCommand(PV_CMD clCommand);
    void sigSetButtonEnable(bool bValidReload, bool bValidApply);
    void sigSetLog(QString strText);

public Q_SLOTS:
    virtual void slotReceiveCommand(PV_CMD clCommand);
    virtual void slotPollingFired();
    virtual void slotReload();
    virtual void slotApply();

protected:
    void timerEvent(QTimerEvent* pclEvent) override;

    QString strApplied;

private:
    QTimer clPollingTimer;
    bool bErrorShown = false;
    QList<QUuid> lstPending;
    QHash<int, PV_CMD> hashDelayed;
    QTimer clReloadGuard;
    int lPollingInterval = 5000;
};
