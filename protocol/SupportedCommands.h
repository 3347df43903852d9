#pragma once
// The command kinds a camera of this model and firmware version supports; pages test a
// control's request kind with contains(). Models other than 0, 1 and 2 (-1: unknown
// camera) support nothing.
#include <QList>
#include <QString>
#include <QUuid>

QList<QUuid> supportedCommands(int lModel, const QString& strVersion);
