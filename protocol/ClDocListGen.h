#pragma once
// Supported command kinds of camera model 2, model 2.
#include "AbstListGen.h"

class ClDocListGen : public AbstListGen
{
public:
    QList<QUuid> createList(const QString& strVersion) const override;
    QString windowBound(int lIndex) const override;
};
