// The host's clock-core request as the clock wizard hands it to a clock-core generator:
// a set of named modifiers (such as "CLKOUT0"), each with multiply, divide and input frequency.
#pragma once

#include <map>
#include <string>

#include "host/SupportService.h"
#include "platform/Text.h"

// IClockModifierData: DISPIDs 509430 (multiply), 509431 (divide), 509433 (input frequency, MHz).
class TSimClockModifierData : public TAbstractSupportService {
 public:
  TSimClockModifierData(double multiply, double divide, double inputFrequency)
      : FMultiply(multiply), FDivide(divide), FInputFrequency(inputFrequency) {}

  HRESULT STDMETHODCALLTYPE Invoke(DISPID id, REFIID riid, LCID locale, WORD flags, DISPPARAMS* params,
                                   VARIANT* result, EXCEPINFO* excepInfo, UINT* argErr) override;

  double GetMultiply() { return FMultiply; }
  double GetDivide() { return FDivide; }
  double GetInputFrequency() { return FInputFrequency; }

 private:
  double FMultiply;
  double FDivide;
  double FInputFrequency;
};

// IClockCore: DISPID 509438 answers the modifier of a name (compared without case), or nothing.
class TSimClockCore : public TAbstractSupportService {
 public:
  HRESULT STDMETHODCALLTYPE Invoke(DISPID id, REFIID riid, LCID locale, WORD flags, DISPPARAMS* params,
                                   VARIANT* result, EXCEPINFO* excepInfo, UINT* argErr) override;

  void AddModifier(const std::string& name, double multiply, double divide, double inputFrequency);
  TComPtr<IDispatch> GetModifierData(const std::string& name);

 private:
  std::map<std::string, TComPtr<TSimClockModifierData>, text::LessNoCase> FModifiers;
};
