#include "ClPageHost.h"

ClPageHost::ClPageHost(QWidget* parent) : ClWidgetBase(parent) {}

void ClPageHost::slotSendCommand(PV_CMD clCommand)
{
    Q_EMIT sigSendCommand(clCommand);
}
