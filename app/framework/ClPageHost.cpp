#include "ClPageHost.h"

ClPageHost::ClPageHost(QWidget* parent) : QWidget(parent) {}

void ClPageHost::slotSendCommand(PV_CMD clCommand)
{
    Q_EMIT sigSendCommand(clCommand);
}
