#pragma once
// Supported command kinds of camera model 0, the standard model: two firmware windows with lists of their own.
#include "AbstListGen.h"

class ClNeoListGen : public AbstListGen
{
public:
    QList<QUuid> createList(const QString& strVersion) const override;
    QString windowBound(int lIndex) const override;
};
