// Wrappers of the host objects the clock-core generators talk to: the clock wizard's request
// (IClockCore, IClockModifierData), its attribute template (IClockCoreTemplate with its
// targets and actual outputs), the target core being generated (ITargetCore) and the text file
// that receives the netlist (ITextFile). Floating-point results are 64-bit.
#pragma once

#include <cstdint>
#include <string>

#include "host/HostObject.h"

class TClockModifierData : public THostObject {
 public:
  using THostObject::THostObject;

  double GetMultiply() const { return Call<double>(509430); }
  double GetDivide() const { return Call<double>(509431); }
  double GetInputFrequency() const { return Call<double>(509433); }
};

class TClockCore : public THostObject {
 public:
  using THostObject::THostObject;

  // Empty when the core has no modifier of that name.
  TClockModifierData GetModifierData(const std::string& name) const {
    return TClockModifierData(Call<TComPtr<IDispatch>>(509438, name));
  }
};

class TClockModifierTarget : public THostObject {
 public:
  using THostObject::THostObject;

  std::string GetName() const { return Call<std::string>(509439); }
  double GetFrequency() const { return Call<double>(509441); }  // MHz
};

class TClockOutputActual : public THostObject {
 public:
  using THostObject::THostObject;

  std::string GetName() const { return Call<std::string>(509449); }
  double GetMultiply() const { return Call<double>(509450); }
  double GetDivide() const { return Call<double>(509451); }
  double GetPhase() const { return Call<double>(509452); }
  std::int32_t GetTargetIndex() const { return Call<std::int32_t>(509454); }
};

class TClockCoreTemplate : public THostObject {
 public:
  using THostObject::THostObject;

  void SetAttribute(const std::string& name, bool used, const std::string& value) const {
    Call(509455, name, used, value);
  }
  TClockModifierTarget GetInputTarget(std::int32_t index) const {
    return TClockModifierTarget(Call<TComPtr<IDispatch>>(509457, index));
  }
  std::int32_t GetOutputTargetCount() const { return Call<std::int32_t>(509458); }
  TClockModifierTarget GetOutputTarget(std::int32_t index) const {
    return TClockModifierTarget(Call<TComPtr<IDispatch>>(509459, index));
  }
  std::int32_t GetActualCount() const { return Call<std::int32_t>(509460); }
  TClockOutputActual GetActual(std::int32_t index) const {
    return TClockOutputActual(Call<TComPtr<IDispatch>>(509461, index));
  }
  void PrepareTemplate() const { Call(509462); }
};

// How a target-core output derives from the input clock (GetOutputMode).
enum TClockOutputMode : std::int32_t {
  eClockOutputMode_Phase = 0,
  eClockOutputMode_Divide = 1,
  eClockOutputMode_Multiply = 2,
};

class TTargetCore : public THostObject {
 public:
  using THostObject::THostObject;

  // `letter` is the character code of an output letter, 'A' = 65 ... 'D' = 68.
  double GetInputFrequency() const { return Call<double>(509938); }  // MHz
  std::int32_t GetOutputMode(std::int32_t letter) const { return Call<std::int32_t>(509940, letter); }
  double GetOutputValue(std::int32_t letter) const { return Call<double>(509941, letter); }
  bool IsOutputUsed(std::int32_t letter) const { return Call<bool>(509942, letter); }
  std::string GetOutputName(std::int32_t letter) const { return Call<std::string>(509943, letter); }
  std::string GetCoreName() const { return Call<std::string>(509950); }
  std::string GetCommandLine() const { return Call<std::string>(509954); }
  std::string GetParameter(const std::string& name) const { return Call<std::string>(509956, name); }
  void ReportError(const std::string& message) const { Call(509960, message); }
};

class TTextFile : public THostObject {
 public:
  using THostObject::THostObject;

  void WriteLine(const std::string& line) const { Call(509468, line); }
};
