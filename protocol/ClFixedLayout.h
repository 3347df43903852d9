#pragma once
// How a fixed-size command maps its envelope onto the five packet parameters and the
// parameters of its response back onto the reply: the value patterns of the catalogue
// as data, so that one command class template serves them all.
#include <QtGlobal>

// "PARAM<n+2>" of the request -> param<n+1> of the packet
enum class ClArg : quint8 {
    Unused,
    Number,         // 32-bit number, sent unchanged
    Switch,         // bool, sent as onOffValue (2 on, 1 off)
    NonZeroSwitch,  // number, non-zero is on; sent as onOffValue
};

// param<n+1> of the response -> the next reply key, from "PARAM2" on
enum class ClValue : quint8 {
    Unused,
    UInt,      // unsigned int
    Int,       // int
    Bool,      // isOn(param)
    WideUInt,  // this parameter times 2^32 plus the next one, as qulonglong
};

struct ClFixedLayout
{
    ClArg aeArgs[5];
    ClValue aeValues[5];

    constexpr bool hasValues() const
    {
        for (ClValue eValue : aeValues) {
            if (eValue != ClValue::Unused)
                return true;
        }
        return false;
    }
};

namespace ClFixedLayouts {
using A = ClArg;
using V = ClValue;

inline constexpr ClFixedLayout exec {};
inline constexpr ClFixedLayout getUnsigned {{}, {V::UInt}};
inline constexpr ClFixedLayout getSigned {{}, {V::Int}};
inline constexpr ClFixedLayout getSwitch {{}, {V::Bool}};
inline constexpr ClFixedLayout setNumber {{A::Number}, {}};
inline constexpr ClFixedLayout setSwitch {{A::Switch}, {}};
inline constexpr ClFixedLayout setNonZeroSwitch {{A::NonZeroSwitch}, {}};

inline constexpr ClFixedLayout getBatteryState {{}, {V::UInt, V::UInt}};
inline constexpr ClFixedLayout getSdInfo {{}, {V::WideUInt, V::Unused, V::WideUInt, V::Unused, V::UInt}};
inline constexpr ClFixedLayout getIntervalTimer {{}, {V::Bool, V::UInt, V::UInt}};
inline constexpr ClFixedLayout setIntervalTimer {{A::Switch, A::Number, A::Number}, {}};
inline constexpr ClFixedLayout getGpsSetting {{}, {V::Bool, V::Bool, V::Bool, V::UInt}};
inline constexpr ClFixedLayout setGpsSetting {{A::Switch, A::Switch, A::Switch, A::Number}, {}};
inline constexpr ClFixedLayout getScheCycle {{}, {V::Int, V::Int, V::Int, V::Bool}};
inline constexpr ClFixedLayout setScheCycle {{A::Number, A::Number, A::Number, A::Switch}, {}};
inline constexpr ClFixedLayout getScheDayMode {{A::Number}, {V::Int, V::Int, V::Bool}};
inline constexpr ClFixedLayout setScheDayMode {{A::Number, A::Number, A::Switch}, {}};
inline constexpr ClFixedLayout getParameter {{A::Number}, {V::Int, V::Int, V::UInt}};
inline constexpr ClFixedLayout setParameter {{A::Number, A::Number, A::Number}, {}};
inline constexpr ClFixedLayout rfTestMode {{A::Number, A::Number, A::Number, A::Number, A::Number}, {}};
}  // namespace ClFixedLayouts
