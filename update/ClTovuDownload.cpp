#include "ClTovuDownload.h"

#include <QWidget>

ClTovuDownload::ClTovuDownload(QWidget* parent) : QObject(parent) {}

void ClTovuDownload::stop()
{
    Q_EMIT sigEndUpdate();
}

void ClTovuDownload::start(QStringList)
{
    // Nothing to fetch from: the run ends at once.
    Q_EMIT sigEndUpdate();
}

void ClTovuDownload::slotReceiveCommand(PV_CMD) {}
