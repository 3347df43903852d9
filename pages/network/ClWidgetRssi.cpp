#include "ClWidgetRssi.h"

#include <QPixmap>

namespace {
constexpr quint32 ulWeakestReported = 120;
}

ClWidgetRssi::ClWidgetRssi(quint32 ulSignal, QWidget* parent) : QLabel(parent)
{
    setObjectName(QStringLiteral("labelRssi"));
    lLevel = levelFor(ulSignal);
    setPixmap(QPixmap(QStringLiteral(":/img/ap_rssi%1").arg(lLevel)));
    adjustSize();
}

int ClWidgetRssi::levelFor(quint32 ulSignal)
{
    if (ulSignal == 0 || ulSignal > ulWeakestReported)
        return 0;
    if (ulSignal <= 65)
        return 3;
    if (ulSignal <= 80)
        return 2;
    return 1;
}
