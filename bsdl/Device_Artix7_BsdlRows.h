// The pin and cell rows of the eight built-in descriptions, as the generator writes them from
// the vendor's BSDL files (tools/bsdl_rows). A description whose vendor file was not at hand
// when the rows were generated carries no rows.
#pragma once

#include <array>
#include <cstdint>
#include <span>

#include "bsdl/BSDLTypes.h"

struct TScanPinRow {
  TPinElectrical Direction;
  const char* PinName;
  const char* PinNumber;
  TScanPinKind Kind;
  const char* MappingPinName;
  const char* MappingPinNumber;
  std::int32_t BoundaryCellCount;
  std::int32_t BoundaryCells[2];
};

struct TBoundaryCellRow {
  std::int32_t CellNumber;
  TCellKind CellKind;
  const char* PortId;
  TCellFunction CellFunction;
  TBitValue SafeBit;
  TBitValue DisableValue;
  TDisableResult DisableResult;
  const char* PinNumber;
  std::int32_t ControlCellNumber;
  std::int32_t TargetCellNumber;
};

struct TBuiltInBSDLRows {
  const char* Source;  // the vendor file the rows came from, "" for none
  std::span<const TScanPinRow> Pins;
  std::span<const TBoundaryCellRow> BoundaryCells;
};

extern const std::array<TBuiltInBSDLRows, 8> kBuiltInBSDLRows;
