// The number texts of the clock-core generators. All use '.' as the decimal separator,
// whatever the user's locale.
#pragma once

#include <ctime>
#include <string>

namespace clockcore {

// General format: rounded to 15 significant digits, no trailing zeros or trailing point,
// no exponent from 0.00001 up to below 1e15 (10.125 -> "10.125", 8.0 -> "8",
// 1000 / 120 -> "8.33333333333333").
std::string FormatGeneral(double value);

// A fixed pattern with `decimals` digits after the point: "0.0000" is 4, "##0", "###0" and
// "####" are 0. Halves round away from zero on the shortest decimal text of the value
// (2.5 -> "3"); a result of zero carries no sign.
std::string FormatFixed(double value, int decimals);

// The netlist time stamp "yyyy m d h m s" of a local time: six numbers without leading zeros.
std::string FormatTimeStamp(const std::tm& local);
// The time stamp of the current local date and time.
std::string CurrentTimeStamp();

}  // namespace clockcore
