#pragma once
// The proxy of the update connection settings file as the user sets it: whether it is in
// use, its type (ClProxyType numbers), host and port, and the credentials in clear text.
#include "ClProxyType.h"

#include <QString>

struct stProxySettings
{
    bool bUse = false;
    qint32 lType = qint32(ClProxyType::Http);
    QString strHost;
    quint16 usPort = 3128;
    bool bAuthUse = false;
    QString strUser;
    QString strPassword;

    bool operator==(const stProxySettings& st) const
    {
        return bUse == st.bUse && lType == st.lType && strHost == st.strHost && usPort == st.usPort
            && bAuthUse == st.bAuthUse && strUser == st.strUser && strPassword == st.strPassword;
    }
};
