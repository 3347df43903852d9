#pragma once
// Command kinds named by the command's class, so that a misspelt command does not
// compile: requestKind<ClTovuCommandGetTime>(), replyKind<ClTovuCommandGetTime>().
// Asking the reply kind of a command that answers with a completion only does not
// compile either.
#include "ClCommandKinds.h"
#include "ClTovuCommands.h"

template <class Command> QUuid requestKind()
{
    static const QUuid uuidKind = ClCommandKinds::request(Command::pszClassName);
    return uuidKind;
}

template <class Command> QUuid replyKind()
{
    static_assert(Command::bHasReply, "this command answers with a completion only; it has no reply kind");
    static const QUuid uuidKind = ClCommandKinds::reply(Command::pszClassName);
    return uuidKind;
}
