// The number texts written into netlists and templates: general format with 15 significant
// digits and the fixed patterns, all with '.' whatever the locale.
#include <gtest/gtest.h>

#include <clocale>
#include <cmath>
#include <limits>

#include "clockcore/ClockCoreNumberFormat.h"

namespace {

using clockcore::FormatFixed;
using clockcore::FormatGeneral;

struct TGeneralCase {
  double Value;
  const char* Text;
};

TEST(ClockCoreNumberFormat, GeneralFormatRoundsTo15DigitsWithoutExponentInItsRange) {
  const TGeneralCase cases[] = {
      {10.125, "10.125"},
      {8.0, "8"},
      {1000.0 / 120, "8.33333333333333"},
      {1000.0 / 33.333, "30.000300003"},  // 30.0003000030000 to 15 digits, trailing zeros dropped
      {12, "12"},
      {0.5, "0.5"},
      {0.00001, "0.00001"},
      {1e13, "10000000000000"},
      {999999999999999.0, "999999999999999"},
      {-45.5, "-45.5"},
      {0.0, "0"},
      {-0.0, "0"},
  };
  for (const auto& c : cases) EXPECT_EQ(FormatGeneral(c.Value), c.Text) << c.Value;
}

TEST(ClockCoreNumberFormat, FixedPatternsRoundHalvesAwayFromZero) {
  struct TFixedCase {
    double Value;
    int Decimals;
    const char* Text;
  };
  const TFixedCase cases[] = {
      {1e9 / (33.333 * 1e6), 4, "30.0003"},
      {1e9 / (100 * 1e6), 4, "10.0000"},
      {0, 4, "0.0000"},
      {2.5, 0, "3"},
      {-2.5, 0, "-3"},
      {3.49, 0, "3"},
      {45, 0, "45"},
      {0.4, 0, "0"},
      {-0.2, 0, "0"},  // no "-0"
      {9.99995, 4, "10.0000"},
      {0.00004, 4, "0.0000"},
      {0.00005, 4, "0.0001"},
      {1234567.0, 0, "1234567"},
      {1.5, 4, "1.5000"},
  };
  for (const auto& c : cases) EXPECT_EQ(FormatFixed(c.Value, c.Decimals), c.Text) << c.Value << " / " << c.Decimals;
}

TEST(ClockCoreNumberFormat, NonFiniteValuesDoNotBreakTheFormats) {
  EXPECT_EQ(FormatFixed(std::numeric_limits<double>::infinity(), 4), "INF");
  EXPECT_EQ(FormatFixed(-std::numeric_limits<double>::infinity(), 0), "-INF");
  EXPECT_EQ(FormatFixed(std::nan(""), 0), "NAN");
}

TEST(ClockCoreNumberFormat, DecimalSeparatorIgnoresTheLocale) {
  // A locale with a decimal comma, where the system has one; the texts must not change.
  const char* previous = std::setlocale(LC_ALL, nullptr);
  const std::string saved = previous != nullptr ? previous : "C";
  if (std::setlocale(LC_ALL, "de_DE.UTF-8") == nullptr) GTEST_SKIP() << "no de_DE.UTF-8 locale on this system";
  EXPECT_EQ(FormatGeneral(10.125), "10.125");
  EXPECT_EQ(FormatFixed(30.00030000300003, 4), "30.0003");
  std::setlocale(LC_ALL, saved.c_str());
}

TEST(ClockCoreNumberFormat, TimeStampIsSixNumbersWithoutLeadingZeros) {
  std::tm local{};
  local.tm_year = 2026 - 1900;
  local.tm_mon = 0;  // January
  local.tm_mday = 5;
  local.tm_hour = 7;
  local.tm_min = 3;
  local.tm_sec = 9;
  EXPECT_EQ(clockcore::FormatTimeStamp(local), "2026 1 5 7 3 9");
  local.tm_mon = 11;
  local.tm_mday = 31;
  local.tm_hour = 23;
  local.tm_min = 59;
  local.tm_sec = 0;
  EXPECT_EQ(clockcore::FormatTimeStamp(local), "2026 12 31 23 59 0");
}

}  // namespace
