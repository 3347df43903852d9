#include "ClPageHost.h"

#include "ClWidgetBase.h"
#include "protocol/ClEnvelope.h"

ClPageHost::ClPageHost(QWidget* parent) : QWidget(parent) {}

void ClPageHost::slotSendCommand(PV_CMD clCommand)
{
    Q_EMIT sigSendCommand(clCommand);
}

void ClPageHost::slotDeliverCommand(PV_CMD clCommand)
{
    if (ClWidgetBase* pclPage = ClWidgetBase::livePage(ClEnvelope::sender(clCommand))) {
        pclPage->slotReceiveCommand(clCommand);
        return;
    }
    Q_EMIT sigReceiveCommand(clCommand);
}

void ClPageHost::forgetCommandsInFlight()
{
    ClWidgetBase::forgetCommandsInFlightOfAllPages();
}
