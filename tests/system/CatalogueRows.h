#pragma once
// One row per command of the catalogue for the table-driven worker test: the arguments a
// page would send, the request the camera must receive, and the answer the page must get.
#include "PvCmd.h"

#include <QByteArray>
#include <QHash>
#include <QList>
#include <QMetaType>
#include <QVariant>

#include <functional>

class ClVirtualCamera;

struct CatalogueRow
{
    // One value of the reply: its type and, unless bAny, its value.
    struct Expect
    {
        QMetaType clType;
        QVariant clValue;
        bool bAny = false;
    };

    PV_CMD clArgs;
    QList<quint32> lstRequest;       // param1... of the request packet; the rest must be 0
    bool bCheckParams = true;        // false for text packets, whose layout is checked instead
    QByteArray clText;               // the text of a text request (first text of a join)
    QByteArray clSecondText;
    QByteArray clData;               // the block sent after a data-send command
    int lRequestLength = 32;         // -1: not checked
    QList<Expect> lstReply;          // empty: a result reply is expected
    quint16 usStatus = 0;
    std::function<void(ClVirtualCamera&)> fnPrepare;
    std::function<void(const PV_CMD&)> fnCheck;

    CatalogueRow& prepare(std::function<void(ClVirtualCamera&)> fn)
    {
        fnPrepare = std::move(fn);
        return *this;
    }
    CatalogueRow& check(std::function<void(const PV_CMD&)> fn)
    {
        fnCheck = std::move(fn);
        return *this;
    }
    CatalogueRow& status(quint16 usCode)
    {
        usStatus = usCode;
        return *this;
    }
};

// The rows, by class name.
QHash<QByteArray, CatalogueRow> catalogueRows();
