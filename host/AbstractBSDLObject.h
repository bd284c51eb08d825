// The host's abstract boundary-scan element classes. Each answers its own DISPIDs and service
// name and hands everything else to its parent, down to TAbstractSupportService:
//   TAbstractBSDLObject          "BSDLObject"          503427-503429
//   TAbstractScanPin             "ScanPin"             503490-503497
//   TAbstractPinMapping          "PinMapping"          503498-503500
//   TAbstractBoundaryCell        "BoundaryCell"        503501-503512
//   TAbstractInstructionOpCode   "InstructionOpCode"   503513-503514
//   TAbstractRegisterAssociation "RegisterAssociation" 503515-503518
// Enumerations travel as their ordinals; an absent object is a null IDispatch.
#pragma once

#include <cstdint>
#include <string>

#include "host/SupportService.h"

class TAbstractBSDLObject : public TAbstractSupportService {
 public:
  HRESULT STDMETHODCALLTYPE Invoke(DISPID id, REFIID riid, LCID locale, WORD flags, DISPPARAMS* params,
                                   VARIANT* result, EXCEPINFO* excepInfo, UINT* argErr) override;
  bool IsServiceSupported(std::string_view name) override;

  virtual std::string GetDescription() = 0;       // 503427
  virtual std::string GetShortDescription() = 0;  // 503428
  virtual TComPtr<IDispatch> GetEntity() = 0;     // 503429
};

class TAbstractScanPin : public TAbstractBSDLObject {
 public:
  HRESULT STDMETHODCALLTYPE Invoke(DISPID id, REFIID riid, LCID locale, WORD flags, DISPPARAMS* params,
                                   VARIANT* result, EXCEPINFO* excepInfo, UINT* argErr) override;
  bool IsServiceSupported(std::string_view name) override;

  virtual std::int32_t GetDirection() = 0;                           // 503490
  virtual std::string GetPinName() = 0;                              // 503491
  virtual std::string GetPinNumber() = 0;                            // 503492
  virtual std::int32_t GetKind() = 0;                                // 503493
  virtual TComPtr<IDispatch> GetPinMapping() = 0;                    // 503494
  virtual std::int32_t GetBoundaryCellCount() = 0;                   // 503495
  virtual TComPtr<IDispatch> GetBoundaryCell(std::int32_t Index) = 0;  // 503496
  virtual std::int32_t GetCurrentValue() = 0;                        // 503497
};

class TAbstractPinMapping : public TAbstractBSDLObject {
 public:
  HRESULT STDMETHODCALLTYPE Invoke(DISPID id, REFIID riid, LCID locale, WORD flags, DISPPARAMS* params,
                                   VARIANT* result, EXCEPINFO* excepInfo, UINT* argErr) override;
  bool IsServiceSupported(std::string_view name) override;

  virtual std::string GetPinName() = 0;         // 503498
  virtual std::string GetPinNumber() = 0;       // 503499
  virtual TComPtr<IDispatch> GetScanPin() = 0;  // 503500
};

class TAbstractBoundaryCell : public TAbstractBSDLObject {
 public:
  HRESULT STDMETHODCALLTYPE Invoke(DISPID id, REFIID riid, LCID locale, WORD flags, DISPPARAMS* params,
                                   VARIANT* result, EXCEPINFO* excepInfo, UINT* argErr) override;
  bool IsServiceSupported(std::string_view name) override;

  virtual std::int32_t GetCellNumber() = 0;         // 503501
  virtual std::int32_t GetCellKind() = 0;           // 503502
  virtual std::string GetPortId() = 0;              // 503503
  virtual std::int32_t GetCellFunction() = 0;       // 503504
  virtual std::int32_t GetSafeBit() = 0;            // 503505
  virtual std::int32_t GetControlCellNumber() = 0;  // 503506
  virtual std::int32_t GetDisableValue() = 0;       // 503507
  virtual std::int32_t GetDisableResult() = 0;      // 503508
  virtual TComPtr<IDispatch> GetPin() = 0;          // 503509
  virtual TComPtr<IDispatch> GetControlCell() = 0;  // 503510
  virtual TComPtr<IDispatch> GetTargetCell() = 0;   // 503511
  virtual std::int32_t GetCurrentValue() = 0;       // 503512
};

class TAbstractInstructionOpCode : public TAbstractBSDLObject {
 public:
  HRESULT STDMETHODCALLTYPE Invoke(DISPID id, REFIID riid, LCID locale, WORD flags, DISPPARAMS* params,
                                   VARIANT* result, EXCEPINFO* excepInfo, UINT* argErr) override;
  bool IsServiceSupported(std::string_view name) override;

  virtual std::string GetInstructionName() = 0;  // 503513
  virtual std::string GetOpCodePattern() = 0;    // 503514
};

class TAbstractRegisterAssociation : public TAbstractBSDLObject {
 public:
  HRESULT STDMETHODCALLTYPE Invoke(DISPID id, REFIID riid, LCID locale, WORD flags, DISPPARAMS* params,
                                   VARIANT* result, EXCEPINFO* excepInfo, UINT* argErr) override;
  bool IsServiceSupported(std::string_view name) override;

  virtual std::string GetRegisterName() = 0;                              // 503515
  virtual std::int32_t GetRegisterLength() = 0;                           // 503516
  virtual std::int32_t GetInstructionOpcodeCount() = 0;                   // 503517
  virtual TComPtr<IDispatch> GetInstructionOpcode(std::int32_t Index) = 0;  // 503518
};
