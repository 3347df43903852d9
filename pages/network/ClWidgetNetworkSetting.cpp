#include "ClWidgetNetworkSetting.h"

#include "app/framework/ClWidgetBase.h"

ClWidgetNetworkSetting::ClWidgetNetworkSetting(QWidget* parent) : ClListWidgetBase(parent)
{
    setObjectName(QStringLiteral("pageNetwork"));
    // The rows' pages are empty until their own settings arrive.
    addPage(new ClWidgetBase, QStringLiteral(":/network/net_sym_net_b"), tr("Network"), 0);
    addPage(new ClWidgetBase, QStringLiteral(":/network/net_sym_ad_b"), tr("Advance"), 1);
}
