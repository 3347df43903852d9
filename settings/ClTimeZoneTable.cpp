#include "ClTimeZoneTable.h"

#include <QCoreApplication>

namespace {
struct stZone
{
    const char* pszName;
    quint32 ulCode;
};

// West to east. GMT+0 to GMT+12 travel as their offset, GMT-1 to GMT-12 as 12 + |offset|.
constexpr stZone aZones[ClTimeZoneTable::lCount] = {
    {QT_TRANSLATE_NOOP("QObject", "Eniwetok/Kwajalein\nGMT-12:00"), 24},
    {QT_TRANSLATE_NOOP("QObject", "Midway Island/Samoa\nGMT-11:00"), 23},
    {QT_TRANSLATE_NOOP("QObject", "Hawaii\nGMT-10:00"), 22},
    {QT_TRANSLATE_NOOP("QObject", "Alaska\nGMT-9:00"), 21},
    {QT_TRANSLATE_NOOP("QObject", "Pacific STD Time\nGMT-8:00"), 20},
    {QT_TRANSLATE_NOOP("QObject", "Mountain STD Time\nGMT-7:00"), 19},
    {QT_TRANSLATE_NOOP("QObject", "Central STD Time\nGMT-6:00"), 18},
    {QT_TRANSLATE_NOOP("QObject", "Eastern STD Time\nGMT-5:00"), 17},
    {QT_TRANSLATE_NOOP("QObject", "Atlantic STD Time\nGMT-4:00"), 16},
    {QT_TRANSLATE_NOOP("QObject", "Brasilia/Buenos Aires\nGMT-3:00"), 15},
    {QT_TRANSLATE_NOOP("QObject", "Central Atlantic\nGMT-2:00"), 14},
    {QT_TRANSLATE_NOOP("QObject", "Azores Islands\nGMT-1:00"), 13},
    {QT_TRANSLATE_NOOP("QObject", "London/Lisbon\nGMT+0:00"), 0},
    {QT_TRANSLATE_NOOP("QObject", "Paris/Berlin/Rome\nGMT+1:00"), 1},
    {QT_TRANSLATE_NOOP("QObject", "Athens/Cairo/Helsink\nGMT+2:00"), 2},
    {QT_TRANSLATE_NOOP("QObject", "Moscow/Baghdad\nGMT+3:00"), 3},
    {QT_TRANSLATE_NOOP("QObject", "Abu Dhabi\nGMT+4:00"), 4},
    {QT_TRANSLATE_NOOP("QObject", "Islamabad/Karachi\nGMT+5:00"), 5},
    {QT_TRANSLATE_NOOP("QObject", "Dhaka/Novosibirsk\nGMT+6:00"), 6},
    {QT_TRANSLATE_NOOP("QObject", "Bangkok/Hanoi\nGMT+7:00"), 7},
    {QT_TRANSLATE_NOOP("QObject", "Beijing/Singapore\nGMT+8:00"), 8},
    {QT_TRANSLATE_NOOP("QObject", "Tokyo/Seoul/Yakutsk\nGMT+9:00"), 9},
    {QT_TRANSLATE_NOOP("QObject", "Melbourne/Vladivostok\nGMT+10:00"), 10},
    {QT_TRANSLATE_NOOP("QObject", "New Caledonia\nGMT+11:00"), 11},
    {QT_TRANSLATE_NOOP("QObject", "Auckland/Fiji\nGMT+12:00"), 12},
};
}  // namespace

int ClTimeZoneTable::codeOf(int lIndex)
{
    if (lIndex < 0 || lIndex >= lCount)
        return -1;
    return int(aZones[lIndex].ulCode);
}

int ClTimeZoneTable::indexOf(quint32 ulCode)
{
    for (int i = 0; i < lCount; ++i) {
        if (aZones[i].ulCode == ulCode)
            return i;
    }
    return -1;
}

QString ClTimeZoneTable::token(int lIndex)
{
    if (lIndex < 0 || lIndex >= lCount)
        return QString();
    const QString strName = QLatin1String(aZones[lIndex].pszName);
    return strName.mid(strName.indexOf(QLatin1Char('\n')) + 1);
}

QString ClTimeZoneTable::name(int lIndex)
{
    if (lIndex < 0 || lIndex >= lCount)
        return QString();
    return QCoreApplication::translate("QObject", aZones[lIndex].pszName);
}
