#pragma once
// The pattern bases the command table builds its classes from: each takes the
// command's code and the request envelope, and states how it is exchanged
// (eExchange) and whether it answers with values (bHasReply).
#include "ClFactoryCheckCommand.h"
#include "ClFixedCommand.h"
#include "ClGetDateTextCommand.h"
#include "ClGetImageSizeCommand.h"
#include "ClGetIpv4Command.h"
#include "ClGetTextCommand.h"
#include "ClReceiveBlockCommand.h"
#include "ClSendBlockCommand.h"
#include "ClSetImageSizeCommand.h"
#include "ClSetIpv4Command.h"
#include "ClSetTextCommand.h"
