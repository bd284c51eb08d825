// TBSDLEntity: the boundary-scan description of one device. It owns every element object;
// the host reaches it through its adapter TBSDLEntity_Impl (`Impl`), and the entity's own
// dispatch passes every call to that adapter.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "bsdl/BSDLObject.h"
#include "bsdl/BSDLTypes.h"
#include "bsdl/BoundaryCell.h"
#include "bsdl/Entity.h"
#include "bsdl/InstructionOpCode.h"
#include "bsdl/PinMapping.h"
#include "bsdl/RegisterAssociation.h"
#include "bsdl/ScanPin.h"
#include "host/AbstractBSDLEntity.h"

class TBSDLEntity_Impl;

class TBSDLEntity : public TEntity {
 public:
  static constexpr std::uint32_t kNoInstruction = 0xFFFFFFFFu;

  TBSDLEntity();
  ~TBSDLEntity() override;

  // The library path of a bare BSDL file name: BASE + "BSDL/" + vendor + "/" + family + "/" +
  // name, BASE being `libraryFolder` or else the plug-in's library folder. Any other name is
  // returned unchanged.
  static std::string DetermineFullPath(const std::string& bsdlFileName, const std::string& deviceVendorName,
                                       const std::string& deviceFamilyName, const std::string& libraryFolder);
  // A path where the file really exists: the file itself, its copy in the temporary folder,
  // or that copy extracted from the archive of the same name (".Zip"); "" when none is found.
  static std::string FindFullBSDLPath(const std::string& sourcePath);

  HRESULT STDMETHODCALLTYPE Invoke(DISPID id, REFIID riid, LCID locale, WORD flags, DISPPARAMS* params,
                                   VARIANT* result, EXCEPINFO* excepInfo, UINT* argErr) override;

  // Ownership of the element passes to the entity.
  void AddBoundaryCell(std::unique_ptr<TBoundaryCell> cell) { BoundaryCells.push_back(std::move(cell)); }
  void AddPin(std::unique_ptr<TScanPin> pin) { Pins.push_back(std::move(pin)); }
  void AddInstructionOpCode(std::unique_ptr<TInstructionOpCode> opCode) {
    InstructionOpCodes.push_back(std::move(opCode));
  }
  void AddRegisterAssociation(std::unique_ptr<TRegisterAssociation> ra) {
    RegisterAssociations.push_back(std::move(ra));
  }
  // An entity built from a parameter record is complete when made: nothing to do.
  void ProcessBoundaryInfo() {}
  // A mapping reached through its scan pin; the entity owns it without listing it in PinMappings.
  void AdoptPinMapping(std::unique_ptr<TPinMapping> mapping) { FPinMappingsOfPins.push_back(std::move(mapping)); }

  TComPtr<IDispatch> Adapter() const;
  IDispatch* AsDispatch() { return this; }

  TComPtr<TBSDLEntity_Impl> Impl;
  std::int32_t InstructionLength = 0;
  std::uint32_t IdCode = 0;
  std::vector<std::unique_ptr<TPinMapping>> PinMappings;
  std::string Instruction_Capture;
  std::vector<std::string> Instruction_Private;
  std::string Register_IDCode, Register_UserCode, RegisterAccessDescriptor, DesignWarning;
  std::uint32_t Instruction_BYPASS = kNoInstruction, Instruction_EXTEST = kNoInstruction,
                Instruction_IDCODE = kNoInstruction, Instruction_USERCODE = kNoInstruction,
                Instruction_CLAMP = kNoInstruction, Instruction_HIGHZ = kNoInstruction;
  std::vector<std::unique_ptr<TScanPin>> Pins;
  std::vector<std::unique_ptr<TInstructionOpCode>> InstructionOpCodes;
  std::vector<std::unique_ptr<TRegisterAssociation>> RegisterAssociations;
  std::vector<std::unique_ptr<TBoundaryCell>> BoundaryCells;  // index = cell number
  std::int32_t BoundaryLength = 0;
  double ScanClockMaxSpeed = 0;
  TScanClockHaltMode ScanClockHaltMode = eScanClockHaltMode_None;
  std::string ConformanceStatement, CompliancePattern;
  std::string Filename;
  TScanPin* TAP_TDI = nullptr;
  TScanPin* TAP_TDO = nullptr;
  TScanPin* TAP_TMS = nullptr;
  TScanPin* TAP_TCK = nullptr;
  TScanPin* TAP_TRST = nullptr;
  std::uint32_t Instruction_SAMPLE = kNoInstruction;

 private:
  std::vector<std::unique_ptr<TPinMapping>> FPinMappingsOfPins;
};

class TBSDLEntity_Impl : public TAbstractBSDLEntity, public TBSDLAdapterLink {
 public:
  std::string GetName() override { return E().Name; }
  std::int32_t GetInstructionLength() override { return E().InstructionLength; }
  std::uint32_t GetIdCode() override { return E().IdCode; }
  std::int32_t GetBoundaryLength() override;
  TComPtr<IDispatch> GetPin(std::int32_t Index) override;
  TComPtr<IDispatch> GetPinMapping(std::int32_t Index) override;
  TComPtr<IDispatch> GetBoundaryCell(std::int32_t Index) override;
  TComPtr<IDispatch> GetInstructionOpcode(std::int32_t Index) override;
  TComPtr<IDispatch> GetRegisterAssociation(std::int32_t Index) override;
  std::int32_t GetPinCount() override { return Count(E().Pins); }
  std::int32_t GetPinMappingCount() override { return Count(E().PinMappings); }
  std::int32_t GetBoundaryCellCount() override;
  std::int32_t GetInstructionOpcodeCount() override { return Count(E().InstructionOpCodes); }
  std::int32_t GetRegisterAssociationCount() override { return Count(E().RegisterAssociations); }
  TComPtr<IDispatch> GetPin_TDI() override { return PinObject(E().TAP_TDI); }
  TComPtr<IDispatch> GetPin_TDO() override { return PinObject(E().TAP_TDO); }
  TComPtr<IDispatch> GetPin_TMS() override { return PinObject(E().TAP_TMS); }
  TComPtr<IDispatch> GetPin_TCK() override { return PinObject(E().TAP_TCK); }
  TComPtr<IDispatch> GetPin_TRST() override { return PinObject(E().TAP_TRST); }
  std::uint32_t GetInstruction_BYPASS() override { return E().Instruction_BYPASS; }
  std::uint32_t GetInstruction_EXTEST() override { return E().Instruction_EXTEST; }
  std::uint32_t GetInstruction_SAMPLE() override { return E().Instruction_SAMPLE; }
  std::uint32_t GetInstruction_IDCODE() override { return E().Instruction_IDCODE; }
  std::uint32_t GetInstruction_USERCODE() override { return E().Instruction_USERCODE; }
  std::uint32_t GetInstruction_CLAMP() override { return E().Instruction_CLAMP; }
  std::uint32_t GetInstruction_HIGHZ() override { return E().Instruction_HIGHZ; }
  double GetScanClockMaxSpeed() override { return E().ScanClockMaxSpeed; }
  std::int32_t GetScanClockHaltMode() override { return E().ScanClockHaltMode; }
  std::string GetConformanceStatement() override { return E().ConformanceStatement; }
  std::string GetCompliancePattern() override { return E().CompliancePattern; }
  std::string GetDesignWarning() override { return E().DesignWarning; }
  std::string GetFilename() override { return E().Filename; }

 private:
  TBSDLEntity& E() const { return Ex<TBSDLEntity>(); }
  template <class L>
  static std::int32_t Count(const L& list) {
    return static_cast<std::int32_t>(list.size());
  }
  // The TAP pins are handed out as the pin objects themselves, not their adapters.
  static TComPtr<IDispatch> PinObject(TScanPin* pin) { return TComPtr<IDispatch>(pin); }
};
