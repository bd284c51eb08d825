#include "clockcore/MmcmParameterSearch.h"

#include <algorithm>
#include <cmath>

namespace clockcore {

namespace {

// The highest multiplier in 1/8 steps that keeps the VCO at or below its maximum for D.
double TopMultiply(double inputFrequency, std::int32_t divide) {
  return std::trunc(std::min(kMaxMultiply, kMaxVcoFrequency / inputFrequency * divide) * 8) / 8;
}

bool AllOutputsFit(double vco, const TCheckedFrequencies& frequencies) {
  return std::all_of(frequencies.begin(), frequencies.end(),
                     [vco](double frequency) { return IsWholeEighthStep(vco, frequency); });
}

}  // namespace

double VcoFrequency(double inputFrequency, double multiply, std::int32_t divide) {
  const double vco = inputFrequency * multiply / divide;
  return vco;
}

bool IsWholeEighthStep(double vco, double frequency) {
  if (!(frequency > 0) || !std::isfinite(frequency)) return false;
  const double steps = vco / frequency * 8;
  if (!std::isfinite(steps) || steps < 1) return false;
  return steps - std::trunc(steps) <= 1e-17;
}

std::optional<TMmcmParameters> FindMmcmParameters(double fin, const TCheckedFrequencies& frequencies) {
  // Written so that a NaN input fails too.
  if (!(fin >= kMinInputFrequency && fin <= kMaxInputFrequency)) return std::nullopt;
  const auto minDivide = std::max<std::int32_t>(1, static_cast<std::int32_t>(fin / kMaxPhaseDetectorFrequency + 0.99999999));
  const auto maxDivide = std::min<std::int32_t>(kMaxDivide, static_cast<std::int32_t>(fin / kMinPhaseDetectorFrequency));
  const double minMultiply = std::max(kMinMultiply, kMinVcoFrequency / fin * minDivide);
  const double maxMultiply = std::min(kMaxMultiply, kMaxVcoFrequency / fin * maxDivide);

  std::int32_t divide = minDivide;
  double multiply = TopMultiply(fin, divide);
  for (;;) {
    const double vco = VcoFrequency(fin, multiply, divide);
    if (vco >= kMinVcoFrequency && AllOutputsFit(vco, frequencies)) return TMmcmParameters{multiply, divide};
    if (vco >= kMinVcoFrequency && multiply - kMultiplyStep >= minMultiply) {
      multiply -= kMultiplyStep;
    } else {
      ++divide;
      multiply = TopMultiply(fin, divide);
    }
    if (multiply < minMultiply || multiply > maxMultiply || divide > maxDivide) return std::nullopt;
  }
}

bool IsAchievableRatio(double ratio) {
  for (int i = 2; i <= 64; ++i)
    for (int j = 1; j <= kMaxDivide; ++j)
      if (std::fabs(static_cast<double>(i) / j - ratio) <= 0.0000001) return true;
  return false;
}

}  // namespace clockcore
