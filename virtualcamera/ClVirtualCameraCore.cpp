#include "ClVirtualCameraCore.h"

#include "protocol/ClCommandCatalogue.h"
#include "ClVirtualCameraAnswers.h"
#include "protocol/ClDocListGen.h"
#include "protocol/ClNeoListGen.h"
#include "protocol/ClSecListGen.h"
#include "ClVirtualCameraPicture.h"
#include "ClVirtualFirmwareImage.h"
#include "protocol/SupportedCommands.h"

namespace {
constexpr quint32 ulOff = 1;
constexpr quint32 ulOn = 2;

bool isSwitch(quint32 ulValue)
{
    return ulValue == ulOff || ulValue == ulOn;
}
}  // namespace

ClVirtualCameraCore::ClVirtualCameraCore(int lModel, const QString& strFirmware, int lSecureMode)
    : m_lModel(lModel), m_strFirmware(strFirmware), m_clSettings(lModel)
{
    m_lSecureMode = lModel == 0 ? 0 : (lSecureMode == 1 ? 1 : 2);
    m_clSettings.storeText(0x4003, defaultName(lModel).toLatin1());
    m_clMotionArea = QByteArray(48, '\1');
    m_bWifiOn = m_clSettings.numbers(0x5047)[0] == ulOn;
    m_ulWifiMode = m_clSettings.numbers(0x5003)[0];
    rebuildSupport();
    m_clLive.log(QStringLiteral("power on, firmware %1").arg(m_strFirmware));
}

QString ClVirtualCameraCore::machineName() const
{
    return QString::fromLatin1(m_clSettings.text(0x4003));
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
    rebuildSupport();
}

void ClVirtualCameraCore::rebuildSupport()
{
    QList<QUuid> lstKinds = supportedCommands(m_lModel, m_strFirmware);
    if (lstKinds.isEmpty()) {
        // A firmware older than every window the tool knows still answers like the oldest one.
        QString strOldest;
        if (m_lModel == 0)
            strOldest = ClNeoListGen().windowBound(1);
        else if (m_lModel == 1)
            strOldest = ClSecListGen().windowBound(1);
        else if (m_lModel == 2)
            strOldest = ClDocListGen().windowBound(1);
        lstKinds = supportedCommands(m_lModel, strOldest);
    }
    const QSet<QUuid> setKinds(lstKinds.cbegin(), lstKinds.cend());
    m_setSupported.clear();
    for (const ClCommandEntry& stEntry : ClCommandCatalogue::entries()) {
        if (setKinds.contains(stEntry.uuidRequest))
            m_setSupported.insert(stEntry.usCode);
    }
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
    m_clLive.setRecording(bRecording, m_clSettings.numbers(0x504B)[0]);
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
    m_stPending = PendingBlock{};
    m_clFirmwareHead.clear();
    m_ullFirmwareBytes = 0;
    if (m_lModel != 0)
        m_lSecureMode = m_clSettings.numbers(0x5052)[0] == 1 ? 1 : 2;
    m_bWifiOn = m_clSettings.numbers(0x5047)[0] == ulOn;
    m_ulWifiMode = m_clSettings.numbers(0x5003)[0];
    m_clLive.log(QStringLiteral("power on, firmware %1").arg(m_strFirmware));
}

QByteArray ClVirtualCameraCore::currentPicture() const
{
    ClVirtualCameraPicture::Frame stFrame;
    stFrame.clSize = m_clSettings.numbers(0x5014)[0] == 2 ? QSize(320, 240) : QSize(800, 480);
    stFrame.clTime = m_clLive.now();
    stFrame.bRotated = m_clSettings.numbers(0x5055)[0] == 2;
    stFrame.lQuality = int(m_clSettings.numbers(0x5049)[0]);
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
        record(stRecord);
        stReply = handleData(stPacket);
    } else if (stPacket.usType != ClVirtualCameraWire::usTypeCommand || clTransfer.size() < 12) {
        // Not a command: a real camera ignores what it cannot read.
        record(stRecord);
        return stReply;
    } else {
        // A command ends the wait for a data packet that never came.
        m_stPending = PendingBlock{};
        stReply = dispatch(stPacket, stRecord);
        record(stRecord);
    }
    m_clFaults.apply(stReply);
    return stReply;
}

ClVirtualCameraReply ClVirtualCameraCore::dispatch(const Packet& stPacket, Request& stRecord)
{
    const quint16 usCode = stPacket.usCode;
    // Texts are decoded before any refusal, so that what the PC sent can always be checked.
    if (usCode == 0x6807) {
        ClVirtualCameraWire::twoTextsOf(stPacket, &stRecord.clText, &stRecord.clSecondText);
    } else if (usCode == 0x5805 || m_clSettings.hasText(m_clSettings.getCodeOf(usCode))) {
        bool bValid = false;
        stRecord.clText = ClVirtualCameraWire::textOf(stPacket, &bValid);
    }

    if (!supports(usCode))
        return plain(stPacket, usUnsupported);
    if (refusedInSecurityMode(usCode))
        return plain(stPacket, usUnsupported);
    if (m_clLive.isRecording() && refusedWhileRecording(usCode))
        return plain(stPacket, usRecording);
    if (m_bStreaming && refusedWhileStreaming(usCode))
        return plain(stPacket, usStreaming);

    const quint8 ucFamily = quint8(usCode >> 8);
    if (usCode == 0x5867)
        return acceptBlock(stPacket);
    if (ucFamily == 0x68 || usCode < 0x0040 || ucFamily == 0x20 || ucFamily == 0x30)
        return handleOperation(stPacket, stRecord);
    bool bHandled = false;
    Reply stReply = handleComputedGet(stPacket, &bHandled);
    if (bHandled)
        return stReply;
    if (m_clSettings.hasText(usCode))
        return text(stPacket, m_clSettings.text(usCode));
    if (m_clSettings.hasNumbers(usCode))
        return plain(stPacket, 0, m_clSettings.numbers(usCode, stPacket.arrParams[0]));
    return handleSetting(stPacket, stRecord);
}

bool ClVirtualCameraCore::refusedInSecurityMode(quint16 usCode) const
{
    if (m_lSecureMode != 1 || usCode == 0x6810)
        return false;
    const quint8 ucFamily = quint8(usCode >> 8);
    return ucFamily == 0x48 || ucFamily == 0x58 || ucFamily == 0x68 || ucFamily == 0x20 || usCode < 0x0042;
}

bool ClVirtualCameraCore::refusedWhileRecording(quint16 usCode)
{
    switch (usCode) {
    case 0x5812:  // recording size
    case 0x5813:  // recording frame rate
    case 0x584B:  // recording bit rate
    case 0x6803:  // format
    case 0x6804:  // settings reset
        return true;
    default:
        return false;
    }
}

bool ClVirtualCameraCore::refusedWhileStreaming(quint16 usCode)
{
    return usCode == 0x5814 || usCode == 0x5815 || usCode == 0x584C || usCode == 0x5879;
}

ClVirtualCameraReply ClVirtualCameraCore::handleSetting(const Packet& stPacket, Request& stRecord)
{
    const quint16 usCode = stPacket.usCode;
    ClVirtualCameraSettings::Outcome eOutcome = ClVirtualCameraSettings::Outcome::Unknown;
    if (usCode == 0x5805) {
        // The stream password arrives in Base64 and must decode to 1 to 16 printable characters.
        const auto stDecoded =
            QByteArray::fromBase64Encoding(stRecord.clText, QByteArray::AbortOnBase64DecodingErrors);
        bool bValid = stDecoded.decodingStatus == QByteArray::Base64DecodingStatus::Ok
                      && !stDecoded.decoded.isEmpty() && stDecoded.decoded.size() <= 16;
        for (char c : stDecoded.decoded)
            bValid = bValid && c >= '!' && c <= '~';
        if (!bValid)
            return plain(stPacket, usOutOfRange);
        m_clSettings.storeText(0x5005, stDecoded.decoded);
        return plain(stPacket, 0);
    }
    if (usCode == 0x5831) {
        const QDate clDate = ClVirtualCameraWire::unpackDate(stPacket.arrParams[0]);
        const QTime clTime = ClVirtualCameraWire::unpackTime(stPacket.arrParams[1]);
        if (!clDate.isValid() || !clTime.isValid() || clDate.year() < 2000 || clDate.year() > 2100)
            return plain(stPacket, usOutOfRange);
        m_clLive.setNow(QDateTime(clDate, clTime));
        return plain(stPacket, 0);
    }
    const quint16 usGet = m_clSettings.getCodeOf(usCode);
    if (usGet != 0 && m_clSettings.hasText(usGet)) {
        bool bValid = false;
        const QByteArray clText = ClVirtualCameraWire::textOf(stPacket, &bValid);
        if (!bValid)
            return plain(stPacket, usOutOfRange);
        eOutcome = m_clSettings.setText(usCode, clText);
    } else {
        eOutcome = m_clSettings.setNumbers(usCode, stPacket.arrParams);
    }
    switch (eOutcome) {
    case ClVirtualCameraSettings::Outcome::Stored:
        return plain(stPacket, 0);
    case ClVirtualCameraSettings::Outcome::OutOfRange:
        return plain(stPacket, usOutOfRange);
    case ClVirtualCameraSettings::Outcome::Unknown:
        break;
    }
    return plain(stPacket, usUnsupported);
}

ClVirtualCameraReply ClVirtualCameraCore::handleComputedGet(const Packet& stPacket, bool* pbHandled)
{
    *pbHandled = true;
    switch (stPacket.usCode) {
    case 0x5001:
        return wifiInfo(stPacket);
    case 0x5002:
        return accessPointList(stPacket);
    case 0x5005:
        return text(stPacket, m_clSettings.text(0x5005).toBase64());
    case 0x5010:
        return plain(stPacket, 0, Params{m_clLive.isRecording() ? ulOn : ulOff});
    case 0x5020:
        return text(stPacket, gpsSentence());
    case 0x5031: {
        const QDateTime clNow = m_clLive.now();
        return plain(stPacket, 0,
                     Params{ClVirtualCameraWire::packDate(clNow.date()), ClVirtualCameraWire::packTime(clNow.time())});
    }
    case 0x5037:
        return plain(stPacket, 0, Params{m_clLive.batteryState(), quint32(m_clLive.batteryLevel())});
    case 0x5039: {
        const quint64 ullTotal = m_clLive.sdTotal();
        const quint64 ullUsed = m_clLive.sdUsed();
        return plain(stPacket, 0,
                     Params{quint32(ullTotal >> 32), quint32(ullTotal), quint32(ullUsed >> 32), quint32(ullUsed),
                            m_clLive.sdFileSystem()});
    }
    case 0x503A:
        return text(stPacket, m_strFirmware.toLatin1());
    case 0x5051:
        return scheduleList(stPacket);
    case 0x5056:
        return plain(stPacket, 0, Params{quint32(m_lSecureMode)});
    case 0x5067:
        return dataCollection(stPacket, m_clMotionArea);
    default:
        break;
    }
    *pbHandled = false;
    return Reply{};
}

QByteArray ClVirtualCameraCore::gpsSentence() const
{
    if (m_clSettings.numbers(0x5021)[0] != ulOn)
        return QByteArray();  // the receiver is off
    const QString strTime = m_clLive.now().toUTC().toString(QStringLiteral("hhmmss"));
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
    return ClVirtualCameraAnswers::wifiInfo(
        stPacket.usSequence,
        m_clLive.link(m_bWifiOn, m_ulWifiMode, m_clSettings.text(0x503B), m_clSettings.text(0x4004)));
}

ClVirtualCameraReply ClVirtualCameraCore::accessPointList(const Packet& stPacket) const
{
    if (!m_bWifiOn)
        return ClVirtualCameraAnswers::accessPoints(stPacket.usSequence, {});
    return ClVirtualCameraAnswers::accessPoints(stPacket.usSequence, m_clLive.accessPoints());
}

ClVirtualCameraReply ClVirtualCameraCore::scheduleList(const Packet& stPacket) const
{
    QMap<quint32, Params> mapEntries;
    for (quint32 ulDay = 1; ulDay <= 8; ++ulDay)
        mapEntries.insert(ulDay, m_clSettings.numbers(ClVirtualCameraSettings::usGetScheduleEntry, ulDay));
    return ClVirtualCameraAnswers::schedule(stPacket.usSequence, mapEntries);
}

ClVirtualCameraReply ClVirtualCameraCore::handleOperation(const Packet& stPacket, Request& stRecord)
{
    const quint16 usCode = stPacket.usCode;
    const Params& p = stPacket.arrParams;
    switch (usCode) {
    case 0x2001:
        return acceptBlock(stPacket);
    case 0x2002:
        return startFirmware(stPacket);
    case 0x3001:
    case 0x6816:
        return dataCollection(stPacket, currentPicture());
    case 0x3002:
        return dataCollection(stPacket, ClVirtualCameraPicture::soundClip());
    case 0x3003:
        return dataCollection(stPacket, m_clLive.logText());
    case 0x6801:
        m_clLive.log(QStringLiteral("power off"));
        {
            Reply stReply = plain(stPacket, 0);
            stReply.eEvent = Reply::Event::PowerOff;
            return stReply;
        }
    case 0x6802: {
        m_clLive.log(QStringLiteral("restart"));
        Reply stReply = plain(stPacket, 0);
        stReply.eEvent = Reply::Event::Restart;
        return stReply;
    }
    case 0x6803:
        if (m_clLive.sdTotal() == 0)
            return plain(stPacket, usOutOfRange);
        m_clLive.formatSd();
        m_clLive.log(QStringLiteral("SD card formatted"));
        return plain(stPacket, 0);
    case 0x6804:
        m_clSettings.resetSettings();
        m_clLive.log(QStringLiteral("settings initialised"));
        return plain(stPacket, 0);
    case 0x6805:
        if (!isSwitch(p[0]) || (p[0] == ulOn && m_clLive.sdTotal() == 0))
            return plain(stPacket, usOutOfRange);
        setRecording(p[0] == ulOn);
        m_clLive.log(p[0] == ulOn ? QStringLiteral("recording started") : QStringLiteral("recording stopped"));
        return plain(stPacket, 0);
    case 0x6806:
        return plain(stPacket, m_clLive.addToSd(358400) ? 0 : usOutOfRange);
    case 0x6807:
        if (stRecord.clText.isEmpty() || stRecord.clText.size() > 32 || stRecord.clSecondText.size() > 63)
            return plain(stPacket, usOutOfRange);
        m_clSettings.storeText(0x503B, stRecord.clText);
        m_clSettings.storeText(0x503C, stRecord.clSecondText);
        m_bWifiOn = true;
        m_ulWifiMode = 1;
        return plain(stPacket, 0);
    case 0x6808:
        if (p[0] != 1 && p[0] != 2)
            return plain(stPacket, usOutOfRange);
        m_ulWifiMode = p[0];
        return plain(stPacket, 0);
    case 0x6809:
        if (!isSwitch(p[0]))
            return plain(stPacket, usOutOfRange);
        m_bWifiOn = p[0] == ulOn;
        return plain(stPacket, 0);
    case 0x6810:
        if (p[0] != 1 && p[0] != 2)
            return plain(stPacket, usOutOfRange);
        setSecureMode(int(p[0]));
        m_clLive.log(p[0] == 1 ? QStringLiteral("security mode") : QStringLiteral("maintenance mode"));
        return plain(stPacket, 0);
    case 0x6811:
        return plain(stPacket, isSwitch(p[0]) ? 0 : usOutOfRange);
    case 0x6812:
        m_clSettings.storeNumbers(0x507D, Params{p[0]});
        return plain(stPacket, 0);
    case 0x6813:
        m_clSettings.storeNumbers(0x507F, Params{p[0]});
        return plain(stPacket, 0);
    case 0x6814:
        m_clSettings.storeNumbers(0x5062, Params{p[0]});
        return plain(stPacket, 0);
    case 0x6815:
    case 0x6817:
        m_bStreaming = usCode == 0x6815;
        return plain(stPacket, 0);
    default:
        break;
    }
    // Factory checks, adjustment data, radio tests: the camera runs them and reports success.
    const bool bKnown = (usCode >= 0x0021 && usCode <= 0x0027) || (usCode >= 0x0031 && usCode <= 0x0033)
                        || (usCode >= 0x680A && usCode <= 0x680D);
    return plain(stPacket, bKnown ? 0 : usUnsupported);
}

ClVirtualCameraReply ClVirtualCameraCore::acceptBlock(const Packet& stPacket)
{
    const quint32 ulLength = stPacket.arrParams[0];
    const quint32 ulLimit = stPacket.usCode == 0x5867 ? ulMaxMotionArea : ulMaxBlock;
    if (ulLength == 0 || ulLength > ulLimit)
        return plain(stPacket, usOutOfRange);
    m_stPending = PendingBlock{stPacket.usCode, stPacket.usSequence, ulLength};
    // The answer comes after the data packet.
    return Reply{};
}

ClVirtualCameraReply ClVirtualCameraCore::handleData(const Packet& stPacket)
{
    const PendingBlock stPending = m_stPending;
    m_stPending = PendingBlock{};
    if (stPending.usCode == 0 || stPacket.usSequence != stPending.usSequence)
        return Reply{};  // no data awaited with this sequence: ignored
    QByteArray clData;
    if (!ClVirtualCameraWire::dataOf(stPacket, &clData) || quint32(clData.size()) != stPending.ulLength)
        return plain(stPacket, usOutOfRange);
    if (stPending.usCode == 0x5867) {
        m_clMotionArea = clData;
        return plain(stPacket, 0);
    }
    // Firmware: only the head is kept; the first block with a valid head names the image.
    QString strVersion;
    if (m_clFirmwareHead.isEmpty() && ClVirtualFirmwareImage::parse(clData, &strVersion, nullptr))
        m_clFirmwareHead = clData.left(ClVirtualFirmwareImage::lHeadBytes);
    m_ullFirmwareBytes += quint64(clData.size());
    return plain(stPacket, 0);
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
        return plain(stPacket, usOutOfRange);
    }
    m_strPendingFirmware = strVersion;
    m_clLive.log(QStringLiteral("installing firmware %1").arg(strVersion));
    Reply stReply = plain(stPacket, 0);
    stReply.eEvent = Reply::Event::Restart;
    return stReply;
}
