// TAbstractBSDLEntity: a boundary-scan description as the host sees it, service name
// "BSDLEntity", DISPIDs 503458-503489 (one per operation, in this order). Indexed getters
// answer a null object for an index out of range.
#pragma once

#include <cstdint>
#include <string>

#include "host/SupportService.h"

class TAbstractBSDLEntity : public TAbstractSupportService {
 public:
  HRESULT STDMETHODCALLTYPE Invoke(DISPID id, REFIID riid, LCID locale, WORD flags, DISPPARAMS* params,
                                   VARIANT* result, EXCEPINFO* excepInfo, UINT* argErr) override;
  bool IsServiceSupported(std::string_view name) override;

  virtual std::string GetName() = 0;  // 503458
  virtual std::int32_t GetInstructionLength() = 0;  // 503459
  virtual std::uint32_t GetIdCode() = 0;  // 503460
  virtual std::int32_t GetBoundaryLength() = 0;  // 503461
  virtual TComPtr<IDispatch> GetPin(std::int32_t Index) = 0;  // 503462
  virtual TComPtr<IDispatch> GetPinMapping(std::int32_t Index) = 0;  // 503463
  virtual TComPtr<IDispatch> GetBoundaryCell(std::int32_t Index) = 0;  // 503464
  virtual TComPtr<IDispatch> GetInstructionOpcode(std::int32_t Index) = 0;  // 503465
  virtual TComPtr<IDispatch> GetRegisterAssociation(std::int32_t Index) = 0;  // 503466
  virtual std::int32_t GetPinCount() = 0;  // 503467
  virtual std::int32_t GetPinMappingCount() = 0;  // 503468
  virtual std::int32_t GetBoundaryCellCount() = 0;  // 503469
  virtual std::int32_t GetInstructionOpcodeCount() = 0;  // 503470
  virtual std::int32_t GetRegisterAssociationCount() = 0;  // 503471
  virtual TComPtr<IDispatch> GetPin_TDI() = 0;  // 503472
  virtual TComPtr<IDispatch> GetPin_TDO() = 0;  // 503473
  virtual TComPtr<IDispatch> GetPin_TMS() = 0;  // 503474
  virtual TComPtr<IDispatch> GetPin_TCK() = 0;  // 503475
  virtual TComPtr<IDispatch> GetPin_TRST() = 0;  // 503476
  virtual std::uint32_t GetInstruction_BYPASS() = 0;  // 503477
  virtual std::uint32_t GetInstruction_EXTEST() = 0;  // 503478
  virtual std::uint32_t GetInstruction_SAMPLE() = 0;  // 503479
  virtual std::uint32_t GetInstruction_IDCODE() = 0;  // 503480
  virtual std::uint32_t GetInstruction_USERCODE() = 0;  // 503481
  virtual std::uint32_t GetInstruction_CLAMP() = 0;  // 503482
  virtual std::uint32_t GetInstruction_HIGHZ() = 0;  // 503483
  virtual double GetScanClockMaxSpeed() = 0;  // 503484
  virtual std::int32_t GetScanClockHaltMode() = 0;  // 503485
  virtual std::string GetConformanceStatement() = 0;  // 503486
  virtual std::string GetCompliancePattern() = 0;  // 503487
  virtual std::string GetDesignWarning() = 0;  // 503488
  virtual std::string GetFilename() = 0;  // 503489
};
