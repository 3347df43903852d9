#pragma once
// Base of every page: stamps and sends command envelopes (now or after a delay), follows
// the Set commands of an Apply until they have all completed, polls while shown, guards
// Reload, attaches to the window and shows command errors. pages/README.md shows how a
// page uses it.
#include "ClPage.h"
#include "protocol/PvCmd.h"

#include <QHash>
#include <QList>
#include <QTimer>
#include <QUuid>
#include <QWidget>

class ClWidgetBase : public QWidget, public ClPage
{
    Q_OBJECT

public:
    explicit ClWidgetBase(QWidget* parent = nullptr);
    ~ClWidgetBase() override;

    // Asks the camera for everything the page shows; polling passes true.
    virtual void requestData(bool bIsPolling);
    void setCameraInfo(qint32 lModel, QString strVersion) override;
    void activate(QWidget* pclMain) override;
    void deactivate(QWidget* pclMain) override;
    QWidget* pageWidget() override { return this; }
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

    // The page behind an envelope's "Sender", or null when it names no page alive now.
    static ClWidgetBase* livePage(const QObject* pclSender);
    // Forgets the Apply under way and the delayed envelopes: their camera is gone.
    void forgetCommandsInFlight();
    static void forgetCommandsInFlightOfAllPages();

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
    // Every envelope for the camera while the page is attached. Not virtual, so that no
    // page can lose the Apply bookkeeping: the page's receiveCommand() runs first (it may
    // send the next command of a chained Apply), then the bookkeeping.
    void slotReceiveCommand(PV_CMD clCommand);
    virtual void slotPollingFired();
    virtual void slotReload();
    virtual void slotApply();

protected:
    // The page's part of slotReceiveCommand: answers of its Get commands by their reply
    // kind, completions and error notices of its own commands by ClEnvelope::executedKind.
    // Base: ignores everything.
    virtual void receiveCommand(const PV_CMD& clCommand);
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
