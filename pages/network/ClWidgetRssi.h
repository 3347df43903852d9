#pragma once
// The signal bars of an access-point row. The camera reports the strength as a positive
// number (42 for -42 dBm): 65 or less is the strongest level, 66 to 80 the middle one,
// above 80 the weakest. A value no radio reports (0, or above 120) shows no bars.
#include <QLabel>

class ClWidgetRssi : public QLabel
{
    Q_OBJECT

public:
    explicit ClWidgetRssi(quint32 ulSignal, QWidget* parent = nullptr);

    // 3 strongest ... 1 weakest, 0 for a value out of range.
    static int levelFor(quint32 ulSignal);
    int level() const { return lLevel; }

private:
    int lLevel = 0;
};
