// The search for the clock manager's M and D: the named cases, and a grid of input
// frequencies and output ratios whose every answer is held against the MMCME2 limits and the
// preference order (smallest D, then the highest M), checked by exhaustive enumeration.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <optional>
#include <sstream>

#include "clockcore/ClockCoreRequest.h"
#include "clockcore/MmcmParameterSearch.h"

namespace {

using clockcore::FindMmcmParameters;
using clockcore::TCheckedFrequencies;
using clockcore::TMmcmParameters;

constexpr std::int32_t kDivide = 1;
constexpr std::int32_t kMultiply = 2;

struct TRatio {
  std::int32_t Mode;
  double Value;
};

// The seven checked frequencies for outputs A-D given as ratios of the input (E-G are fin).
TCheckedFrequencies Frequencies(double fin, const std::vector<TRatio>& ratios) {
  TCheckedFrequencies f;
  f.fill(fin);
  for (std::size_t i = 0; i < ratios.size(); ++i) f[i] = clockcore::OutputFrequency(fin, ratios[i].Mode, ratios[i].Value);
  return f;
}

std::string Describe(double fin, const std::vector<TRatio>& ratios) {
  std::ostringstream out;
  out << fin << " MHz in";
  for (const TRatio& r : ratios) out << (r.Mode == kDivide ? " /" : " *") << r.Value;
  return out.str();
}

TEST(MmcmParameterSearch, HundredMegahertzWithOneQuarterOutputUsesTheTopVco) {
  const auto found = FindMmcmParameters(100, Frequencies(100, {{kDivide, 4}, {kMultiply, 1}, {kMultiply, 1}, {kMultiply, 1}}));
  ASSERT_TRUE(found);
  EXPECT_EQ(*found, (TMmcmParameters{12, 1}));
  EXPECT_EQ(clockcore::VcoFrequency(100, found->Multiply, found->Divide), 1200);
}

TEST(MmcmParameterSearch, TwelveMegahertzStartsAtTheHighestMultiplier) {
  // 1200 / 12 = 100 is above the multiplier's range, so the first multiplier tried is 64
  // (VCO 768 MHz); with every output at the input frequency that first one fits.
  const auto found = FindMmcmParameters(12, Frequencies(12, {}));
  ASSERT_TRUE(found);
  EXPECT_EQ(*found, (TMmcmParameters{64, 1}));
  EXPECT_EQ(clockcore::VcoFrequency(12, 64, 1), 768);
}

TEST(MmcmParameterSearch, InputsOutsideTenToEightHundredMegahertzHaveNoSolution) {
  for (double fin : {5.0, 9.999, 800.001, 900.0, 0.0, -100.0, std::numeric_limits<double>::quiet_NaN(),
                     std::numeric_limits<double>::infinity()})
    EXPECT_FALSE(FindMmcmParameters(fin, Frequencies(fin, {}))) << fin;
  EXPECT_TRUE(FindMmcmParameters(10, Frequencies(10, {})));
  EXPECT_TRUE(FindMmcmParameters(800, Frequencies(800, {})));
}

TEST(MmcmParameterSearch, OutputsThatAreNoPositiveFrequencyNeverFit) {
  // Dividing by zero gives an infinite frequency, multiplying by zero none at all, a negative
  // value a negative one: none of them may yield a divide ratio.
  for (const TRatio& bad : {TRatio{kDivide, 0}, TRatio{kMultiply, 0}, TRatio{kDivide, -4}, TRatio{kMultiply, -1},
                            TRatio{kDivide, std::numeric_limits<double>::quiet_NaN()}})
    EXPECT_FALSE(FindMmcmParameters(100, Frequencies(100, {bad}))) << Describe(100, {bad});
}

TEST(MmcmParameterSearch, WholeEighthStepIsExact) {
  EXPECT_TRUE(clockcore::IsWholeEighthStep(1200, 25));    // 384 steps
  EXPECT_TRUE(clockcore::IsWholeEighthStep(1000, 8000));  // exactly one step
  EXPECT_FALSE(clockcore::IsWholeEighthStep(1000, 9000));
  EXPECT_FALSE(clockcore::IsWholeEighthStep(1200, 7));
  EXPECT_FALSE(clockcore::IsWholeEighthStep(1200, 0));
  EXPECT_FALSE(clockcore::IsWholeEighthStep(1200, -25));
}

TEST(MmcmParameterSearch, AchievableRatiosAreMultipliersTwoToSixtyFourOverDividersUpTo106) {
  struct TCase {
    double Ratio;
    bool Achievable;
  };
  const TCase cases[] = {
      {10, true},      {2, true},          {64, true},        {64.0 / 106, true}, {2.0 / 106, true},
      {1, true},       {7.0 / 3, true},    {65, false},       {2.0 / 107, false}, {0, false},
      {-2, false},     {10.0000001, true}, {10.000001, false}, {std::numeric_limits<double>::infinity(), false},
      {std::numeric_limits<double>::quiet_NaN(), false},
  };
  for (const auto& c : cases) EXPECT_EQ(clockcore::IsAchievableRatio(c.Ratio), c.Achievable) << c.Ratio;
}

// ---- the grid ----

// Every (M, D) inside the MMCME2 limits for which all outputs fit, best first by preference:
// the answer of the search must be the first one, and there must be none when it finds none.
std::optional<TMmcmParameters> BestByEnumeration(double fin, const TCheckedFrequencies& f) {
  for (std::int32_t d = 1; d <= 106; ++d) {
    const double pfd = fin / d;
    if (pfd > 450 || pfd < 10) continue;
    for (int m8 = 64 * 8; m8 >= 2 * 8; --m8) {
      const double m = m8 / 8.0;
      const double vco = fin * m / d;
      if (vco > 1200 || vco < 600) continue;
      bool fits = true;
      for (double out : f) {
        const double steps = vco / out * 8;
        fits = fits && out > 0 && steps >= 1 && steps == std::floor(steps);
      }
      if (fits) return TMmcmParameters{m, d};
    }
  }
  return std::nullopt;
}

void ExpectWithinLimits(double fin, const TMmcmParameters& p, const TCheckedFrequencies& f, const std::string& what) {
  EXPECT_GE(p.Divide, 1) << what;
  EXPECT_LE(p.Divide, 106) << what;
  EXPECT_GE(p.Multiply, 2) << what;
  EXPECT_LE(p.Multiply, 64) << what;
  EXPECT_EQ(p.Multiply * 8, std::floor(p.Multiply * 8)) << what << ": M is not a multiple of 1/8";
  const double vco = fin * p.Multiply / p.Divide;
  EXPECT_GE(vco, 600) << what;
  EXPECT_LE(vco, 1200) << what;
  EXPECT_LE(fin / p.Divide, 450) << what;
  EXPECT_GE(fin / p.Divide, 10) << what;
  for (double out : f) {
    const double steps = vco / out * 8;
    EXPECT_EQ(steps, std::floor(steps)) << what << ": output " << out << " MHz is no whole 1/8 step of the VCO";
  }
}

TEST(MmcmParameterSearch, GridOfInputsAndRatiosMeetsTheLimitsAndThePreferenceOrder) {
  const double inputs[] = {10,  10.5, 12,  14.318, 19.44, 20,  24,  25,  27,  30,    33.333, 40,  48,
                           50,  54,   60,  66.666, 74.25, 75,  80,  100, 106.25, 125, 133.33, 148.5, 150,
                           156.25, 200, 250, 300, 333.333, 400, 449, 450, 451, 500, 600, 622.08, 700, 799.9, 800};
  const std::vector<std::vector<TRatio>> ratioSets = {
      {},
      {{kDivide, 2}},
      {{kDivide, 4}, {kMultiply, 1}, {kMultiply, 1}, {kMultiply, 1}},
      {{kMultiply, 2}, {kDivide, 3}},
      {{kDivide, 3}, {kDivide, 5}, {kMultiply, 3}, {kDivide, 7}},
      {{kMultiply, 1.5}},
      {{kDivide, 2.5}, {kMultiply, 1.25}},
      {{kMultiply, 8}},
      {{kDivide, 10}, {kDivide, 100}},
      {{kMultiply, 4}, {kDivide, 9}, {kMultiply, 1}, {kDivide, 11}},
      {{kDivide, 1.1}},
  };
  std::size_t solved = 0;
  std::size_t unsolved = 0;
  for (double fin : inputs) {
    for (const auto& ratios : ratioSets) {
      const std::string what = Describe(fin, ratios);
      const TCheckedFrequencies f = Frequencies(fin, ratios);
      const auto found = FindMmcmParameters(fin, f);
      const auto best = BestByEnumeration(fin, f);
      if (found) {
        ++solved;
        ExpectWithinLimits(fin, *found, f, what);
      } else {
        ++unsolved;
      }
      ASSERT_EQ(found.has_value(), best.has_value()) << what;
      if (found) {
        EXPECT_EQ(*found, *best) << what << ": found M " << found->Multiply << " D " << found->Divide
                                 << ", preferred M " << best->Multiply << " D " << best->Divide;
      }
    }
  }
  // The grid must exercise both outcomes, or it shows nothing.
  EXPECT_GT(solved, 0u);
  EXPECT_GT(unsolved, 0u);
}

}  // namespace
