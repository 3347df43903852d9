#pragma once
// The availability table: for every command kind a model and firmware window may
// support, the four flags of model 0 early and late firmware, model 1 and model 2.
// Built once from the command table, in its order (the order of the generated lists).
#include <QUuid>
#include <QVector>

#include "ClAvailability.h"

class ClCommandAvailability
{
public:
    struct stRecord
    {
        QUuid uuidKind;
        quint8 ucFlags;  // ClAvailability bits

        bool model0Early() const { return ucFlags & ClAvailability::Model0Early; }
        bool model0Late() const { return ucFlags & ClAvailability::Model0Late; }
        bool model1() const { return ucFlags & ClAvailability::Model1; }
        bool model2() const { return ucFlags & ClAvailability::Model2; }
    };

    static const QVector<stRecord>& records();
    // The kinds whose records have the given flag (one ClAvailability bit), in order.
    static QList<QUuid> kindsWith(quint8 ucFlag);
};
