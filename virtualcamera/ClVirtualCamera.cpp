#include "ClVirtualCamera.h"

#include "ClVirtualUsbBus.h"
#include "VirtualCameraLog.h"
#include "protocol/ClTovuCommands.h"

#include <QTimer>

ClVirtualCamera::ClVirtualCamera(int lModel, const QString& strFirmware, int lSecureMode, QObject* pclParent)
    : ClVirtualUsbDevice(ClVirtualUsbShape::standardCamera(), pclParent),
      m_clCore(lModel, strFirmware.isEmpty() ? defaultFirmware(lModel) : strFirmware, lSecureMode)
{}

ClVirtualCamera::~ClVirtualCamera() = default;

QString ClVirtualCamera::defaultFirmware(int lModel)
{
    switch (lModel) {
    case 0:
        return QStringLiteral("01.03.025");
    case 1:
        return QStringLiteral("01.00.011");
    default:
        return QStringLiteral("00.00.001");
    }
}

ClVirtualCamera* ClVirtualCamera::create(const QString& strKind)
{
    const QString strName = strKind.section(QLatin1Char(':'), 0, 0).trimmed().toLower();
    const QString strVersion = strKind.section(QLatin1Char(':'), 1).trimmed();
    if (strName.isEmpty() || strName == QLatin1String("tovu"))
        return new ClVirtualCamera(0, strVersion);
    if (strName == QLatin1String("tovu-s"))
        return new ClVirtualCamera(1, strVersion, 2);
    return nullptr;
}

void ClVirtualCamera::handleWrite(int, const QByteArray& clData)
{
    ClVirtualCameraReply stReply;
    int lDelayMs = 0;
    int lDataError = 0;
    {
        QMutexLocker clLocker(&m_clCoreLock);
        stReply = m_clCore.handle(clData);
        if (clData.size() >= 4)
            m_usLastSequence = ClVirtualCameraWire::readLe16(clData, 2);
        lDelayMs = m_lResponseDelayMs;
        if (m_lFirmwareDataError != 0 && clData.size() >= 10
            && ClVirtualCameraWire::readLe16(clData, 8) == ClTovuCommandExecFwUpdateData::usCommandCode) {
            lDataError = m_lFirmwareDataError;
            m_lFirmwareDataError = 0;
        }
    }
    // The block's command went out; its data packet, the next write, is the one that breaks.
    if (lDataError != 0)
        failTransfers(Direction::Write, 1, lDataError);
    for (const QByteArray& clPacket : std::as_const(stReply.lstPackets))
        queueResponse(clPacket, lDelayMs);
    if (stReply.eEvent != ClVirtualCameraReply::Event::None) {
        const bool bComeBack = stReply.eEvent == ClVirtualCameraReply::Event::Restart;
        // The bus is changed from the camera's own thread, once the PC has read the answer.
        QMetaObject::invokeMethod(
            this, [this, bComeBack] { leaveWhenAnswered(bComeBack, 0); }, Qt::QueuedConnection);
    }
}

void ClVirtualCamera::failNextFirmwareData(int lError)
{
    QMutexLocker clLocker(&m_clCoreLock);
    m_lFirmwareDataError = lError;
}

void ClVirtualCamera::handleRead(int)
{
    quint16 usSequence = 0;
    bool bDribbling = false;
    {
        QMutexLocker clLocker(&m_clCoreLock);
        bDribbling = m_clCore.faults().dribbling();
        if (!bDribbling && !m_clCore.faults().foreignForever())
            return;
        usSequence = m_usLastSequence;
    }
    if (pendingResponses() > 0)
        return;
    queueResponse(bDribbling ? QByteArray(1, 'd') : ClVirtualCameraFaults::foreignPacket(usSequence));
}

void ClVirtualCamera::leaveWhenAnswered(bool bComeBack, int lAttempt)
{
    // Give the PC up to a second to read the answer before the cable goes.
    if (pendingResponses() > 0 && lAttempt < 100) {
        QTimer::singleShot(10, this, [this, bComeBack, lAttempt] { leaveWhenAnswered(bComeBack, lAttempt + 1); });
        return;
    }
    ClVirtualUsbBus* pclBus = bus();
    if (!pclBus || !isPlugged())
        return;
    qCDebug(lcTovuVirtualCamera) << machineName() << (bComeBack ? "restarts" : "powers off");
    pclBus->unplug(this);
    Q_EMIT sigLeftBus();
    if (bComeBack)
        QTimer::singleShot(restartDelay(), this, &ClVirtualCamera::comeBack);
}

void ClVirtualCamera::comeBack()
{
    ClVirtualUsbBus* pclBus = bus();
    if (!pclBus || isPlugged())
        return;
    {
        QMutexLocker clLocker(&m_clCoreLock);
        m_clCore.powerCycle();
    }
    pclBus->plug(this);
    qCDebug(lcTovuVirtualCamera) << machineName() << "is back with firmware" << firmwareVersion();
    Q_EMIT sigBackOnBus();
}

void ClVirtualCamera::restart()
{
    QMetaObject::invokeMethod(
        this, [this] { leaveWhenAnswered(true, 0); }, Qt::QueuedConnection);
}

void ClVirtualCamera::powerOff()
{
    QMetaObject::invokeMethod(
        this, [this] { leaveWhenAnswered(false, 0); }, Qt::QueuedConnection);
}

void ClVirtualCamera::powerOn()
{
    QMetaObject::invokeMethod(this, &ClVirtualCamera::comeBack, Qt::QueuedConnection);
}

int ClVirtualCamera::model() const
{
    QMutexLocker clLocker(&m_clCoreLock);
    return m_clCore.model();
}

QString ClVirtualCamera::machineName() const
{
    QMutexLocker clLocker(&m_clCoreLock);
    return m_clCore.machineName();
}

QString ClVirtualCamera::firmwareVersion() const
{
    QMutexLocker clLocker(&m_clCoreLock);
    return m_clCore.firmware();
}

void ClVirtualCamera::setFirmwareVersion(const QString& strVersion)
{
    QMutexLocker clLocker(&m_clCoreLock);
    m_clCore.setFirmware(strVersion);
}

QString ClVirtualCamera::pendingFirmwareVersion() const
{
    QMutexLocker clLocker(&m_clCoreLock);
    return m_clCore.pendingFirmware();
}

int ClVirtualCamera::secureMode() const
{
    QMutexLocker clLocker(&m_clCoreLock);
    return m_clCore.secureMode();
}

void ClVirtualCamera::setSecureMode(int lMode)
{
    QMutexLocker clLocker(&m_clCoreLock);
    m_clCore.setSecureMode(lMode);
}

bool ClVirtualCamera::isRecording() const
{
    QMutexLocker clLocker(&m_clCoreLock);
    return m_clCore.isRecording();
}

void ClVirtualCamera::setRecording(bool bRecording)
{
    QMutexLocker clLocker(&m_clCoreLock);
    m_clCore.setRecording(bRecording);
}

bool ClVirtualCamera::isStreaming() const
{
    QMutexLocker clLocker(&m_clCoreLock);
    return m_clCore.isStreaming();
}

ClVirtualCamera::Params ClVirtualCamera::numbers(quint16 usGetCode, quint32 ulKey) const
{
    QMutexLocker clLocker(&m_clCoreLock);
    return m_clCore.settings().numbers(usGetCode, ulKey);
}

void ClVirtualCamera::setNumbers(quint16 usGetCode, const Params& arrValues, quint32 ulKey)
{
    QMutexLocker clLocker(&m_clCoreLock);
    m_clCore.settings().storeNumbers(usGetCode, arrValues, ulKey);
}

QByteArray ClVirtualCamera::text(quint16 usGetCode) const
{
    QMutexLocker clLocker(&m_clCoreLock);
    return m_clCore.settings().text(usGetCode);
}

void ClVirtualCamera::setText(quint16 usGetCode, const QByteArray& clText)
{
    QMutexLocker clLocker(&m_clCoreLock);
    m_clCore.settings().storeText(usGetCode, clText);
}

QByteArray ClVirtualCamera::motionArea() const
{
    QMutexLocker clLocker(&m_clCoreLock);
    return m_clCore.motionArea();
}

QDateTime ClVirtualCamera::cameraTime() const
{
    QMutexLocker clLocker(&m_clCoreLock);
    return m_clCore.live().now();
}

void ClVirtualCamera::setCameraTime(const QDateTime& clTime)
{
    QMutexLocker clLocker(&m_clCoreLock);
    m_clCore.live().setNow(clTime);
}

int ClVirtualCamera::batteryLevel() const
{
    QMutexLocker clLocker(&m_clCoreLock);
    return m_clCore.live().batteryLevel();
}

void ClVirtualCamera::setBattery(int lLevel, bool bCharging)
{
    QMutexLocker clLocker(&m_clCoreLock);
    m_clCore.live().setBattery(lLevel, bCharging);
}

quint64 ClVirtualCamera::sdUsed() const
{
    QMutexLocker clLocker(&m_clCoreLock);
    return m_clCore.live().sdUsed();
}

void ClVirtualCamera::setSdCard(quint64 ullTotal, quint64 ullUsed, quint32 ulFileSystem)
{
    QMutexLocker clLocker(&m_clCoreLock);
    m_clCore.live().setSdCard(ullTotal, ullUsed, ulFileSystem);
}

void ClVirtualCamera::setStatusReport(const ClVirtualCameraStatusReport& stReport)
{
    QMutexLocker clLocker(&m_clCoreLock);
    m_clCore.statusReport() = stReport;
}

QList<ClVirtualCamera::AccessPoint> ClVirtualCamera::accessPoints() const
{
    QMutexLocker clLocker(&m_clCoreLock);
    return m_clCore.live().accessPoints();
}

void ClVirtualCamera::setAccessPoints(const QList<AccessPoint>& lstPoints)
{
    QMutexLocker clLocker(&m_clCoreLock);
    m_clCore.live().setAccessPoints(lstPoints);
}

bool ClVirtualCamera::isWifiOn() const
{
    QMutexLocker clLocker(&m_clCoreLock);
    return m_clCore.isWifiOn();
}

quint32 ClVirtualCamera::wifiMode() const
{
    QMutexLocker clLocker(&m_clCoreLock);
    return m_clCore.wifiMode();
}

ClVirtualCameraLive::Link ClVirtualCamera::wifiLink() const
{
    QMutexLocker clLocker(&m_clCoreLock);
    return m_clCore.currentLink();
}

QByteArray ClVirtualCamera::picture() const
{
    QMutexLocker clLocker(&m_clCoreLock);
    return m_clCore.currentPicture();
}

void ClVirtualCamera::setSupportChecked(bool bChecked)
{
    QMutexLocker clLocker(&m_clCoreLock);
    m_clCore.setSupportChecked(bChecked);
}

QList<ClVirtualCamera::Request> ClVirtualCamera::requests() const
{
    QMutexLocker clLocker(&m_clCoreLock);
    return m_clCore.requests();
}

void ClVirtualCamera::clearRequests()
{
    QMutexLocker clLocker(&m_clCoreLock);
    m_clCore.clearRequests();
}

void ClVirtualCamera::refuseScheduleDay(quint32 ulDayCode, quint16 usStatus)
{
    QMutexLocker clLocker(&m_clCoreLock);
    m_clCore.schedule().refuseDay(ulDayCode, usStatus);
}

void ClVirtualCamera::forgeScheduleAnswer(const QList<Params>& lstEntries)
{
    QMutexLocker clLocker(&m_clCoreLock);
    m_clCore.schedule().forgeAnswer(lstEntries);
}

void ClVirtualCamera::injectFault(Fault eFault, int lCount)
{
    QMutexLocker clLocker(&m_clCoreLock);
    m_clCore.faults().inject(eFault, lCount);
}

void ClVirtualCamera::injectPictureFault(ClVirtualCameraPictureFaults::Fault eFault, int lCount)
{
    QMutexLocker clLocker(&m_clCoreLock);
    m_clCore.pictureFaults().inject(eFault, lCount);
}

void ClVirtualCamera::setFaultStatus(quint16 usStatus)
{
    QMutexLocker clLocker(&m_clCoreLock);
    m_clCore.faults().setStatus(usStatus);
}

void ClVirtualCamera::clearAllFaults()
{
    clearFaults();
    QMutexLocker clLocker(&m_clCoreLock);
    m_clCore.faults().clear();
    m_clCore.pictureFaults().clear();
    m_lResponseDelayMs = 0;
}

void ClVirtualCamera::setResponseDelay(int lDelayMs)
{
    QMutexLocker clLocker(&m_clCoreLock);
    m_lResponseDelayMs = qMax(0, lDelayMs);
}

void ClVirtualCamera::setRestartDelay(int lDelayMs)
{
    QMutexLocker clLocker(&m_clCoreLock);
    m_lRestartDelayMs = qMax(0, lDelayMs);
}

int ClVirtualCamera::restartDelay() const
{
    QMutexLocker clLocker(&m_clCoreLock);
    return m_lRestartDelayMs;
}
