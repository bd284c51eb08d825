#include "clockcore/ClockCoreTemplateGenerator_Artix7.h"

#include "clockcore/ClockCoreNumberFormat.h"
#include "clockcore/ClockWizardObjects.h"

using clockcore::FormatFixed;

namespace {

// The fixed patterns of the template values: "0.0000", and the integer patterns.
std::string FourDecimals(double value) { return FormatFixed(value, 4); }
std::string WholeNumber(double value) { return FormatFixed(value, 0); }

}  // namespace

bool TClockCoreTemplateGenerator_Artix7::FillTemplate(TComPtr<IDispatch> Template) {
  const TClockCoreTemplate clockTemplate(std::move(Template));
  clockTemplate.SetAttribute("FACTORY_JF", true, "F0F0");
  clockTemplate.PrepareTemplate();

  const double inputFrequency = clockTemplate.GetInputTarget(0).GetFrequency();  // MHz
  clockTemplate.SetAttribute("CLKIN_PERIOD", true, FourDecimals(1e9 / (inputFrequency * 1e6)));  // ns

  const std::int32_t outputTargetCount = clockTemplate.GetOutputTargetCount();
  for (std::int32_t k = 0; k < outputTargetCount; ++k)
    clockTemplate.SetAttribute("CLK" + std::string(1, static_cast<char>('A' + k)), true, "");

  const std::int32_t actualCount = clockTemplate.GetActualCount();
  for (std::int32_t i = 0; i < actualCount; ++i)
    SetOutputAttributes(clockTemplate, clockTemplate.GetActual(i), outputTargetCount);
  return true;
}

void TClockCoreTemplateGenerator_Artix7::SetOutputAttributes(const TClockCoreTemplate& clockTemplate,
                                                             const TClockOutputActual& actual,
                                                             std::int32_t outputTargetCount) {
  const std::string name = actual.GetName();
  const std::int32_t targetIndex = actual.GetTargetIndex();
  // A negative index names no target: the output stays open rather than asking for target -1.
  const bool used = targetIndex >= 0 && targetIndex < outputTargetCount;
  const std::string map = used ? clockTemplate.GetOutputTarget(targetIndex).GetName() + "_BUF" : "open";
  clockTemplate.SetAttribute(name + "_MAP", used, map);

  if (name == "CLKFX") {
    clockTemplate.SetAttribute("CLKFX_DIVIDE", true, WholeNumber(actual.GetDivide()));
    clockTemplate.SetAttribute("CLKFX_MULTIPLY", true, WholeNumber(actual.GetMultiply()));
  } else if (name == "CLKDV") {
    clockTemplate.SetAttribute("CLKDV_DIVIDE", true, FourDecimals(actual.GetDivide()));
  } else {
    clockTemplate.SetAttribute(name + "_DIVIDE", true, WholeNumber(actual.GetDivide()));
    clockTemplate.SetAttribute(name + "_MULTIPLY", true, WholeNumber(actual.GetMultiply()));
    clockTemplate.SetAttribute(name + "_PHASE", true, WholeNumber(actual.GetPhase()));
  }
}
