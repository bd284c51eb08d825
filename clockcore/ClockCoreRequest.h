// What a target core asks for, read from the host once before the netlist is written: the
// input clock, the four outputs A-D with their numbering, and the names the netlist uses.
#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "clockcore/ClockWizardObjects.h"
#include "clockcore/MmcmParameterSearch.h"

namespace clockcore {

inline constexpr std::size_t kOutputCount = 4;  // letters A, B, C, D

struct TClockCoreOutput {
  char Letter = 'A';
  std::int32_t Mode = eClockOutputMode_Divide;
  double Value = 1;       // the divider, multiplier or phase in degrees, as the mode says
  bool Used = false;
  double Frequency = 0;   // MHz
  std::string Number;     // the output's own number: GetOutputName(letter)
  std::string PortNumber; // the clock-manager port that drives it: GetOutputName(letter - 1)
};

struct TClockCoreRequest {
  double InputFrequency = 0;  // MHz
  std::array<TClockCoreOutput, kOutputCount> Outputs;
  std::string CoreName;
  std::string LibraryName;
  std::string PrimitiveName;
  std::string CommandLine;

  // The frequencies the parameter search checks: A-D, then the input frequency for E, F, G.
  TCheckedFrequencies CheckedFrequencies() const;
};

// The frequency of an output: fin / value when dividing, fin x value when multiplying, else fin.
double OutputFrequency(double inputFrequency, std::int32_t mode, double value);

// Asks the target core for everything the netlist needs.
TClockCoreRequest ReadClockCoreRequest(const TTargetCore& core);

}  // namespace clockcore
