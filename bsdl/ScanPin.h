// TScanPin: a device pin as the boundary-scan description sees it, with its live value.
// Its adapter TScanPin_Impl also answers "BSDLValueHolder" and SetCurrentValue (509024).
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "bsdl/BSDLObject.h"
#include "bsdl/BSDLTypes.h"

class TBoundaryCell;
class TPinMapping;

class TScanPin : public TBSDLObject {
 public:
  explicit TScanPin(TBSDLEntity* entity);

  std::string GetDescriptionText() override;
  std::string GetShortDescriptionText() override;
  std::int32_t GetImageIndex() override { return 19; }

  void SetDirection(TPinElectrical value) { Direction = value; }
  void SetPinName(std::string value) { PinName = std::move(value); }
  void SetPinNumber(std::string value) { PinNumber = std::move(value); }
  void SetKind(TScanPinKind value) { Kind = value; }
  void SetPinMapping(TPinMapping* value) { PinMapping = value; }
  void AddBoundaryCell(TBoundaryCell* cell) { BoundaryCells.push_back(cell); }

  TPinElectrical Direction = eElectricPassive;
  std::string PinName;
  std::string PinNumber;
  TScanPinKind Kind = eScanPinKind_Normal;
  TPinMapping* PinMapping = nullptr;
  std::int32_t CurrentValue = 0;
  std::vector<TBoundaryCell*> BoundaryCells;  // not owned: the entity owns the cells
  TComPtr<IDispatch> LinkedPort;              // a host net; nothing in the plug-in sets it
  std::int32_t LinkedPortBitIndex = -1;
};

class TScanPin_Impl : public TBSDLObjectAdapter<TAbstractScanPin> {
 public:
  HRESULT STDMETHODCALLTYPE Invoke(DISPID id, REFIID riid, LCID locale, WORD flags, DISPPARAMS* params,
                                   VARIANT* result, EXCEPINFO* excepInfo, UINT* argErr) override;
  bool IsServiceSupported(std::string_view name) override;

  std::int32_t GetDirection() override { return Ex<TScanPin>().Direction; }
  std::string GetPinName() override { return Ex<TScanPin>().PinName; }
  std::string GetPinNumber() override { return Ex<TScanPin>().PinNumber; }
  std::int32_t GetKind() override { return Ex<TScanPin>().Kind; }
  TComPtr<IDispatch> GetPinMapping() override;
  std::int32_t GetBoundaryCellCount() override { return static_cast<std::int32_t>(Ex<TScanPin>().BoundaryCells.size()); }
  TComPtr<IDispatch> GetBoundaryCell(std::int32_t Index) override;
  std::int32_t GetCurrentValue() override { return Ex<TScanPin>().CurrentValue; }
  void SetCurrentValue(std::int32_t Value) { Ex<TScanPin>().CurrentValue = Value; }
};
