#include "ClWidgetBase.h"

#include "ClMessageBox.h"
#include "ClPageHost.h"
#include "FrameworkLog.h"
#include "protocol/ClEnvelope.h"
#include "protocol/ClResultCode.h"
#include "protocol/ClResultText.h"

#include <QMouseEvent>
#include <QSet>
#include <QTimerEvent>

namespace {
// Every page alive, so that an envelope's "Sender" (a plain pointer that may outlive its
// page) is only ever followed to a page that still exists. GUI thread only.
QSet<const QObject*>& livePages()
{
    static QSet<const QObject*> setPages;
    return setPages;
}
}  // namespace

ClWidgetBase::ClWidgetBase(QWidget* parent) : QWidget(parent)
{
    PvCmd::registerMetaTypes();
    clPollingTimer.setSingleShot(false);
    connect(&clPollingTimer, &QTimer::timeout, this, &ClWidgetBase::slotPollingFired);
    clReloadGuard.setSingleShot(true);
    clReloadGuard.setInterval(1000);
    livePages().insert(this);
}

ClWidgetBase::~ClWidgetBase()
{
    livePages().remove(this);
}

ClWidgetBase* ClWidgetBase::livePage(const QObject* pclSender)
{
    if (pclSender == nullptr || !livePages().contains(pclSender))
        return nullptr;
    // In the set, so alive: the cast only drops the const the set is keyed with.
    return static_cast<ClWidgetBase*>(const_cast<QObject*>(pclSender));
}

void ClWidgetBase::forgetCommandsInFlight()
{
    lstPending.clear();
    for (auto it = hashDelayed.cbegin(); it != hashDelayed.cend(); ++it)
        killTimer(it.key());
    hashDelayed.clear();
}

void ClWidgetBase::forgetCommandsInFlightOfAllPages()
{
    for (const QObject* pclPage : std::as_const(livePages()))
        livePage(pclPage)->forgetCommandsInFlight();
}

void ClWidgetBase::requestData(bool) {}

void ClWidgetBase::setCameraInfo(qint32, QString) {}

void ClWidgetBase::activate(QWidget* pclMain)
{
    auto* pclHost = qobject_cast<ClPageHost*>(pclMain);
    if (pclHost == nullptr)
        return;
    // Unique: a page activated twice must still see every answer once.
    connect(pclHost, &ClPageHost::sigReceiveCommand, this, &ClWidgetBase::slotReceiveCommand, Qt::UniqueConnection);
    connect(this, &ClWidgetBase::sigSendCommand, pclHost, &ClPageHost::slotSendCommand, Qt::UniqueConnection);
    connect(pclHost, &ClPageHost::sigReload, this, &ClWidgetBase::slotReload, Qt::UniqueConnection);
    connect(pclHost, &ClPageHost::sigApply, this, &ClWidgetBase::slotApply, Qt::UniqueConnection);
    connect(this, &ClWidgetBase::sigSetLog, pclHost, &ClPageHost::sigSetLog, Qt::UniqueConnection);
    connect(this, &ClWidgetBase::sigSetButtonEnable, pclHost, &ClPageHost::sigSetButtonEnable, Qt::UniqueConnection);
    requestData(false);
}

void ClWidgetBase::deactivate(QWidget* pclMain)
{
    auto* pclHost = qobject_cast<ClPageHost*>(pclMain);
    if (pclHost == nullptr)
        return;
    // The page stops hearing the camera's news and the user's Reload and Apply, but what
    // it sent still comes back to it (ClPageHost::slotDeliverCommand), and an Apply the
    // user left goes on to its end: the next command of a chain still goes out, and the
    // applied message or the error is still shown.
    disconnect(pclHost, &ClPageHost::sigReceiveCommand, this, &ClWidgetBase::slotReceiveCommand);
    disconnect(pclHost, &ClPageHost::sigReload, this, &ClWidgetBase::slotReload);
    disconnect(pclHost, &ClPageHost::sigApply, this, &ClWidgetBase::slotApply);
    disconnect(this, &ClWidgetBase::sigSetButtonEnable, pclHost, &ClPageHost::sigSetButtonEnable);
    stopPolling();
}

void ClWidgetBase::startPolling()
{
    if (!clPollingTimer.isActive())
        clPollingTimer.start(lPollingInterval);
}

void ClWidgetBase::stopPolling()
{
    if (clPollingTimer.isActive()) {
        clPollingTimer.stop();
        resetError();
    }
}

QString ClWidgetBase::commandErrorText(quint16 usResult)
{
    return ClResultText::text(usResult);
}

void ClWidgetBase::showCommandError(quint16 usResult)
{
    if (bErrorShown)
        return;
    bErrorShown = true;
    qCInfo(lcFramework) << metaObject()->className() << "shows result code" << Qt::hex << usResult;
    ClMessageBox clBox(this, commandErrorText(usResult), ClMessageBox::applicationTitle(), QMessageBox::Ok);
    clBox.exec();
}

void ClWidgetBase::resetError()
{
    bErrorShown = false;
}

void ClWidgetBase::sendCommand(QUuid uuidCmd, PV_CMD clCommand, bool bWaitResult, qint32 lDelay)
{
    if (bWaitResult)
        lstPending.append(uuidCmd);
    if (!clPollingTimer.isActive())
        resetError();
    clCommand.insert(ClEnvelope::keyCmd(), uuidCmd);
    clCommand.insert(ClEnvelope::keySender(), QVariant::fromValue<QObject*>(this));
    if (lDelay <= 0) {
        Q_EMIT sigSendCommand(clCommand);
        return;
    }
    const int lTimerId = startTimer(lDelay, Qt::PreciseTimer);
    if (lTimerId == 0) {
        qCWarning(lcFramework) << "no timer for a delayed command; sending it now";
        Q_EMIT sigSendCommand(clCommand);
        return;
    }
    hashDelayed.insert(lTimerId, clCommand);
}

void ClWidgetBase::timerEvent(QTimerEvent* pclEvent)
{
    const auto it = hashDelayed.find(pclEvent->timerId());
    if (it == hashDelayed.end()) {
        QWidget::timerEvent(pclEvent);
        return;
    }
    const PV_CMD clCommand = it.value();
    hashDelayed.erase(it);
    killTimer(pclEvent->timerId());
    Q_EMIT sigSendCommand(clCommand);
}

bool ClWidgetBase::eventFilter(QObject* pclWatched, QEvent* pclEvent)
{
    switch (pclEvent->type()) {
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonRelease:
    case QEvent::MouseButtonDblClick:
    case QEvent::MouseMove:
        event(pclEvent);
        return true;
    default:
        return QWidget::eventFilter(pclWatched, pclEvent);
    }
}

void ClWidgetBase::slotReceiveCommand(PV_CMD clCommand)
{
    receiveCommand(clCommand);
    if (lstPending.isEmpty() || !ClEnvelope::isOutcome(clCommand))
        return;
    if (ClEnvelope::resultCode(clCommand) != ClResultCode::usSuccess) {
        lstPending.clear();
        return;
    }
    if (lstPending.removeOne(ClEnvelope::executedKind(clCommand)) && lstPending.isEmpty())
        Q_EMIT sigSetLog(strApplied);
}

void ClWidgetBase::receiveCommand(const PV_CMD&) {}

void ClWidgetBase::slotPollingFired()
{
    if (isVisible())
        requestData(true);
}

void ClWidgetBase::slotReload()
{
    if (clReloadGuard.isActive())
        return;
    clReloadGuard.start();
    requestData(false);
}

void ClWidgetBase::slotApply() {}
