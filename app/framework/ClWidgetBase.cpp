#include "ClWidgetBase.h"

#include "protocol/ClCommandKinds.h"
#include "ClMessageBox.h"
#include "ClPageHost.h"
#include "FrameworkLog.h"

#include <QCoreApplication>
#include <QMouseEvent>
#include <QTimerEvent>

namespace {
struct stErrorText
{
    quint16 usResult;
    const char* pszText;
};

// The words shown for a failed command; every code not listed is an unknown error,
// the transport codes of the PC side included.
constexpr stErrorText aErrorTexts[] = {
    {0xFFFB, QT_TRANSLATE_NOOP("QObject", "Parameter setting failed")},
    {0xFFFC, QT_TRANSLATE_NOOP("QObject", "Command error, version up")},
    {0xFFFE, QT_TRANSLATE_NOOP("QObject", "Timeout error, please reset")},
    {0xFFFA, QT_TRANSLATE_NOOP("QObject", "Timeout error, please reset")},
    {0xFFF3, QT_TRANSLATE_NOOP("QObject", "The setting cannot be changed when broadcasting")},
};
constexpr const char* pszUnknownError = QT_TRANSLATE_NOOP("QObject", "Exec failed, unknown error");

const QString strCmd = QStringLiteral("CMD");
const QString strSender = QStringLiteral("Sender");
const QString strParam2 = QStringLiteral("PARAM2");
const QString strParam3 = QStringLiteral("PARAM3");
}  // namespace

ClWidgetBase::ClWidgetBase(QWidget* parent) : QWidget(parent)
{
    PvCmd::registerMetaTypes();
    clPollingTimer.setSingleShot(false);
    connect(&clPollingTimer, &QTimer::timeout, this, &ClWidgetBase::slotPollingFired);
    clReloadGuard.setSingleShot(true);
    clReloadGuard.setInterval(1000);
}

ClWidgetBase::~ClWidgetBase() = default;

void ClWidgetBase::requestData(bool) {}

void ClWidgetBase::setCameraInfo(qint32, QString) {}

void ClWidgetBase::activate(QWidget* pclMain)
{
    auto* pclHost = qobject_cast<ClPageHost*>(pclMain);
    if (pclHost == nullptr)
        return;
    // Unique: a page activated twice must still see every answer once.
    connect(pclHost, &ClPageHost::sigReceiveCommand, this, &ClWidgetBase::slotReceiveCommand,
            Qt::UniqueConnection);
    connect(this, &ClWidgetBase::sigSendCommand, pclHost, &ClPageHost::slotSendCommand,
            Qt::UniqueConnection);
    connect(pclHost, &ClPageHost::sigReload, this, &ClWidgetBase::slotReload, Qt::UniqueConnection);
    connect(pclHost, &ClPageHost::sigApply, this, &ClWidgetBase::slotApply, Qt::UniqueConnection);
    connect(this, &ClWidgetBase::sigSetLog, pclHost, &ClWidgetBase::sigSetLog, Qt::UniqueConnection);
    connect(this, &ClWidgetBase::sigSetButtonEnable, pclHost, &ClWidgetBase::sigSetButtonEnable,
            Qt::UniqueConnection);
    requestData(false);
}

void ClWidgetBase::deactivate(QWidget* pclMain)
{
    auto* pclHost = qobject_cast<ClPageHost*>(pclMain);
    if (pclHost == nullptr)
        return;
    disconnect(pclHost, &ClPageHost::sigReceiveCommand, this, &ClWidgetBase::slotReceiveCommand);
    disconnect(this, &ClWidgetBase::sigSendCommand, pclHost, &ClPageHost::slotSendCommand);
    disconnect(pclHost, &ClPageHost::sigReload, this, &ClWidgetBase::slotReload);
    disconnect(pclHost, &ClPageHost::sigApply, this, &ClWidgetBase::slotApply);
    disconnect(this, &ClWidgetBase::sigSetLog, pclHost, &ClWidgetBase::sigSetLog);
    disconnect(this, &ClWidgetBase::sigSetButtonEnable, pclHost, &ClWidgetBase::sigSetButtonEnable);
    // Completions of an unfinished Apply now go to another page: without this the kinds
    // would stay pending and no later Apply of this page could ever finish.
    lstPending.clear();
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
    for (const stErrorText& stEntry : aErrorTexts) {
        if (stEntry.usResult == usResult)
            return QCoreApplication::translate("QObject", stEntry.pszText);
    }
    return QCoreApplication::translate("QObject", pszUnknownError);
}

void ClWidgetBase::showCommandError(quint16 usResult)
{
    if (bErrorShown)
        return;
    bErrorShown = true;
    qCInfo(lcFramework) << metaObject()->className() << "shows result code" << Qt::hex << usResult;
    ClMessageBox clBox(this, commandErrorText(usResult), ClMessageBox::applicationTitle(),
                       QMessageBox::Ok);
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
    clCommand.insert(strCmd, uuidCmd);
    clCommand.insert(strSender, QVariant::fromValue<QObject*>(this));
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

bool ClWidgetBase::isCompletion(const PV_CMD& clCommand)
{
    return commandKind(clCommand) == ClCommandKinds::result();
}

bool ClWidgetBase::isErrorNotice(const PV_CMD& clCommand)
{
    return commandKind(clCommand) == ClCommandKinds::transportError();
}

QUuid ClWidgetBase::commandKind(const PV_CMD& clCommand)
{
    return clCommand.value(strCmd).toUuid();
}

QUuid ClWidgetBase::executedKind(const PV_CMD& clCommand)
{
    return clCommand.value(strParam2).toUuid();
}

quint16 ClWidgetBase::resultCode(const PV_CMD& clCommand)
{
    return quint16(clCommand.value(strParam3).toUInt() & 0xFFFF);
}

void ClWidgetBase::slotReceiveCommand(PV_CMD clCommand)
{
    if (lstPending.isEmpty() || !(isCompletion(clCommand) || isErrorNotice(clCommand)))
        return;
    if (resultCode(clCommand) != 0) {
        lstPending.clear();
        return;
    }
    if (lstPending.removeOne(executedKind(clCommand)) && lstPending.isEmpty())
        Q_EMIT sigSetLog(strApplied);
}

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
