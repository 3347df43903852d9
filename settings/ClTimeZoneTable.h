#pragma once
// The camera's 25 time zones: the order the combo box lists them in, their names and the
// code each one travels as. One table; the index-to-code and code-to-index mappings are
// both read from it, so they cannot disagree.
#include <QString>
#include <QtGlobal>

class ClTimeZoneTable
{
public:
    static constexpr int lCount = 25;

    // The code of combo entry lIndex; -1 for an index outside the table.
    static int codeOf(int lIndex);
    // The combo entry of a wire code; -1 for a code the table does not know, so that a
    // camera answering nonsense selects nothing rather than a wrong zone.
    static int indexOf(quint32 ulCode);
    // The translated two-line name of entry lIndex (context "QObject").
    static QString name(int lIndex);
    // The untranslated offset of entry lIndex, as "GMT+9:00": how the command line and
    // profiles name a zone. Empty for an index outside the table.
    static QString token(int lIndex);
};
