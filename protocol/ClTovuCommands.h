#pragma once
// Every command class of the catalogue. Those with a shape of their own are written in
// files of their own; the others are generated here from the rows of CommandTable.def,
// each a distinct final class deriving from its pattern base. Every class constructs
// from a request envelope (arguments read from "PARAM2" on) and names itself through
// pszClassName and usCommandCode.
#include "ClCommandPatterns.h"
#include "ClTovuCommandConnectWifi.h"
#include "ClTovuCommandGetAccesspointList.h"
#include "ClTovuCommandGetCountry.h"
#include "ClTovuCommandGetGpsInfo.h"
#include "ClTovuCommandGetScheDayTime.h"
#include "ClTovuCommandGetScheSetting.h"
#include "ClTovuCommandGetStreamAuthorizationPassword.h"
#include "ClTovuCommandGetTime.h"
#include "ClTovuCommandGetWifiInfo.h"
#include "ClTovuCommandMfgAcc.h"
#include "ClTovuCommandMfgTx.h"
#include "ClTovuCommandSetCountry.h"
#include "ClTovuCommandSetCreateDay.h"
#include "ClTovuCommandSetScheDayTime.h"
#include "ClTovuCommandSetScheSetting.h"
#include "ClTovuCommandSetStreamAuthorizationPassword.h"
#include "ClTovuCommandSetTime.h"

#define TOVU_COMMAND(Class, Code, Pattern, Availability)                                                               \
    class Class final : public Pattern                                                                                 \
    {                                                                                                                  \
    public:                                                                                                            \
        static constexpr const char* pszClassName = #Class;                                                            \
        static constexpr quint16 usCommandCode = Code;                                                                 \
        explicit Class(const PV_CMD& clRequest = PV_CMD()) : Pattern(usCommandCode, clRequest) {}                      \
    };
#include "CommandTable.def"
