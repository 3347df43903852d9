#pragma once
// The formats in which the camera writes a date and time as text.
#include <QString>

enum class ClDateText {
    Spaced,  // "yyyy/MM/dd hh:mm:ss": the creation date
    Joined,  // "yyyy/MM/ddThh:mm:ss": the update dates
};

class ClDateTextFormat
{
public:
    static QString format(ClDateText eFormat);
};
