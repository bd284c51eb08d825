// The boundary-scan enumerations with their display names, and the conversion of the names a
// BSDL file uses into them (compared without case; a name not in a table gives Undefined).
#pragma once

#include <array>
#include <string_view>

#include "host/PinElectrical.h"

enum TCellKind {
  eCellKind_Undefined,
  eCellKind_BC_0,
  eCellKind_BC_1,
  eCellKind_BC_2,
  eCellKind_BC_3,
  eCellKind_BC_4,
  eCellKind_BC_5,
  eCellKind_BC_6,
  eCellKind_BC_7,
  eCellKind_BC_8,
  eCellKind_BC_9,
  eCellKind_BC_10,
};

enum TCellFunction {
  eCellFunction_Undefined,
  eCellFunction_Input,
  eCellFunction_Clock,
  eCellFunction_Output2,
  eCellFunction_Output3,
  eCellFunction_Control,
  eCellFunction_ControlR,
  eCellFunction_Internal,
  eCellFunction_BiDir,
  eCellFunction_ObserveOnly,
};

enum TBitValue { eBit_Undefined, eBit_0, eBit_1, eBit_X };

enum TDisableResult {
  eDisableResult_Undefined,
  eDisableResult_HiZ,
  eDisableResult_Weak0,
  eDisableResult_Weak1,
  eDisableResult_Pull0,
  eDisableResult_Pull1,
  eDisableResult_Keeper,
};

enum TScanPinKind {
  eScanPinKind_Normal,
  eScanPinKind_TRST,
  eScanPinKind_TCK,
  eScanPinKind_TDO,
  eScanPinKind_TDI,
  eScanPinKind_TMS,
  eScanPinKind_Power,
  eScanPinKind_Ground,
};

enum TScanClockHaltMode { eScanClockHaltMode_None, eScanClockHaltMode_Low, eScanClockHaltMode_Both };

inline constexpr std::array<std::string_view, 12> kCellKindNames{
    "", "BC_0", "BC_1", "BC_2", "BC_3", "BC_4", "BC_5", "BC_6", "BC_7", "BC_8", "BC_9", "BC_10"};
inline constexpr std::array<std::string_view, 10> kCellFunctionNames{
    "", "Input", "Clock", "Output2", "Output3", "Control", "ControlR", "Internal", "BiDir", "ObserveOnly"};
inline constexpr std::array<std::string_view, 4> kBitValueNames{"", "0", "1", "X"};
inline constexpr std::array<std::string_view, 7> kDisableResultNames{"",      "Z",     "Weak0", "Weak1",
                                                                     "Pull0", "Pull1", "Keeper"};
inline constexpr std::array<std::string_view, 8> kScanPinKindNames{"Normal", "TRST",  "TCK",   "TDO",
                                                                   "TDI",    "TMS",   "Power", "Ground"};
inline constexpr std::array<std::string_view, 3> kScanClockHaltModeNames{"None", "Low", "Both"};

std::string_view NameOf(TCellKind value);
std::string_view NameOf(TCellFunction value);
std::string_view NameOf(TBitValue value);
std::string_view NameOf(TDisableResult value);
std::string_view NameOf(TScanPinKind value);
std::string_view NameOf(TScanClockHaltMode value);
std::string_view NameOf(TPinElectrical value);

// BSDL names into values; an empty or unknown name gives the Undefined value.
TCellKind CellKindFromName(std::string_view name);
TCellFunction CellFunctionFromName(std::string_view name);
TBitValue BitValueFromName(std::string_view name);
TDisableResult DisableResultFromName(std::string_view name);
// "LOW" and "BOTH"; anything else gives None.
TScanClockHaltMode ScanClockHaltModeFromName(std::string_view name);
