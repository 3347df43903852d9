#include "ClVirtualCameraSettings.h"

#include <QDateTime>

namespace {
using Params = ClVirtualCameraSettings::Params;
using NumberCheck = bool (*)(const Params&, int lModel);
using TextCheck = bool (*)(const QByteArray&);

constexpr quint32 ulOff = 1;
constexpr quint32 ulOn = 2;
constexpr quint32 ulMaxDuration = 72 * 3600;  // 72:00:00, the longest time the camera keeps

bool isSwitch(quint32 ulValue)
{
    return ulValue == ulOff || ulValue == ulOn;
}

bool anyValue(const Params&, int)
{
    return true;
}

bool switchValue(const Params& p, int)
{
    return isSwitch(p[0]);
}

template <quint32 Min, quint32 Max>
bool inRange(const Params& p, int)
{
    return p[0] >= Min && p[0] <= Max;
}

bool recImageSize(const Params& p, int lModel)
{
    // The 320 x 240 recording size exists only on the later models.
    return p[0] >= 1 && p[0] <= (lModel == 0 ? 3u : 4u);
}

bool recFrameRate(const Params& p, int lModel)
{
    const quint32 ulSecond = lModel == 0 ? 6 : 5;
    return p[0] == 1 || p[0] == ulSecond || p[0] == 10 || p[0] == 15 || p[0] == 30;
}

bool liveFrameRate(const Params& p, int)
{
    return p[0] == 1 || p[0] == 6 || p[0] == 10 || p[0] == 15 || p[0] == 30;
}

bool bitRate(const Params& p, int)
{
    return p[0] >= 384000 && p[0] <= 15360000;
}

bool rtspPort(const Params& p, int)
{
    return p[0] == 554 || (p[0] >= 1024 && p[0] <= 65535);
}

bool httpPort(const Params& p, int)
{
    return p[0] == 80 || (p[0] >= 1024 && p[0] <= 65535);
}

bool anyPort(const Params& p, int)
{
    return p[0] >= 1 && p[0] <= 65535;
}

bool autoPowerOff(const Params& p, int)
{
    return p[0] == 0 || (p[0] >= 60 && p[0] <= ulMaxDuration);
}

bool autoWifiOff(const Params& p, int)
{
    return p[0] == 0 || (p[0] >= 60 && p[0] <= 600);
}

bool subnetMask(const Params& p, int)
{
    // Ones from the top, then zeros only.
    const quint32 ulInverted = ~p[0];
    return (ulInverted & (ulInverted + 1)) == 0;
}

bool gpsSetting(const Params& p, int)
{
    return isSwitch(p[0]) && isSwitch(p[1]) && isSwitch(p[2]) && (p[3] == 1 || p[3] == 2);
}

bool intervalTimer(const Params& p, int)
{
    return isSwitch(p[0]) && p[1] <= ulMaxDuration && p[2] >= 1 && p[2] <= ulMaxDuration;
}

bool upperLetter(quint32 ulValue)
{
    return ulValue >= 'A' && ulValue <= 'Z';
}

bool countryCode(const Params& p, int)
{
    return upperLetter(p[0]) && upperLetter(p[1]);
}

bool scheduleEntry(const Params& p, int)
{
    return p[0] >= 1 && p[0] <= 8 && isSwitch(p[1]) && ClVirtualCameraWire::unpackHhmm(p[2]).isValid()
           && ClVirtualCameraWire::unpackHhmm(p[3]).isValid();
}

bool scheduleCycle(const Params& p, int)
{
    return isSwitch(p[3]);
}

bool scheduleDayTime(const Params& p, int)
{
    return p[0] >= 1 && p[0] <= 8 && isSwitch(p[2]) && ClVirtualCameraWire::unpackHhmm(p[3]).isValid()
           && ClVirtualCameraWire::unpackHhmm(p[4]).isValid();
}

bool scheduleDayMode(const Params& p, int)
{
    return p[0] >= 1 && p[0] <= 8 && isSwitch(p[2]);
}

bool smallKey(const Params& p, int)
{
    return p[0] < 256;
}

template <int Min, int Max>
bool textLength(const QByteArray& clText)
{
    return clText.size() >= Min && clText.size() <= Max && !clText.contains('\0');
}

bool cameraName(const QByteArray& clText)
{
    if (clText.isEmpty() || clText.size() > 8)
        return false;
    for (char c : clText) {
        const bool bAlnum = (c >= '0' && c <= '9') || (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
        if (!bAlnum && c != '-' && c != '.' && c != '_' && c != '~')
            return false;
    }
    return true;
}

bool spacedDate(const QByteArray& clText)
{
    return QDateTime::fromString(QString::fromLatin1(clText), QStringLiteral("yyyy/MM/dd hh:mm:ss")).isValid();
}

constexpr quint32 ipv4(quint32 a, quint32 b, quint32 c, quint32 d)
{
    return (a << 24) | (b << 16) | (c << 8) | d;
}
}  // namespace

struct ClVirtualCameraSettings::NumberRule
{
    quint16 usGet;
    quint16 usSet;  // 0: read only
    bool bKeyed;    // one entry per value of param1
    Params arrDefault;
    NumberCheck pfnCheck;
};

struct ClVirtualCameraSettings::TextRule
{
    quint16 usGet;
    quint16 usSet;
    const char* pszDefault;
    TextCheck pfnCheck;
};

namespace {
// clang-format off
const ClVirtualCameraSettings::NumberRule* numberRules(int* plCount)
{
    using R = ClVirtualCameraSettings::NumberRule;
    static const R aRules[] = {
        {0x0042, 0x0041, false, {0},                       anyValue},          // adjustment flag
        {0x4007, 0x4807, false, {'J', 'P'},                countryCode},
        {0x5003, 0x5803, false, {1},                       inRange<1, 2>},     // Wi-Fi mode
        {0x5004, 0x5804, false, {ulOff},                   switchValue},       // stream authorization
        {0x5006, 0x5806, false, {ipv4(192, 168, 1, 1)},   anyValue},
        {0x5007, 0x5807, false, {ipv4(255, 255, 255, 0)}, subnetMask},
        {0x5008, 0x5808, false, {ulOn},                    switchValue},       // DHCP
        {0x5009, 0x5809, false, {ipv4(192, 168, 0, 120)}, anyValue},
        {0x500A, 0x580A, false, {ipv4(255, 255, 255, 0)}, subnetMask},
        {0x500B, 0x580B, false, {ipv4(192, 168, 0, 1)},   anyValue},
        {0x5011, 0x5811, false, {ulOff, 0, 60},            intervalTimer},
        {0x5012, 0x5812, false, {2},                       recImageSize},
        {0x5013, 0x5813, false, {30},                      recFrameRate},
        {0x5014, 0x5814, false, {1},                       inRange<1, 2>},     // live image size
        {0x5015, 0x5815, false, {15},                      liveFrameRate},
        {0x5021, 0x5821, false, {ulOn, ulOff, ulOff, 1},   gpsSetting},
        {0x5032, 0x5832, false, {0},                       inRange<0, 24>},    // time zone
        {0x5033, 0x5833, false, {ulOn},                    switchValue},       // LED at start
        {0x5034, 0x5834, false, {ulOn},                    switchValue},       // LED state
        {0x5035, 0x5835, false, {ulOff},                   switchValue},       // optimizer
        {0x5036, 0,      false, {ulOff},                   switchValue},       // E state
        {0x5038, 0x5838, false, {600},                     autoPowerOff},
        {0x5041, 0x5841, false, {1},                       inRange<1, 4>},     // Wi-Fi country
        {0x5042, 0x5842, false, {0},                       inRange<0, 4>},     // ad hoc security
        {0x5043, 0x5843, false, {554},                     rtspPort},
        {0x5045, 0x5845, false, {ipv4(192, 168, 0, 1)},   anyValue},          // primary DNS
        {0x5046, 0x5846, false, {0},                       anyValue},          // secondary DNS
        {0x5047, 0x5847, false, {ulOn},                    switchValue},       // Wi-Fi on
        {0x5048, 0x5848, false, {300},                     autoWifiOff},
        {0x5049, 0x5849, false, {2},                       inRange<0, 4>},     // picture quality
        {0x504A, 0x584A, false, {ulOn},                    switchValue},       // battery alarm
        {0x504B, 0x584B, false, {4000000},                 bitRate},           // recording
        {0x504C, 0x584C, false, {1000000},                 bitRate},           // live view
        {0x504D, 0x584D, false, {ulOff},                   switchValue},       // no LED in security
        {0x5050, 0x5850, false, {ulOff},                   switchValue},       // schedule on
        {0x5051, 0x5851, true,  {0, ulOff, 0, 0},          scheduleEntry},
        {0x5052, 0x5852, false, {2},                       inRange<1, 2>},     // start mode
        {0x5053, 0x5853, false, {ulOff},                   switchValue},       // key lock
        {0x5055, 0x5855, false, {1},                       inRange<1, 2>},     // rotation
        {0x5057, 0,      false, {ulOff},                   switchValue},       // schedule in security
        {0x5058, 0x5858, false, {80},                      httpPort},
        {0x5060, 0x5860, false, {1},                       inRange<0, 15>},    // quality preset
        {0x5061, 0x5861, false, {5004},                    anyPort},           // audio upload port
        {0x5062, 0x5862, false, {1},                       anyValue},
        {0x5063, 0x5863, false, {ulOff},                   switchValue},       // start lock
        {0x5064, 0x5864, false, {60},                      anyValue},
        {0x5065, 0x5865, false, {300},                     anyValue},
        {0x5066, 0x5866, false, {5},                       anyValue},
        {0x5068, 0x5868, false, {3},                       anyValue},
        {0x5069, 0x5869, false, {3},                       anyValue},
        {0x506A, 0x586A, false, {5},                       inRange<0, 100>},   // volume
        {0x506B, 0x586B, false, {0},                       anyValue},
        {0x506C, 0x586C, false, {0},                       anyValue},
        {0x506D, 0x586D, false, {0},                       anyValue},
        {0x506E, 0x586E, false, {0},                       anyValue},
        {0x506F, 0x586F, false, {0},                       anyValue},
        {0x5070, 0x5870, false, {0},                       anyValue},
        {0x5071, 0x5871, false, {10},                      anyValue},
        {0x5072, 0x5872, false, {10},                      anyValue},
        {0x5073, 0x5873, false, {ulOff},                   switchValue},       // upload
        {0x5074, 0x5874, false, {ulOff},                   switchValue},       // delete after upload
        {0x5075, 0x5875, false, {1, 0, 0, ulOff},          scheduleCycle},
        {0x5076, 0x5876, true,  {0, 0, ulOff, 0, 0},       scheduleDayTime},
        {0x5077, 0x5877, true,  {0, 0, ulOff},             scheduleDayMode},
        {0x5078, 0x5878, true,  {0, 0, 0},                 smallKey},
        {0x5079, 0x5879, true,  {0, 0, 0},                 smallKey},
        {0x507A, 0x587A, false, {ulOn},                    switchValue},       // time stamp
        {0x507B, 0x587B, false, {1},                       inRange<0, 3>},
        {0x507C, 0x587C, false, {1},                       inRange<0, 3>},
        {0x507D, 0,      false, {1},                       anyValue},          // current mode
        {0x507F, 0,      false, {1},                       anyValue},          // lock state
        {0x5083, 0x5883, false, {ulOff},                   switchValue},       // wake on LAN
    };
    *plCount = int(sizeof(aRules) / sizeof(aRules[0]));
    return aRules;
}

const ClVirtualCameraSettings::TextRule* textRules(int* plCount)
{
    using R = ClVirtualCameraSettings::TextRule;
    static const R aRules[] = {
        {0x4001, 0x4801, "TV0A1420573",          textLength<1, 32>},    // serial number
        {0x4002, 0,      "00:1D:73:4A:21:0F",    textLength<1, 32>},    // MAC address
        {0x4003, 0x4803, "",                     textLength<1, 32>},    // machine name, by model
        {0x4004, 0x4804, "Tovu-4A210F",          textLength<1, 32>},    // own SSID
        {0x4005, 0x4805, "tovu4a210f",           textLength<0, 63>},    // ad hoc key
        {0x4006, 0x4806, "2013/11/20 10:15:00",  spacedDate},           // date of manufacture
        {0x4008, 0x4808, "F2.8 f=2.3mm",         textLength<0, 32>},    // lens
        {0x4009, 0x4809, "6f1b2c3d-4e5f-4a6b-8c7d-9e0f1a2b3c4d", textLength<0, 64>},
        // The stream password travels in Base64; the camera's request handling decodes it.
        {0x5005, 0,      "tovu1234",             textLength<1, 16>},
        {0x5030, 0x5830, "TOVU01",               cameraName},
        {0x503B, 0x583B, "HomeNetwork",          textLength<1, 32>},    // infrastructure SSID
        {0x503C, 0x583C, "correct-horse",        textLength<0, 63>},    // infrastructure key
        {0x5044, 0x5844, "stun.example.net",     textLength<0, 64>},
        {0x5054, 0x5854, "",                     textLength<0, 64>},    // DDNS address
        {0x5059, 0x5859, "",                     textLength<0, 64>},    // control server
        {0x5080, 0,      "2014/03/01T03:00:00",  textLength<0, 32>},    // last update check
        {0x5081, 0,      "2014/03/02T03:00:00",  textLength<0, 32>},    // next update check
    };
    *plCount = int(sizeof(aRules) / sizeof(aRules[0]));
    return aRules;
}
// clang-format on
}  // namespace

ClVirtualCameraSettings::ClVirtualCameraSettings(int lModel) : m_lModel(lModel)
{
    int lCount = 0;
    const TextRule* pstTexts = textRules(&lCount);
    for (int i = 0; i < lCount; ++i)
        m_mapTexts.insert(pstTexts[i].usGet, QByteArray(pstTexts[i].pszDefault));
    m_mapNumbers.insert(keyOf(0x0042, 0), Params{});
    m_mapNumbers.insert(keyOf(0x4007, 0), numberRule(0x4007)->arrDefault);
    resetSettings();
}

void ClVirtualCameraSettings::resetSettings()
{
    for (auto it = m_mapNumbers.begin(); it != m_mapNumbers.end();)
        it = (it.key() >> 32) >= 0x5000 ? m_mapNumbers.erase(it) : std::next(it);
    int lCount = 0;
    const NumberRule* pstNumbers = numberRules(&lCount);
    for (int i = 0; i < lCount; ++i) {
        if (pstNumbers[i].usGet >= 0x5000 && !pstNumbers[i].bKeyed)
            m_mapNumbers.insert(keyOf(pstNumbers[i].usGet, 0), pstNumbers[i].arrDefault);
    }
    const TextRule* pstTexts = textRules(&lCount);
    for (int i = 0; i < lCount; ++i) {
        if (pstTexts[i].usGet >= 0x5000)
            m_mapTexts.insert(pstTexts[i].usGet, QByteArray(pstTexts[i].pszDefault));
    }

    // The time zone of the computer the camera was set up with.
    const int lHours = QDateTime::currentDateTime().offsetFromUtc() / 3600;
    storeNumbers(0x5032, Params{quint32(lHours >= 0 ? qMin(lHours, 12) : 12 + qMin(-lHours, 12))});

    // A working week: Monday to Friday during office hours, the weekend and the
    // every-day row off, the every-day row covering the night.
    const QTime clNine(9, 0), clSix(18, 0), clTen(22, 0), clFive(5, 0);
    for (quint32 ulDay = 1; ulDay <= 8; ++ulDay) {
        const bool bWeekday = ulDay >= 2 && ulDay <= 6;
        const bool bEveryDay = ulDay == 8;
        storeNumbers(usGetScheduleEntry,
                     Params{ulDay, bWeekday ? ulOn : ulOff, ClVirtualCameraWire::packHhmm(bEveryDay ? clTen : clNine),
                            ClVirtualCameraWire::packHhmm(bEveryDay ? clFive : clSix), 0},
                     ulDay);
    }
}

quint64 ClVirtualCameraSettings::keyOf(quint16 usGetCode, quint32 ulKey)
{
    return (quint64(usGetCode) << 32) | ulKey;
}

const ClVirtualCameraSettings::NumberRule* ClVirtualCameraSettings::numberRule(quint16 usGetCode)
{
    int lCount = 0;
    const NumberRule* pstRules = numberRules(&lCount);
    for (int i = 0; i < lCount; ++i) {
        if (pstRules[i].usGet == usGetCode)
            return &pstRules[i];
    }
    return nullptr;
}

const ClVirtualCameraSettings::NumberRule* ClVirtualCameraSettings::numberRuleBySet(quint16 usSetCode)
{
    int lCount = 0;
    const NumberRule* pstRules = numberRules(&lCount);
    for (int i = 0; i < lCount; ++i) {
        if (pstRules[i].usSet != 0 && pstRules[i].usSet == usSetCode)
            return &pstRules[i];
    }
    return nullptr;
}

const ClVirtualCameraSettings::TextRule* ClVirtualCameraSettings::textRule(quint16 usGetCode)
{
    int lCount = 0;
    const TextRule* pstRules = textRules(&lCount);
    for (int i = 0; i < lCount; ++i) {
        if (pstRules[i].usGet == usGetCode)
            return &pstRules[i];
    }
    return nullptr;
}

const ClVirtualCameraSettings::TextRule* ClVirtualCameraSettings::textRuleBySet(quint16 usSetCode)
{
    int lCount = 0;
    const TextRule* pstRules = textRules(&lCount);
    for (int i = 0; i < lCount; ++i) {
        if (pstRules[i].usSet != 0 && pstRules[i].usSet == usSetCode)
            return &pstRules[i];
    }
    return nullptr;
}

bool ClVirtualCameraSettings::hasNumbers(quint16 usGetCode) const
{
    return numberRule(usGetCode) != nullptr;
}

bool ClVirtualCameraSettings::isKeyed(quint16 usGetCode) const
{
    const NumberRule* pstRule = numberRule(usGetCode);
    return pstRule && pstRule->bKeyed;
}

ClVirtualCameraSettings::Params ClVirtualCameraSettings::numbers(quint16 usGetCode, quint32 ulKey) const
{
    const NumberRule* pstRule = numberRule(usGetCode);
    const quint32 ulStoredKey = pstRule && pstRule->bKeyed ? ulKey : 0;
    const auto it = m_mapNumbers.constFind(keyOf(usGetCode, ulStoredKey));
    if (it != m_mapNumbers.constEnd())
        return *it;
    Params arrValues = pstRule ? pstRule->arrDefault : Params{};
    if (pstRule && pstRule->bKeyed)
        arrValues[0] = ulKey;
    return arrValues;
}

bool ClVirtualCameraSettings::hasText(quint16 usGetCode) const
{
    return m_mapTexts.contains(usGetCode);
}

QByteArray ClVirtualCameraSettings::text(quint16 usGetCode) const
{
    return m_mapTexts.value(usGetCode);
}

quint16 ClVirtualCameraSettings::getCodeOf(quint16 usSetCode) const
{
    if (const NumberRule* pstRule = numberRuleBySet(usSetCode))
        return pstRule->usGet;
    if (const TextRule* pstRule = textRuleBySet(usSetCode))
        return pstRule->usGet;
    return 0;
}

ClVirtualCameraSettings::Outcome ClVirtualCameraSettings::setNumbers(quint16 usSetCode, const Params& arrParams)
{
    const NumberRule* pstRule = numberRuleBySet(usSetCode);
    if (!pstRule)
        return Outcome::Unknown;
    if (!pstRule->pfnCheck(arrParams, m_lModel))
        return Outcome::OutOfRange;
    m_mapNumbers.insert(keyOf(pstRule->usGet, pstRule->bKeyed ? arrParams[0] : 0), arrParams);
    return Outcome::Stored;
}

ClVirtualCameraSettings::Outcome ClVirtualCameraSettings::setText(quint16 usSetCode, const QByteArray& clText)
{
    const TextRule* pstRule = textRuleBySet(usSetCode);
    if (!pstRule)
        return Outcome::Unknown;
    if (!pstRule->pfnCheck(clText))
        return Outcome::OutOfRange;
    m_mapTexts.insert(pstRule->usGet, clText);
    return Outcome::Stored;
}

void ClVirtualCameraSettings::storeNumbers(quint16 usGetCode, const Params& arrParams, quint32 ulKey)
{
    const NumberRule* pstRule = numberRule(usGetCode);
    m_mapNumbers.insert(keyOf(usGetCode, pstRule && pstRule->bKeyed ? ulKey : 0), arrParams);
}

void ClVirtualCameraSettings::storeText(quint16 usGetCode, const QByteArray& clText)
{
    m_mapTexts.insert(usGetCode, clText);
}

QList<quint32> ClVirtualCameraSettings::scheduleKeys() const
{
    QList<quint32> lstKeys;
    const quint64 ullFirst = keyOf(usGetScheduleEntry, 0);
    const quint64 ullLast = keyOf(usGetScheduleEntry, 0xFFFFFFFFu);
    for (auto it = m_mapNumbers.lowerBound(ullFirst); it != m_mapNumbers.end() && it.key() <= ullLast; ++it)
        lstKeys.append(quint32(it.key() & 0xFFFFFFFFu));
    return lstKeys;
}
