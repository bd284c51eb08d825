// The search for the clock manager's feedback multiplier M (a multiple of 1/8) and input
// divider D. The search prefers the smallest divider and, for it, the highest VCO frequency
// not above 1200 MHz, stepping M down by 1/8 while the VCO stays at or above 600 MHz; a
// solution makes every requested output an exact 1/8 step of the VCO frequency.
#pragma once

#include <array>
#include <cstdint>
#include <optional>

namespace clockcore {

// The clock manager limits the search keeps to (frequencies in MHz).
inline constexpr double kMinInputFrequency = 10;
inline constexpr double kMaxInputFrequency = 800;
inline constexpr double kMaxPhaseDetectorFrequency = 450;
inline constexpr double kMinPhaseDetectorFrequency = 10;
inline constexpr double kMinVcoFrequency = 600;
inline constexpr double kMaxVcoFrequency = 1200;
inline constexpr double kMinMultiply = 2;
inline constexpr double kMaxMultiply = 64;
inline constexpr double kMultiplyStep = 0.125;
inline constexpr std::int32_t kMaxDivide = 106;

// The seven output frequencies checked: letters A to G (E, F and G are the input frequency).
inline constexpr std::size_t kCheckedOutputCount = 7;
using TCheckedFrequencies = std::array<double, kCheckedOutputCount>;

struct TMmcmParameters {
  double Multiply = 0;     // M
  std::int32_t Divide = 0;  // D
  bool operator==(const TMmcmParameters&) const = default;
};

// The VCO frequency fin x M / D, rounded to 64 bits.
double VcoFrequency(double inputFrequency, double multiply, std::int32_t divide);

// True when `frequency` is a whole 1/8 step of `vco`: vco / frequency x 8, rounded to 64 bits,
// is a positive whole number. A frequency that is not positive and finite never fits.
bool IsWholeEighthStep(double vco, double frequency);

// M and D for the input frequency and the requested output frequencies, or none.
std::optional<TMmcmParameters> FindMmcmParameters(double inputFrequency, const TCheckedFrequencies& frequencies);

// True when `ratio` equals i / j for some i in 2..64 and j in 1..106 within 1e-7.
bool IsAchievableRatio(double ratio);

}  // namespace clockcore
