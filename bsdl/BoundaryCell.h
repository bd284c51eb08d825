// TBoundaryCell: one cell of the boundary register, with its live value. Its adapter
// TBoundaryCell_Impl also answers "BSDLValueHolder" and SetCurrentValue (509024).
#pragma once

#include <cstdint>
#include <string>

#include "bsdl/BSDLObject.h"
#include "bsdl/BSDLTypes.h"

class TScanPin;

class TBoundaryCell : public TBSDLObject {
 public:
  explicit TBoundaryCell(TBSDLEntity* entity);

  std::string GetDescriptionText() override;
  std::string GetShortDescriptionText() override { return GetDescriptionText(); }
  std::int32_t GetImageIndex() override { return 41; }

  void SetCellNumber(std::int32_t value) { CellNumber = value; }
  void SetCellKind(TCellKind value) { CellKind = value; }
  void SetPortId(std::string value) { PortId = std::move(value); }
  void SetCellFunction(TCellFunction value) { CellFunction = value; }
  void SetSafeBit(TBitValue value) { SafeBit = value; }
  void SetControlCellNumber(std::int32_t value) { ControlCellNumber = value; }
  void SetDisableValue(TBitValue value) { DisableValue = value; }
  void SetDisableResult(TDisableResult value) { DisableResult = value; }
  void SetPin(TScanPin* value) { Pin = value; }
  void SetControlCell(TBoundaryCell* value) { ControlCell = value; }
  void SetTargetCell(TBoundaryCell* value) { TargetCell = value; }

  std::int32_t CellNumber = -1;
  TCellKind CellKind = eCellKind_Undefined;
  std::string PortId = "*";
  TBitValue SafeBit = eBit_X;
  std::int32_t ControlCellNumber = -1;
  TBitValue DisableValue = eBit_0;
  TDisableResult DisableResult = eDisableResult_Undefined;
  TScanPin* Pin = nullptr;
  TBoundaryCell* ControlCell = nullptr;
  TBoundaryCell* TargetCell = nullptr;
  TCellFunction CellFunction = eCellFunction_Undefined;
  std::int32_t CurrentValue = 0;
};

class TBoundaryCell_Impl : public TBSDLObjectAdapter<TAbstractBoundaryCell> {
 public:
  HRESULT STDMETHODCALLTYPE Invoke(DISPID id, REFIID riid, LCID locale, WORD flags, DISPPARAMS* params,
                                   VARIANT* result, EXCEPINFO* excepInfo, UINT* argErr) override;
  bool IsServiceSupported(std::string_view name) override;

  std::int32_t GetCellNumber() override { return Ex<TBoundaryCell>().CellNumber; }
  std::int32_t GetCellKind() override { return Ex<TBoundaryCell>().CellKind; }
  std::string GetPortId() override { return Ex<TBoundaryCell>().PortId; }
  std::int32_t GetCellFunction() override { return Ex<TBoundaryCell>().CellFunction; }
  std::int32_t GetSafeBit() override { return Ex<TBoundaryCell>().SafeBit; }
  std::int32_t GetControlCellNumber() override { return Ex<TBoundaryCell>().ControlCellNumber; }
  std::int32_t GetDisableValue() override { return Ex<TBoundaryCell>().DisableValue; }
  std::int32_t GetDisableResult() override { return Ex<TBoundaryCell>().DisableResult; }
  TComPtr<IDispatch> GetPin() override;
  TComPtr<IDispatch> GetControlCell() override { return AdapterOf(Ex<TBoundaryCell>().ControlCell); }
  TComPtr<IDispatch> GetTargetCell() override { return AdapterOf(Ex<TBoundaryCell>().TargetCell); }
  std::int32_t GetCurrentValue() override { return Ex<TBoundaryCell>().CurrentValue; }
  void SetCurrentValue(std::int32_t Value) { Ex<TBoundaryCell>().CurrentValue = Value; }
};
