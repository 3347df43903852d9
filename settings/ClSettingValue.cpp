#include "ClSettingValue.h"

#include "ClSettingRules.h"
#include "protocol/ClEnvelope.h"
#include "protocol/ScheduleSettings.h"

#include <QCoreApplication>
#include <QSize>
#include <QTime>

namespace {
QString tr(const char* pszText)
{
    return QCoreApplication::translate("ClSettingValue", pszText);
}

const QString& keyOf(const ClSettingDefinition& stSetting)
{
    return ClEnvelope::keyParam(2 + stSetting.lField);
}

const ClSettingChoice* choiceOfCode(const ClSettingDefinition& stSetting, qint64 llCode)
{
    for (const ClSettingChoice& stChoice : stSetting.lstChoices) {
        if (stChoice.llCode == llCode)
            return &stChoice;
    }
    return nullptr;
}

const ClSettingChoice* choiceOfToken(const ClSettingDefinition& stSetting, const QString& strToken)
{
    for (const ClSettingChoice& stChoice : stSetting.lstChoices) {
        if (stChoice.strToken.compare(strToken.trimmed(), Qt::CaseInsensitive) == 0)
            return &stChoice;
    }
    return nullptr;
}

QString sizeToken(const QSize& clSize)
{
    return QStringLiteral("%1x%2").arg(clSize.width()).arg(clSize.height());
}

// "HH:MM" on a schedule step; an invalid time otherwise.
QTime scheduleTime(const QString& strText)
{
    const QStringList lstParts = strText.trimmed().split(QLatin1Char(':'));
    if (lstParts.size() != 2 || lstParts.at(0).size() > 2 || lstParts.at(1).size() != 2)
        return QTime();
    bool bHour = false;
    bool bMinute = false;
    const int lHour = lstParts.at(0).toInt(&bHour);
    const int lMinute = lstParts.at(1).toInt(&bMinute);
    if (!bHour || !bMinute || !ClSettingRules::isScheduleTime(lHour, lMinute))
        return QTime();
    return QTime(lHour, lMinute);
}

QVariant parseDay(const QString& strText, QString* pstrError)
{
    stScheduleEntry stEntry;
    if (strText.trimmed().compare(QLatin1String("off"), Qt::CaseInsensitive) == 0) {
        stEntry.tmStart = QTime(0, 0);
        stEntry.tmEnd = QTime(0, 0);
        return QVariant::fromValue(stEntry);
    }
    const QStringList lstEnds = strText.split(QLatin1Char('-'));
    if (lstEnds.size() == 2) {
        stEntry.bOn = true;
        stEntry.tmStart = scheduleTime(lstEnds.at(0));
        stEntry.tmEnd = scheduleTime(lstEnds.at(1));
        if (stEntry.tmStart.isValid() && stEntry.tmEnd.isValid())
            return QVariant::fromValue(stEntry);
    }
    *pstrError = tr("expected \"off\" or a period such as 08:00-17:30, in steps of 10 minutes");
    return QVariant();
}
}  // namespace

QVariant ClSettingValue::fromReply(const ClSettingDefinition& stSetting, const PV_CMD& clReply)
{
    if (stSetting.eType == ClSettingType::DayPeriod) {
        const QVariant clDays = clReply.value(ClEnvelope::keyParam(2));
        if (!clDays.canConvert<ScheduleSettings>())
            return QVariant();
        const ScheduleSettings mapDays = clDays.value<ScheduleSettings>();
        const auto it = mapDays.constFind(stSetting.lDayCode);
        return it == mapDays.cend() ? QVariant() : QVariant::fromValue(*it);
    }
    const QVariant clValue = clReply.value(keyOf(stSetting));
    if (!clValue.isValid())
        return QVariant();
    switch (stSetting.eType) {
    case ClSettingType::Switch:
        return clValue.toBool();
    case ClSettingType::Number:
    case ClSettingType::Choice: {
        bool bNumber = false;
        const qint64 llValue = clValue.toLongLong(&bNumber);
        return bNumber ? QVariant(llValue) : QVariant();
    }
    case ClSettingType::ImageSize:
        return clValue.typeId() == QMetaType::QSize ? clValue : QVariant();
    case ClSettingType::Text:
    case ClSettingType::Host:
    case ClSettingType::Mask:
        return clValue.typeId() == QMetaType::QString ? clValue : QVariant();
    case ClSettingType::DayPeriod:
        break;
    }
    return QVariant();
}

void ClSettingValue::toRequest(const ClSettingDefinition& stSetting, const QVariant& clValue, PV_CMD& clRequest)
{
    switch (stSetting.eType) {
    case ClSettingType::Switch:
        clRequest.insert(keyOf(stSetting), clValue.toBool());
        break;
    case ClSettingType::Number:
    case ClSettingType::Choice:
        clRequest.insert(keyOf(stSetting), clValue.toLongLong());
        break;
    case ClSettingType::ImageSize:
        clRequest.insert(keyOf(stSetting), clValue.toSize());
        break;
    case ClSettingType::Text:
    case ClSettingType::Host:
    case ClSettingType::Mask:
        clRequest.insert(keyOf(stSetting), clValue.toString());
        break;
    case ClSettingType::DayPeriod: {
        const auto stEntry = clValue.value<stScheduleEntry>();
        clRequest.insert(ClEnvelope::keyParam(2), quint32(stSetting.lDayCode));
        clRequest.insert(ClEnvelope::keyParam(3), stEntry.bOn);
        clRequest.insert(ClEnvelope::keyParam(4), stEntry.tmStart);
        clRequest.insert(ClEnvelope::keyParam(5), stEntry.tmEnd);
        break;
    }
    }
}

QString ClSettingValue::check(const ClSettingDefinition& stSetting, const QVariant& clValue)
{
    if (!clValue.isValid())
        return tr("no value");
    switch (stSetting.eType) {
    case ClSettingType::Switch:
        return QString();
    case ClSettingType::Number: {
        const qint64 llWire = clValue.toLongLong();
        const qint64 llShown = llWire / stSetting.llScale;
        const bool bStep = stSetting.lstChoices.isEmpty() || choiceOfCode(stSetting, llShown);
        if (llWire % stSetting.llScale == 0 && bStep
            && ((llShown >= stSetting.llMin && llShown <= stSetting.llMax) || llShown == stSetting.llDefault))
            return QString();
        return tr("out of range (%1)").arg(stSetting.describe());
    }
    case ClSettingType::Text:
        return ClSettingRules::matches(stSetting.strPattern, clValue.toString())
            ? QString()
            : tr("does not match %1").arg(stSetting.strPattern);
    case ClSettingType::Host:
        return ClSettingRules::isHostAddress(clValue.toString()) ? QString() : tr("not an IPv4 host address");
    case ClSettingType::Mask:
        return ClSettingRules::isSubnetMask(clValue.toString()) ? QString() : tr("not an IPv4 subnet mask");
    case ClSettingType::Choice:
        return choiceOfCode(stSetting, clValue.toLongLong()) ? QString()
                                                             : tr("not one of %1").arg(stSetting.describe());
    case ClSettingType::ImageSize:
        return choiceOfToken(stSetting, sizeToken(clValue.toSize())) ? QString()
                                                                     : tr("not one of %1").arg(stSetting.describe());
    case ClSettingType::DayPeriod: {
        const auto stEntry = clValue.value<stScheduleEntry>();
        const bool bTimes = stEntry.tmStart.isValid() && stEntry.tmEnd.isValid()
            && ClSettingRules::isScheduleTime(stEntry.tmStart.hour(), stEntry.tmStart.minute())
            && ClSettingRules::isScheduleTime(stEntry.tmEnd.hour(), stEntry.tmEnd.minute());
        return !stEntry.bOn || bTimes ? QString() : tr("not a period in steps of 10 minutes");
    }
    }
    return QString();
}

bool ClSettingValue::isSame(const ClSettingDefinition& stSetting, const QVariant& clA, const QVariant& clB)
{
    if (!clA.isValid() || !clB.isValid())
        return false;
    switch (stSetting.eType) {
    case ClSettingType::Switch:
        return clA.toBool() == clB.toBool();
    case ClSettingType::Number:
    case ClSettingType::Choice:
        return clA.toLongLong() == clB.toLongLong();
    case ClSettingType::ImageSize:
        return clA.toSize() == clB.toSize();
    case ClSettingType::Text:
    case ClSettingType::Host:
    case ClSettingType::Mask:
        return clA.toString() == clB.toString();
    case ClSettingType::DayPeriod: {
        const auto stA = clA.value<stScheduleEntry>();
        const auto stB = clB.value<stScheduleEntry>();
        // Days switched off are the same whatever times they keep.
        return stA.bOn == stB.bOn && (!stA.bOn || (stA.tmStart == stB.tmStart && stA.tmEnd == stB.tmEnd));
    }
    }
    return false;
}

QString ClSettingValue::toText(const ClSettingDefinition& stSetting, const QVariant& clValue)
{
    if (!clValue.isValid())
        return QString();
    switch (stSetting.eType) {
    case ClSettingType::Switch:
        return clValue.toBool() ? QStringLiteral("on") : QStringLiteral("off");
    case ClSettingType::Number: {
        const qint64 llWire = clValue.toLongLong();
        if (llWire % stSetting.llScale != 0)
            return QString::number(double(llWire) / double(stSetting.llScale));
        return QString::number(llWire / stSetting.llScale);
    }
    case ClSettingType::Choice: {
        const ClSettingChoice* pstChoice = choiceOfCode(stSetting, clValue.toLongLong());
        return pstChoice ? pstChoice->strToken : QString::number(clValue.toLongLong());
    }
    case ClSettingType::ImageSize:
        return sizeToken(clValue.toSize());
    case ClSettingType::Text:
    case ClSettingType::Host:
    case ClSettingType::Mask:
        return clValue.toString();
    case ClSettingType::DayPeriod: {
        const auto stEntry = clValue.value<stScheduleEntry>();
        if (!stEntry.bOn)
            return QStringLiteral("off");
        return stEntry.tmStart.toString(QStringLiteral("HH:mm")) + QLatin1Char('-')
            + stEntry.tmEnd.toString(QStringLiteral("HH:mm"));
    }
    }
    return QString();
}

QVariant ClSettingValue::fromText(const ClSettingDefinition& stSetting, const QString& strText, QString* pstrError)
{
    QString strError;
    QVariant clValue;
    const QString strTrimmed = strText.trimmed();
    switch (stSetting.eType) {
    case ClSettingType::Switch:
        if (strTrimmed == QLatin1String("on") || strTrimmed == QLatin1String("true")
            || strTrimmed == QLatin1String("1"))
            clValue = true;
        else if (strTrimmed == QLatin1String("off") || strTrimmed == QLatin1String("false")
                 || strTrimmed == QLatin1String("0"))
            clValue = false;
        else
            strError = tr("expected on or off");
        break;
    case ClSettingType::Number: {
        bool bNumber = false;
        const qint64 llShown = strTrimmed.toLongLong(&bNumber);
        // A number beyond what scaling can hold is out of range, not a wrapped value.
        if (!bNumber)
            strError = tr("expected a whole number");
        else if ((llShown < stSetting.llMin || llShown > stSetting.llMax) && llShown != stSetting.llDefault)
            strError = tr("out of range (%1)").arg(stSetting.describe());
        else
            clValue = llShown * stSetting.llScale;
        break;
    }
    case ClSettingType::Choice:
    case ClSettingType::ImageSize: {
        const ClSettingChoice* pstChoice = choiceOfToken(stSetting, strTrimmed);
        if (!pstChoice) {
            strError = tr("not one of %1").arg(stSetting.describe());
        } else if (stSetting.eType == ClSettingType::Choice) {
            clValue = pstChoice->llCode;
        } else {
            const QStringList lstSides = pstChoice->strToken.split(QLatin1Char('x'));
            clValue = QSize(lstSides.at(0).toInt(), lstSides.at(1).toInt());
        }
        break;
    }
    case ClSettingType::Text:
    case ClSettingType::Host:
    case ClSettingType::Mask:
        // Texts are taken as written: spaces may belong to an SSID or a key.
        clValue = strText;
        break;
    case ClSettingType::DayPeriod:
        clValue = parseDay(strText, &strError);
        break;
    }
    if (strError.isEmpty() && clValue.isValid())
        strError = check(stSetting, clValue);
    if (pstrError)
        *pstrError = strError;
    return strError.isEmpty() ? clValue : QVariant();
}

QJsonValue ClSettingValue::toJson(const ClSettingDefinition& stSetting, const QVariant& clValue)
{
    switch (stSetting.eType) {
    case ClSettingType::Switch:
        return clValue.toBool();
    case ClSettingType::Number:
        return double(clValue.toLongLong()) / double(stSetting.llScale);
    default:
        return toText(stSetting, clValue);
    }
}

QVariant ClSettingValue::fromJson(const ClSettingDefinition& stSetting, const QJsonValue& clJson, QString* pstrError)
{
    switch (stSetting.eType) {
    case ClSettingType::Switch:
        if (!clJson.isBool()) {
            *pstrError = tr("expected true or false");
            return QVariant();
        }
        return fromText(stSetting, clJson.toBool() ? QStringLiteral("on") : QStringLiteral("off"), pstrError);
    case ClSettingType::Number: {
        const double dValue = clJson.toDouble();
        // Whole numbers only, and within what a 64-bit number holds before it is scaled.
        if (!clJson.isDouble() || dValue != double(qint64(dValue)) || dValue > 9.0e15 || dValue < -9.0e15) {
            *pstrError = tr("expected a whole number");
            return QVariant();
        }
        return fromText(stSetting, QString::number(qint64(dValue)), pstrError);
    }
    default:
        if (!clJson.isString()) {
            *pstrError = tr("expected a text");
            return QVariant();
        }
        return fromText(stSetting, clJson.toString(), pstrError);
    }
}
