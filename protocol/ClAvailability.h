#pragma once
// Which camera models and firmware windows support a command kind: one bit per model
// and window, combined into the sets the command table uses.
#include <QtGlobal>

namespace ClAvailability {
constexpr quint8 Model0Early = 0x01;  // model 0, firmware 01.03.023 up to 01.03.025
constexpr quint8 Model0Late = 0x02;   // model 0, firmware 01.03.025 and later
constexpr quint8 Model1 = 0x04;       // model 1, firmware 01.00.011 and later
constexpr quint8 Model2 = 0x08;       // model 2, firmware 00.00.001 and later

constexpr quint8 Model0 = Model0Early | Model0Late;
constexpr quint8 All = Model0 | Model1 | Model2;
constexpr quint8 Models01 = Model0 | Model1;
constexpr quint8 Models12 = Model1 | Model2;
constexpr quint8 Late0Models12 = Model0Late | Model1 | Model2;
constexpr quint8 Models02 = Model0 | Model2;
}  // namespace ClAvailability
