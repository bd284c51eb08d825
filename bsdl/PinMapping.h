// TPinMapping: a description pin name mapped to a package pin number.
#pragma once

#include <string>

#include "bsdl/BSDLObject.h"

class TScanPin;

class TPinMapping : public TBSDLObject {
 public:
  explicit TPinMapping(TBSDLEntity* entity);

  void SetPinName(std::string value) { PinName = std::move(value); }
  void SetPinNumber(std::string value) { PinNumber = std::move(value); }
  void SetScanPin(TScanPin* value) { ScanPin = value; }

  std::string PinName;
  std::string PinNumber;
  TScanPin* ScanPin = nullptr;
};

class TPinMapping_Impl : public TBSDLObjectAdapter<TAbstractPinMapping> {
 public:
  std::string GetPinName() override { return Ex<TPinMapping>().PinName; }
  std::string GetPinNumber() override { return Ex<TPinMapping>().PinNumber; }
  TComPtr<IDispatch> GetScanPin() override;
};
