// The clock wizard's attribute template as the host hands it to a template generator: the
// input and output targets, the actual clock-manager outputs, and every attribute the
// generator sets, recorded in order.
#pragma once

#include <cstdint>
#include <string>
#include <utility>
#include <vector>

#include "host/SupportService.h"

// IClockModifierTarget: DISPIDs 509439 (name), 509441 (frequency, MHz).
class TSimClockModifierTarget : public TAbstractSupportService {
 public:
  TSimClockModifierTarget(std::string name, double frequency) : FName(std::move(name)), FFrequency(frequency) {}

  HRESULT STDMETHODCALLTYPE Invoke(DISPID id, REFIID riid, LCID locale, WORD flags, DISPPARAMS* params,
                                   VARIANT* result, EXCEPINFO* excepInfo, UINT* argErr) override;

  std::string GetName() { return FName; }
  double GetFrequency() { return FFrequency; }

 private:
  std::string FName;
  double FFrequency;
};

struct TSimOutputActualData {
  std::string Name;  // e.g. "CLKOUT0", "CLKFX", "CLKDV"
  double Multiply = 1;
  double Divide = 1;
  double Phase = 0;
  std::int32_t TargetIndex = 0;
};

// IClockOutputActual: DISPIDs 509449 (name), 509450-509452 (multiply, divide, phase),
// 509454 (target index).
class TSimClockOutputActual : public TAbstractSupportService {
 public:
  explicit TSimClockOutputActual(TSimOutputActualData data) : FData(std::move(data)) {}

  HRESULT STDMETHODCALLTYPE Invoke(DISPID id, REFIID riid, LCID locale, WORD flags, DISPPARAMS* params,
                                   VARIANT* result, EXCEPINFO* excepInfo, UINT* argErr) override;

  std::string GetName() { return FData.Name; }
  double GetMultiply() { return FData.Multiply; }
  double GetDivide() { return FData.Divide; }
  double GetPhase() { return FData.Phase; }
  std::int32_t GetTargetIndex() { return FData.TargetIndex; }

 private:
  TSimOutputActualData FData;
};

struct TSimTemplateAttribute {
  std::string Name;
  bool Used = false;
  std::string Value;
  bool operator==(const TSimTemplateAttribute&) const = default;
};

// IClockCoreTemplate: DISPIDs 509455 (SetAttribute), 509457-509461 (targets and actuals),
// 509462 (PrepareTemplate). An index out of range answers no object.
class TSimClockCoreTemplate : public TAbstractSupportService {
 public:
  HRESULT STDMETHODCALLTYPE Invoke(DISPID id, REFIID riid, LCID locale, WORD flags, DISPPARAMS* params,
                                   VARIANT* result, EXCEPINFO* excepInfo, UINT* argErr) override;

  void AddInputTarget(const std::string& name, double frequency);
  void AddOutputTarget(const std::string& name, double frequency);
  void AddActual(const TSimOutputActualData& data);

  // What the generator did, in order.
  const std::vector<TSimTemplateAttribute>& Attributes() const { return FAttributes; }
  // The number of attributes set before each PrepareTemplate call.
  const std::vector<std::size_t>& PreparedAfter() const { return FPreparedAfter; }
  // The value of the last attribute of that name, or null.
  const TSimTemplateAttribute* Attribute(const std::string& name) const;

  void SetAttribute(const std::string& name, bool used, const std::string& value);
  TComPtr<IDispatch> GetInputTarget(std::int32_t index);
  std::int32_t GetOutputTargetCount();
  TComPtr<IDispatch> GetOutputTarget(std::int32_t index);
  std::int32_t GetActualCount();
  TComPtr<IDispatch> GetActual(std::int32_t index);
  void PrepareTemplate();

 private:
  std::vector<TComPtr<TSimClockModifierTarget>> FInputTargets;
  std::vector<TComPtr<TSimClockModifierTarget>> FOutputTargets;
  std::vector<TComPtr<TSimClockOutputActual>> FActuals;
  std::vector<TSimTemplateAttribute> FAttributes;
  std::vector<std::size_t> FPreparedAfter;
};
