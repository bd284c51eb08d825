// The pin tables of the eight Artix-7 pin sets. The rows are generated from the vendor's
// package files by tools/generate_pin_tables.py into DevicePinSet_<pin set>.cpp.
#pragma once

#include <cstdint>
#include <span>
#include <string_view>

#include "devices/DeviceIOStandards.h"
#include "devices/Device_Artix7_Data.h"

// Bit numbers of TPinParameters::Options.
enum TPinOption : std::int32_t {
  ePinOption_IO,
  ePinOption_VREF,
  ePinOption_CLK,
  ePinOption_Special,
  ePinOption_InputOnly,
  ePinOption_DCIP,
  ePinOption_DCIN,
  ePinOption_DiffP,
  ePinOption_DiffN,
  ePinOption_HDiffP,
  ePinOption_HDiffN,
  ePinOption_TransmitDiff,
  ePinOption_ReceiveDiff,
  ePinOption_ClkDiffP,
  ePinOption_ClkDiffN,
  ePinOption_DLL,
};
constexpr int kPinOptionCount = 16;
using TPinOptions = std::uint16_t;

constexpr bool HasPinOption(TPinOptions options, TPinOption option) { return (options >> option) & 1u; }

// The standards of a single-ended I/O pin: sHSTLI ... sSSTL18II.
constexpr TIOStandardSet kSingleEndedIOStandards = kAllIOStandards & ~((TIOStandardSet{1} << sHSTLI) - 1);

struct TPinParameters {
  std::string_view PinNumber;  // ball name, e.g. "R11"
  std::string_view Bank;       // I/O bank number, empty outside any bank
  std::string_view DiffId;     // pair number within the bank, empty when not paired
  std::string_view ClkDiffId;
  TPinOptions Options;
  TIOStandardSet Standards;
};

struct TPinSetParameters {
  std::int32_t PinCount;
  std::int32_t IOCount;
  std::int32_t DiffCount;
  std::int32_t HSpeedDiffCount;
  TIOStandardSet Standards;
  std::span<const TPinParameters> Pins;  // PinCount rows
};

const TPinSetParameters& PinSetParameters(TDevicePinSet pinSet);
// Row `index` of `pinSet`, or null outside 0 .. PinCount - 1.
const TPinParameters* PinRow(TDevicePinSet pinSet, std::int32_t index);
