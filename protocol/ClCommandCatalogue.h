#pragma once
// Every command the worker can execute, generated from the command table: class name,
// wire code, how it is exchanged, its kinds and how to build it from an envelope and
// answer from it. The worker dispatches through findByRequest(). Code names kinds by
// type (TypedKinds.h); the lookups by name serve tables that list classes as text.
#include <QUuid>
#include <QVector>
#include <memory>

#include "ClExchange.h"
#include "ClTovuCommand.h"
#include "PvCmd.h"

struct ClCommandEntry
{
    const char* pszClassName;
    quint16 usCode;
    ClExchange eExchange;
    QUuid uuidRequest;
    QUuid uuidReply;  // null: the command is answered with a result reply only
    // Reads the arguments from "PARAM2" on; never null.
    std::unique_ptr<ClTovuCommand> (*pfnBuild)(const PV_CMD& clRequest);
    // Writes the values of a command whose exchange succeeded into the received envelope
    // (the worker then sets "CMD" to uuidReply). Returns 0, or a result code that replaces
    // the value reply with a result reply (0xEF04: a picture that does not decode).
    // Never null; a command without reply kind writes nothing and returns 0.
    quint16 (*pfnWriteReply)(const ClTovuCommand& clCommand, PV_CMD& clReply);
    // Which camera models and firmware windows support the command (ClAvailability bits).
    quint8 ucAvailability;
};

class ClCommandCatalogue
{
public:
    static const QVector<ClCommandEntry>& entries();
    static const ClCommandEntry* findByRequest(const QUuid& uuidRequest);
    static const ClCommandEntry* findByClass(const char* pszClassName);

    // Kinds by class name; a null QUuid for a name that is not in the catalogue (and,
    // for replyKind(), for a command that answers with a result reply only).
    static QUuid requestKindOf(const char* pszClassName);
    static QUuid replyKindOf(const char* pszClassName);
};
