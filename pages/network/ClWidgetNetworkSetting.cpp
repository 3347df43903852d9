#include "ClWidgetNetworkSetting.h"

#include "ClWidgetAdvance.h"
#include "ClWidgetNetwork.h"

ClWidgetNetworkSetting::ClWidgetNetworkSetting(QWidget* parent) : ClListWidgetBase(parent)
{
    setObjectName(QStringLiteral("pageNetwork"));
    addPage(new ClWidgetNetwork, QStringLiteral(":/network/net_sym_net_b"), tr("Network"), 0);
    addPage(new ClWidgetAdvance, QStringLiteral(":/network/net_sym_ad_b"), tr("Advance"), 1);
}
