#pragma once
// The words a user is shown for a failed command, by its result code. Every code not
// listed, the transport codes of the PC side included, is an unknown error.
#include <QString>

class ClResultText
{
public:
    // Translated in the context "QObject".
    static QString text(quint16 usResult);
};
