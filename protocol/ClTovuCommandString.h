#pragma once
// A command that carries one text in UTF-8 between the head and param3: set commands
// send it (param1 = its length in bytes), get commands receive it. An empty text
// travels as the plain 32-byte packet.
#include <QString>

#include "ClTovuCommand.h"

class ClTovuCommandString : public ClTovuCommand
{
public:
    explicit ClTovuCommandString(quint16 usCode);
    ClTovuCommandString(const QString& strText, quint16 usCode);

    // Head, then the length n into param1; n > 0: n bytes of text (read up to the first
    // zero byte) and param3..param5; n = 0: param2..param5. A length beyond the bytes
    // received yields the text that arrived.
    void fromByteArray(const QByteArray& clBytes) override;
    QByteArray toByteArray() const override;

    QString text() const { return strText; }

protected:
    QString strText;
};
