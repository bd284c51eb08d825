#include "clockcore/ClockCoreNumberFormat.h"

#include <charconv>
#include <cmath>
#include <cstdlib>

#include "platform/Text.h"

namespace clockcore {

std::string FormatGeneral(double value) { return text::FormatGeneral(value, 15); }

namespace {

// The shortest decimal digits that read back as `magnitude` (> 0), and the power of ten of
// the first digit: magnitude = d0.d1d2... x 10^exponent.
void ShortestDigits(double magnitude, std::string& digits, int& exponent) {
  char buffer[64];
  const auto [end, ec] = std::to_chars(buffer, buffer + sizeof buffer, magnitude, std::chars_format::scientific);
  (void)ec;
  const std::string sci(buffer, end);
  const auto e = sci.find('e');
  exponent = std::atoi(sci.c_str() + e + 1);
  digits.clear();
  for (std::size_t i = 0; i < e; ++i)
    if (sci[i] != '.') digits.push_back(sci[i]);
}

// Adds one unit in the last place of a decimal digit string (may grow it by one digit).
void IncrementDigits(std::string& digits) {
  for (std::size_t i = digits.size(); i-- > 0;) {
    if (digits[i] != '9') {
      ++digits[i];
      return;
    }
    digits[i] = '0';
  }
  digits.insert(digits.begin(), '1');
}

}  // namespace

std::string FormatFixed(double value, int decimals) {
  if (std::isnan(value)) return "NAN";
  if (std::isinf(value)) return value > 0 ? "INF" : "-INF";
  std::string scaled;  // the value times 10^decimals, rounded, as decimal digits
  if (value != 0) {
    std::string digits;
    int exponent = 0;
    ShortestDigits(std::fabs(value), digits, exponent);
    // Digit i has the weight 10^(exponent - i); keep those of weight 10^-decimals and above.
    const long keep = static_cast<long>(exponent) + decimals + 1;
    if (keep > 0) {
      const auto kept = static_cast<std::size_t>(keep);
      scaled = digits.substr(0, kept);
      if (scaled.size() < kept) scaled.append(kept - scaled.size(), '0');
      if (kept < digits.size() && digits[kept] >= '5') IncrementDigits(scaled);
    } else if (keep == 0 && digits[0] >= '5') {
      scaled.push_back('1');  // scaled is empty here
    }
  }
  const auto fraction = static_cast<std::size_t>(decimals);
  const bool zero = scaled.find_first_not_of('0') == std::string::npos;
  std::string out;
  if (value < 0 && !zero) out.push_back('-');
  // At least one digit before the point, and `decimals` digits after it.
  const std::size_t padding = scaled.size() < fraction + 1 ? fraction + 1 - scaled.size() : 0;
  const std::size_t integerDigits = padding + scaled.size() - fraction;
  for (std::size_t i = 0; i < padding + scaled.size(); ++i) {
    if (i == integerDigits) out.push_back('.');
    out.push_back(i < padding ? '0' : scaled[i - padding]);
  }
  return out;
}

std::string FormatTimeStamp(const std::tm& local) {
  return text::FormatInt(local.tm_year + 1900) + " " + text::FormatInt(local.tm_mon + 1) + " " +
         text::FormatInt(local.tm_mday) + " " + text::FormatInt(local.tm_hour) + " " +
         text::FormatInt(local.tm_min) + " " + text::FormatInt(local.tm_sec);
}

std::string CurrentTimeStamp() {
  const std::time_t now = std::time(nullptr);
  // Calls arrive one at a time on the host's thread, so the shared result is safe to read.
  const std::tm* local = std::localtime(&now);
  return local != nullptr ? FormatTimeStamp(*local) : std::string("1970 1 1 0 0 0");
}

}  // namespace clockcore
