#pragma once
// Supported command kinds of camera model 1, the model with security and maintenance modes.
#include "AbstListGen.h"

class ClSecListGen : public AbstListGen
{
public:
    QList<QUuid> createList(const QString& strVersion) const override;
    QString windowBound(int lIndex) const override;
};
