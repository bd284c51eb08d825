// The parameter records of one boundary-scan description: what the built-in tables carry and
// what the BSDL reader produces. The builder turns a record into a TBSDLEntity.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "bsdl/BSDLTypes.h"

struct TPinMappingParameters {
  std::string PinName;
  std::string PinNumber;
};

struct TScanPinParameters {
  TPinElectrical Direction = eElectricPassive;
  std::string PinName;
  std::string PinNumber;
  TScanPinKind Kind = eScanPinKind_Normal;
  TPinMappingParameters PinMapping;
  std::int32_t BoundaryCellCount = 0;  // 0, 1 or 2
  std::array<std::int32_t, 2> BoundaryCells{-1, -1};
};

struct TBoundaryCellParameters {
  std::int32_t CellNumber = -1;
  TCellKind CellKind = eCellKind_Undefined;
  std::string PortId = "*";
  TCellFunction CellFunction = eCellFunction_Undefined;
  TBitValue SafeBit = eBit_X;
  TBitValue DisableValue = eBit_0;
  TDisableResult DisableResult = eDisableResult_Undefined;
  std::string PinNumber;               // package pin of the cell's port, empty for none
  std::int32_t ControlCellNumber = -1;  // the control cell that enables this cell
  std::int32_t TargetCellNumber = -1;   // for a control cell, the cell it enables
};

struct TOpCodeParameters {
  std::string InstructionName;
  std::string OpCodePattern;  // most significant bit first
};

struct TRegisterAssociationParameters {
  std::string RegisterName;  // may carry its length, as in DATAREG[57]
  std::int32_t RegisterLength = 0;
  std::vector<std::string> OpCodes;  // instruction names, in order
};

struct TBSDLParameters {
  std::string Name;
  std::int32_t BoundaryLength = 0;
  double ScanClockMaxSpeed = 0;  // Hz
  TScanClockHaltMode ScanClockHaltMode = eScanClockHaltMode_None;
  std::string ConformanceStatement;
  std::string CompliancePattern;
  std::string Filename;
  std::int32_t Instruction_SAMPLE = -1;
  std::string PinNumber_TDI, PinNumber_TDO, PinNumber_TMS, PinNumber_TCK, PinNumber_TRST;
  std::vector<TScanPinParameters> Pins;
  std::vector<TBoundaryCellParameters> BoundaryCells;  // in cell-number order, 0 to N-1
  std::vector<TOpCodeParameters> OpCodes;
  std::vector<TRegisterAssociationParameters> RegisterAssociations;
};
