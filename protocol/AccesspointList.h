#pragma once
// The access points the camera found, as the access-point list reply carries them in
// "PARAM2" (registered with the meta-type system as "AccesspointList").
#include <QList>
#include <QMetaType>
#include <QString>

struct stAccesspoint
{
    QString strSsid;           // first text of the entry's text packet
    QString strSecondText;     // second text of the entry's text packet
    quint32 ulNumber1 = 0;     // param2 of the entry's number packet
    quint32 ulEncryption = 0;  // param3: the encryption code
    quint32 ulNumber3 = 0;     // param4
    quint32 ulSignal = 0;      // param5: the signal value

    bool operator==(const stAccesspoint& stOther) const
    {
        return strSsid == stOther.strSsid && strSecondText == stOther.strSecondText && ulNumber1 == stOther.ulNumber1
            && ulEncryption == stOther.ulEncryption && ulNumber3 == stOther.ulNumber3 && ulSignal == stOther.ulSignal;
    }
};

typedef QList<stAccesspoint> AccesspointList;

Q_DECLARE_METATYPE(stAccesspoint)
