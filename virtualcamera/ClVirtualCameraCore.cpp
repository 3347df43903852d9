#include "ClVirtualCameraCore.h"

#include "ClVirtualCameraAnswers.h"
#include "ClVirtualCameraPicture.h"
#include "ClVirtualCameraSupport.h"
#include "ClVirtualFirmwareImage.h"
#include "protocol/ClResultCode.h"
#include "protocol/ClTovuCommands.h"

namespace {
using ClResultCode::usBroadcasting;
using ClResultCode::usNotSupported;
using ClResultCode::usParameterRejected;
using ClResultCode::usRefused;
using ClResultCode::usSuccess;

constexpr quint32 ulOff = 1;
constexpr quint32 ulOn = 2;

// Code families by the high byte of the code.
constexpr quint8 ucFactory = 0x00;  // factory checks and adjustment data
constexpr quint8 ucFirmware = 0x20;
constexpr quint8 ucDataRequests = 0x30;
constexpr quint8 ucIdentitySet = 0x48;
constexpr quint8 ucSettingSet = 0x58;
constexpr quint8 ucOperations = 0x68;

quint8 familyOf(quint16 usCode)
{
    return quint8(usCode >> 8);
}

bool isSwitch(quint32 ulValue)
{
    return ulValue == ulOff || ulValue == ulOn;
}

// What the camera runs and reports done without keeping anything the tool reads back.
bool isFactoryRun(quint16 usCode)
{
    switch (usCode) {
    case ClTovuCommandExecAlignmentCheck::usCommandCode:
    case ClTovuCommandExecResolutionCheck::usCommandCode:
    case ClTovuCommandExecVignettingCheck::usCommandCode:
    case ClTovuCommandExecAwbCheck::usCommandCode:
    case ClTovuCommandExecDustCheck::usCommandCode:
    case ClTovuCommandExecDotErrorCheck::usCommandCode:
    case ClTovuCommandExecRamCheck::usCommandCode:
    case ClTovuCommandSaveRawData::usCommandCode:
    case ClTovuCommandSaveYcData::usCommandCode:
    case ClTovuCommandSaveAdjustData::usCommandCode:
    case ClTovuCommandRFTestMode::usCommandCode:
    case ClTovuCommandRFStart::usCommandCode:  // also RFEnd: the two share their code
    case ClTovuCommandMfgTx::usCommandCode:
    case ClTovuCommandMfgAcc::usCommandCode:
        return true;
    default:
        return false;
    }
}
}  // namespace

ClVirtualCameraCore::ClVirtualCameraCore(int lModel, const QString& strFirmware, int lSecureMode)
    : m_lModel(lModel), m_strFirmware(strFirmware), m_clSettings(lModel)
{
    m_lSecureMode = lModel == 0 ? 0 : (lSecureMode == 1 ? 1 : 2);
    m_clSettings.storeText(ClTovuCommandGetMachineName::usCommandCode, defaultName(lModel).toLatin1());
    m_clMotionArea = QByteArray(48, '\1');
    m_bWifiOn = m_clSettings.numbers(ClTovuCommandGetWiFiOnOff::usCommandCode)[0] == ulOn;
    m_ulWifiMode = m_clSettings.numbers(ClTovuCommandGetWifiMode::usCommandCode)[0];
    m_setSupported = ClVirtualCameraSupport::answered(m_lModel, m_strFirmware);
    m_clLive.log(QStringLiteral("power on, firmware %1").arg(m_strFirmware));
}

QString ClVirtualCameraCore::machineName() const
{
    return QString::fromLatin1(m_clSettings.text(ClTovuCommandGetMachineName::usCommandCode));
}

QString ClVirtualCameraCore::defaultName(int lModel)
{
    switch (lModel) {
    case 0:
        return QStringLiteral("Tovu");
    case 1:
        return QStringLiteral("Tovu-S");
    default:
        return QStringLiteral("Tovu-D");
    }
}

void ClVirtualCameraCore::setFirmware(const QString& strFirmware)
{
    m_strFirmware = strFirmware;
    m_setSupported = ClVirtualCameraSupport::answered(m_lModel, m_strFirmware);
}

bool ClVirtualCameraCore::supports(quint16 usCode) const
{
    return !m_bSupportChecked || m_setSupported.contains(usCode);
}

void ClVirtualCameraCore::setSecureMode(int lMode)
{
    if (m_lModel == 0)
        return;
    m_lSecureMode = lMode == 1 ? 1 : 2;
    // Maintenance is for configuring: a recording stops when the camera enters it.
    if (m_lSecureMode == 2)
        setRecording(false);
}

void ClVirtualCameraCore::setRecording(bool bRecording)
{
    m_clLive.setRecording(bRecording, m_clSettings.numbers(ClTovuCommandGetRecBitrate::usCommandCode)[0]);
}

void ClVirtualCameraCore::powerCycle()
{
    if (!m_strPendingFirmware.isEmpty()) {
        m_clLive.log(QStringLiteral("firmware %1 installed").arg(m_strPendingFirmware));
        setFirmware(m_strPendingFirmware);
        m_strPendingFirmware.clear();
    }
    m_clLive.setRecording(false, 0);
    m_bStreaming = false;
    m_stPending = PendingBlock {};
    m_clFirmwareHead.clear();
    m_ullFirmwareBytes = 0;
    if (m_lModel != 0)
        m_lSecureMode = m_clSettings.numbers(ClTovuCommandGetStartMode::usCommandCode)[0] == 1 ? 1 : 2;
    m_bWifiOn = m_clSettings.numbers(ClTovuCommandGetWiFiOnOff::usCommandCode)[0] == ulOn;
    m_ulWifiMode = m_clSettings.numbers(ClTovuCommandGetWifiMode::usCommandCode)[0];
    m_clLive.log(QStringLiteral("power on, firmware %1").arg(m_strFirmware));
}

QByteArray ClVirtualCameraCore::currentPicture() const
{
    ClVirtualCameraPicture::Frame stFrame;
    const bool bSmall = m_clSettings.numbers(ClTovuCommandGetLiveImagesize::usCommandCode)[0] == 2;
    stFrame.clSize = bSmall ? QSize(320, 240) : QSize(800, 480);
    stFrame.clTime = m_clLive.now();
    stFrame.bRotated = m_clSettings.numbers(ClTovuCommandGetRotate180::usCommandCode)[0] == 2;
    stFrame.lQuality = int(m_clSettings.numbers(ClTovuCommandGetImageQuarity::usCommandCode)[0]);
    stFrame.bRecording = m_clLive.isRecording();
    return ClVirtualCameraPicture::renderJpeg(stFrame);
}

void ClVirtualCameraCore::record(const Request& stRequest)
{
    m_lstRequests.append(stRequest);
    while (m_lstRequests.size() > lMaxRequests)
        m_lstRequests.removeFirst();
}

ClVirtualCameraReply ClVirtualCameraCore::handle(const QByteArray& clTransfer)
{
    const Packet stPacket = ClVirtualCameraWire::parse(clTransfer);
    Request stRecord;
    stRecord.stPacket = stPacket;
    stRecord.stPacket.clRaw = clTransfer.left(lKeptBytes);
    stRecord.lLength = clTransfer.size();

    Reply stReply;
    if (stPacket.usType == ClVirtualCameraWire::usTypeData) {
        stRecord.ulDataLength = stPacket.ulSize;
        stRecord.clData = clTransfer.mid(8, lKeptBytes);
        stReply = handleData(stPacket);
    } else if (stPacket.usType != ClVirtualCameraWire::usTypeCommand || clTransfer.size() < 12) {
        // Not a command: a real camera ignores what it cannot read.
        record(stRecord);
        return stReply;
    } else {
        // A command ends the wait for a data packet that never came.
        m_stPending = PendingBlock {};
        stReply = dispatch(stPacket, stRecord);
    }
    if (!stReply.lstPackets.isEmpty())
        stRecord.usStatus = ClVirtualCameraWire::readLe16(stReply.lstPackets.first(), 8);
    record(stRecord);
    m_clFaults.apply(stReply);
    return stReply;
}

ClVirtualCameraReply ClVirtualCameraCore::dispatch(const Packet& stPacket, Request& stRecord)
{
    const quint16 usCode = stPacket.usCode;
    // Texts are decoded before any refusal, so that what the PC sent can always be checked.
    if (usCode == ClTovuCommandConnectWifi::usCommandCode) {
        ClVirtualCameraWire::twoTextsOf(stPacket, &stRecord.clText, &stRecord.clSecondText);
    } else if (usCode == ClTovuCommandSetStreamAuthorizationPassword::usCommandCode
               || m_clSettings.hasText(m_clSettings.getCodeOf(usCode))) {
        bool bValid = false;
        stRecord.clText = ClVirtualCameraWire::textOf(stPacket, &bValid);
    }

    if (!supports(usCode))
        return plain(stPacket, usNotSupported);
    if (refusedInSecurityMode(usCode))
        return plain(stPacket, usNotSupported);
    if (m_clLive.isRecording() && refusedWhileRecording(usCode))
        return plain(stPacket, usRefused);
    if (m_bStreaming && refusedWhileStreaming(usCode))
        return plain(stPacket, usBroadcasting);

    const quint8 ucFamily = familyOf(usCode);
    if (usCode == ClTovuCommandSetMotionArea::usCommandCode)
        return acceptBlock(stPacket);
    if (ucFamily == ucOperations || ucFamily == ucFirmware || ucFamily == ucDataRequests || isFactoryRun(usCode))
        return handleOperation(stPacket, stRecord);
    bool bHandled = false;
    Reply stReply = handleComputedGet(stPacket, &bHandled);
    if (bHandled)
        return stReply;
    if (m_clSettings.hasText(usCode))
        return text(stPacket, m_clSettings.text(usCode));
    if (m_clSettings.hasNumbers(usCode))
        return plain(stPacket, usSuccess, m_clSettings.numbers(usCode, stPacket.arrParams[0]));
    return handleSetting(stPacket, stRecord);
}

bool ClVirtualCameraCore::refusedInSecurityMode(quint16 usCode) const
{
    if (m_lSecureMode != 1 || usCode == ClTovuCommandExecSecureCurr::usCommandCode)
        return false;
    const quint8 ucFamily = familyOf(usCode);
    return ucFamily == ucIdentitySet || ucFamily == ucSettingSet || ucFamily == ucOperations || ucFamily == ucFirmware
        || (ucFamily == ucFactory && usCode != ClTovuCommandGetAdjustFlag::usCommandCode);
}

bool ClVirtualCameraCore::refusedWhileRecording(quint16 usCode)
{
    switch (usCode) {
    case ClTovuCommandSetRecImagesize::usCommandCode:
    case ClTovuCommandSetRecFramerate::usCommandCode:
    case ClTovuCommandSetRecBitRate::usCommandCode:
    case ClTovuCommandFormatSd::usCommandCode:
    case ClTovuCommandInitSetting::usCommandCode:
        return true;
    default:
        return false;
    }
}

bool ClVirtualCameraCore::refusedWhileStreaming(quint16 usCode)
{
    switch (usCode) {
    case ClTovuCommandSetLiveImagesize::usCommandCode:
    case ClTovuCommandSetLiveFramerate::usCommandCode:
    case ClTovuCommandSetLiveBitrae::usCommandCode:
    case ClTovuCommandSetLiveParameter::usCommandCode:
        return true;
    default:
        return false;
    }
}

ClVirtualCameraReply ClVirtualCameraCore::handleSetting(const Packet& stPacket, Request& stRecord)
{
    const quint16 usCode = stPacket.usCode;
    ClVirtualCameraSettings::Outcome eOutcome = ClVirtualCameraSettings::Outcome::Unknown;
    if (usCode == ClTovuCommandSetStreamAuthorizationPassword::usCommandCode) {
        // The stream password arrives in Base64 and must decode to 1 to 16 printable characters.
        const auto stDecoded = QByteArray::fromBase64Encoding(stRecord.clText, QByteArray::AbortOnBase64DecodingErrors);
        bool bValid = stDecoded.decodingStatus == QByteArray::Base64DecodingStatus::Ok && !stDecoded.decoded.isEmpty()
            && stDecoded.decoded.size() <= 16;
        for (char c : stDecoded.decoded)
            bValid = bValid && c >= '!' && c <= '~';
        if (!bValid)
            return plain(stPacket, usParameterRejected);
        m_clSettings.storeText(ClTovuCommandGetStreamAuthorizationPassword::usCommandCode, stDecoded.decoded);
        return plain(stPacket, usSuccess);
    }
    if (usCode == ClTovuCommandSetTime::usCommandCode) {
        const QDate clDate = ClVirtualCameraWire::unpackDate(stPacket.arrParams[0]);
        const QTime clTime = ClVirtualCameraWire::unpackTime(stPacket.arrParams[1]);
        if (!clDate.isValid() || !clTime.isValid() || clDate.year() < 2000 || clDate.year() > 2100)
            return plain(stPacket, usParameterRejected);
        m_clLive.setNow(QDateTime(clDate, clTime));
        return plain(stPacket, usSuccess);
    }
    if (usCode == ClTovuCommandSetScheSetting::usCommandCode && m_clSchedule.statusFor(stPacket.arrParams[0]) != 0)
        return plain(stPacket, m_clSchedule.statusFor(stPacket.arrParams[0]));
    const quint16 usGet = m_clSettings.getCodeOf(usCode);
    if (usGet != 0 && m_clSettings.hasText(usGet)) {
        bool bValid = false;
        const QByteArray clText = ClVirtualCameraWire::textOf(stPacket, &bValid);
        if (!bValid)
            return plain(stPacket, usParameterRejected);
        eOutcome = m_clSettings.setText(usCode, clText);
    } else {
        eOutcome = m_clSettings.setNumbers(usCode, stPacket.arrParams);
    }
    switch (eOutcome) {
    case ClVirtualCameraSettings::Outcome::Stored:
        return plain(stPacket, usSuccess);
    case ClVirtualCameraSettings::Outcome::OutOfRange:
        return plain(stPacket, usParameterRejected);
    case ClVirtualCameraSettings::Outcome::Unknown:
        break;
    }
    return plain(stPacket, usNotSupported);
}

ClVirtualCameraReply ClVirtualCameraCore::handleComputedGet(const Packet& stPacket, bool* pbHandled)
{
    *pbHandled = true;
    switch (stPacket.usCode) {
    case ClTovuCommandGetWifiInfo::usCommandCode:
        return wifiInfo(stPacket);
    case ClTovuCommandGetAccesspointList::usCommandCode:
        return accessPointList(stPacket);
    case ClTovuCommandGetStreamAuthorizationPassword::usCommandCode: {
        const QByteArray clPassword = m_clSettings.text(ClTovuCommandGetStreamAuthorizationPassword::usCommandCode);
        return text(stPacket, clPassword.toBase64());
    }
    case ClTovuCommandGetRecState::usCommandCode:
        return plain(stPacket, usSuccess, Params {m_clLive.isRecording() ? ulOn : ulOff});
    case ClTovuCommandGetGpsInfo::usCommandCode:
        return text(stPacket, gpsSentence());
    case ClTovuCommandGetTime::usCommandCode: {
        const QDateTime clNow = m_clLive.now();
        return plain(stPacket, usSuccess,
                     Params {ClVirtualCameraWire::packDate(clNow.date()), ClVirtualCameraWire::packTime(clNow.time())});
    }
    case ClTovuCommandGetBatteryState::usCommandCode:
        return plain(stPacket, usSuccess,
                     m_clStatusReport.battery(m_clLive.batteryState(), quint32(m_clLive.batteryLevel())));
    case ClTovuCommandGetSdInfo::usCommandCode:
        return plain(stPacket, usSuccess,
                     m_clStatusReport.sdInfo(m_clLive.sdTotal(), m_clLive.sdUsed(), m_clLive.sdFileSystem()));
    case ClTovuCommandGetFwVersion::usCommandCode:
        return text(stPacket, m_strFirmware.toLatin1());
    case ClTovuCommandGetScheSetting::usCommandCode:
        return scheduleList(stPacket);
    case ClTovuCommandGetSecureCurr::usCommandCode:
        return plain(stPacket, usSuccess, Params {quint32(m_lSecureMode)});
    case ClTovuCommandGetMotionArea::usCommandCode:
        return dataCollection(stPacket, m_clMotionArea);
    default:
        break;
    }
    *pbHandled = false;
    return Reply {};
}

QByteArray ClVirtualCameraCore::gpsSentence() const
{
    if (m_clSettings.numbers(ClTovuCommandGetGpsSetting::usCommandCode)[0] != ulOn)
        return QByteArray();  // the receiver is off
    // The satellites' time, whatever the camera's own clock says.
    const QString strTime = QDateTime::currentDateTimeUtc().toString(QStringLiteral("hhmmss"));
    const QByteArray clBody = "GPGGA," + strTime.toLatin1() + ",3539.4200,N,13945.1000,E,1,07,1.0,40.0,M,39.0,M,,";
    quint8 ucChecksum = 0;
    for (char c : clBody)
        ucChecksum ^= quint8(c);
    return '$' + clBody + '*' + QByteArray::number(ucChecksum, 16).toUpper().rightJustified(2, '0');
}

ClVirtualCameraReply ClVirtualCameraCore::plain(const Packet& stPacket, quint16 usStatus, const Params& arrParams)
{
    return ClVirtualCameraAnswers::plain(stPacket.usSequence, usStatus, arrParams);
}

ClVirtualCameraReply ClVirtualCameraCore::text(const Packet& stPacket, const QByteArray& clText)
{
    return ClVirtualCameraAnswers::text(stPacket.usSequence, clText);
}

ClVirtualCameraReply ClVirtualCameraCore::dataCollection(const Packet& stPacket, const QByteArray& clBlock)
{
    return ClVirtualCameraAnswers::block(stPacket.usSequence, clBlock);
}

ClVirtualCameraReply ClVirtualCameraCore::wifiInfo(const Packet& stPacket) const
{
    // What the radio does follows the mode last switched to, not the stored setting.
    return ClVirtualCameraAnswers::wifiInfo(stPacket.usSequence, m_clStatusReport.link(currentLink()));
}

ClVirtualCameraReply ClVirtualCameraCore::accessPointList(const Packet& stPacket) const
{
    if (!m_bWifiOn)
        return ClVirtualCameraAnswers::accessPoints(stPacket.usSequence, {});
    return ClVirtualCameraAnswers::accessPoints(stPacket.usSequence, m_clLive.accessPoints());
}

ClVirtualCameraReply ClVirtualCameraCore::scheduleList(const Packet& stPacket) const
{
    if (!m_clSchedule.forgedAnswer().isEmpty()) {
        // Sent as forged, in order, repeated keys and all.
        ClVirtualCameraReply stReply = ClVirtualCameraAnswers::schedule(stPacket.usSequence, {});
        for (const Params& arrEntry : m_clSchedule.forgedAnswer())
            stReply.lstPackets.append(ClVirtualCameraWire::plain(stPacket.usSequence, 0, arrEntry));
        return stReply;
    }
    QMap<quint32, Params> mapEntries;
    for (quint32 ulDay = 1; ulDay <= 8; ++ulDay)
        mapEntries.insert(ulDay, m_clSettings.numbers(ClTovuCommandGetScheSetting::usCommandCode, ulDay));
    return ClVirtualCameraAnswers::schedule(stPacket.usSequence, mapEntries);
}

ClVirtualCameraReply ClVirtualCameraCore::handleOperation(const Packet& stPacket, Request& stRecord)
{
    const quint16 usCode = stPacket.usCode;
    const Params& p = stPacket.arrParams;
    switch (usCode) {
    case ClTovuCommandExecFwUpdateData::usCommandCode:
        return acceptBlock(stPacket);
    case ClTovuCommandExecFwUpdat::usCommandCode:
        return startFirmware(stPacket);
    case ClTovuCommandReqJpeg::usCommandCode:
    case ClTovuCommandStreamSteal::usCommandCode:
        return dataCollection(stPacket, m_clPictureFaults.apply(currentPicture()));
    case ClTovuCommandReqAudio::usCommandCode:
        return dataCollection(stPacket, ClVirtualCameraPicture::soundClip());
    case ClTovuCommandReqLog::usCommandCode:
        return dataCollection(stPacket, m_clLive.logText());
    case ClTovuCommandPowerOff::usCommandCode:
        m_clLive.log(QStringLiteral("power off"));
        {
            Reply stReply = plain(stPacket, usSuccess);
            stReply.eEvent = Reply::Event::PowerOff;
            return stReply;
        }
    case ClTovuCommandRestart::usCommandCode: {
        m_clLive.log(QStringLiteral("restart"));
        Reply stReply = plain(stPacket, usSuccess);
        stReply.eEvent = Reply::Event::Restart;
        return stReply;
    }
    case ClTovuCommandFormatSd::usCommandCode:
        if (m_clLive.sdTotal() == 0)
            return plain(stPacket, usParameterRejected);
        m_clLive.formatSd();
        m_clLive.log(QStringLiteral("SD card formatted"));
        return plain(stPacket, usSuccess);
    case ClTovuCommandInitSetting::usCommandCode:
        m_clSettings.resetSettings();
        m_clLive.log(QStringLiteral("settings initialised"));
        return plain(stPacket, usSuccess);
    case ClTovuCommandCtrlRec::usCommandCode:
        if (!isSwitch(p[0]) || (p[0] == ulOn && m_clLive.sdTotal() == 0))
            return plain(stPacket, usParameterRejected);
        setRecording(p[0] == ulOn);
        m_clLive.log(p[0] == ulOn ? QStringLiteral("recording started") : QStringLiteral("recording stopped"));
        return plain(stPacket, usSuccess);
    case ClTovuCommandCapture::usCommandCode:
        return plain(stPacket, m_clLive.addToSd(358400) ? usSuccess : usParameterRejected);
    case ClTovuCommandConnectWifi::usCommandCode:
        if (stRecord.clText.isEmpty() || stRecord.clText.size() > 32 || stRecord.clSecondText.size() > 63)
            return plain(stPacket, usParameterRejected);
        m_clSettings.storeText(ClTovuCommandGetInfraSsid::usCommandCode, stRecord.clText);
        m_clSettings.storeText(ClTovuCommandGetInfraKey::usCommandCode, stRecord.clSecondText);
        m_bWifiOn = true;
        m_ulWifiMode = 1;
        return plain(stPacket, usSuccess);
    case ClTovuCommandWifiChange::usCommandCode:
        if (p[0] != 1 && p[0] != 2)
            return plain(stPacket, usParameterRejected);
        m_ulWifiMode = p[0];
        return plain(stPacket, usSuccess);
    case ClTovuCommandWifiSwitch::usCommandCode:
        if (!isSwitch(p[0]))
            return plain(stPacket, usParameterRejected);
        m_bWifiOn = p[0] == ulOn;
        return plain(stPacket, usSuccess);
    case ClTovuCommandExecSecureCurr::usCommandCode:
        if (p[0] != 1 && p[0] != 2)
            return plain(stPacket, usParameterRejected);
        setSecureMode(int(p[0]));
        m_clLive.log(p[0] == 1 ? QStringLiteral("security mode") : QStringLiteral("maintenance mode"));
        return plain(stPacket, usSuccess);
    case ClTovuCommandExecScheCurr::usCommandCode:
        return plain(stPacket, isSwitch(p[0]) ? usSuccess : usParameterRejected);
    case ClTovuCommandMotionModeChange::usCommandCode:
        m_clSettings.storeNumbers(ClTovuCommandGetCurrentMode::usCommandCode, Params {p[0]});
        return plain(stPacket, usSuccess);
    case ClTovuCommandLockModeChange::usCommandCode:
        m_clSettings.storeNumbers(ClTovuCommandGetLockState::usCommandCode, Params {p[0]});
        return plain(stPacket, usSuccess);
    case ClTovuCommandScheModeChange::usCommandCode:
        m_clSettings.storeNumbers(ClTovuCommandGetScheSelect::usCommandCode, Params {p[0]});
        return plain(stPacket, usSuccess);
    case ClTovuCommandStreamStart::usCommandCode:
    case ClTovuCommandStreamEnd::usCommandCode:
        m_bStreaming = usCode == ClTovuCommandStreamStart::usCommandCode;
        return plain(stPacket, usSuccess);
    default:
        break;
    }
    // Factory checks, adjustment data, radio tests: the camera runs them and reports success.
    return plain(stPacket, isFactoryRun(usCode) ? usSuccess : usNotSupported);
}

ClVirtualCameraReply ClVirtualCameraCore::acceptBlock(const Packet& stPacket)
{
    const quint32 ulLength = stPacket.arrParams[0];
    const bool bMotionArea = stPacket.usCode == ClTovuCommandSetMotionArea::usCommandCode;
    const quint32 ulLimit = bMotionArea ? ulMaxMotionArea : ulMaxBlock;
    if (ulLength == 0 || ulLength > ulLimit)
        return plain(stPacket, usParameterRejected);
    m_stPending = PendingBlock {stPacket.usCode, stPacket.usSequence, ulLength};
    // The answer comes after the data packet.
    return Reply {};
}

ClVirtualCameraReply ClVirtualCameraCore::handleData(const Packet& stPacket)
{
    const PendingBlock stPending = m_stPending;
    m_stPending = PendingBlock {};
    if (stPending.usCode == 0 || stPacket.usSequence != stPending.usSequence)
        return Reply {};  // no data awaited with this sequence: ignored
    QByteArray clData;
    if (!ClVirtualCameraWire::dataOf(stPacket, &clData) || quint32(clData.size()) != stPending.ulLength)
        return plain(stPacket, usParameterRejected);
    if (stPending.usCode == ClTovuCommandSetMotionArea::usCommandCode) {
        m_clMotionArea = clData;
        return plain(stPacket, usSuccess);
    }
    // Firmware: only the head is kept; the first block with a valid head names the image.
    QString strVersion;
    if (m_clFirmwareHead.isEmpty() && ClVirtualFirmwareImage::parse(clData, &strVersion, nullptr))
        m_clFirmwareHead = clData.left(ClVirtualFirmwareImage::lHeadBytes);
    m_ullFirmwareBytes += quint64(clData.size());
    return plain(stPacket, usSuccess);
}

ClVirtualCameraReply ClVirtualCameraCore::startFirmware(const Packet& stPacket)
{
    QString strVersion;
    QString strModel;
    const bool bValid = ClVirtualFirmwareImage::parse(m_clFirmwareHead, &strVersion, &strModel)
        && (strModel.isEmpty() || strModel == machineName());
    m_clFirmwareHead.clear();
    m_ullFirmwareBytes = 0;
    if (!bValid) {
        m_clLive.log(QStringLiteral("firmware update refused"));
        return plain(stPacket, usParameterRejected);
    }
    m_strPendingFirmware = strVersion;
    m_clLive.log(QStringLiteral("installing firmware %1").arg(strVersion));
    Reply stReply = plain(stPacket, usSuccess);
    stReply.eEvent = Reply::Event::Restart;
    return stReply;
}
