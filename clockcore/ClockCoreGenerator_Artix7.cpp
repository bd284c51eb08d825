#include "clockcore/ClockCoreGenerator_Artix7.h"

#include "clockcore/ClockWizardObjects.h"
#include "clockcore/MmcmParameterSearch.h"

bool TClockCoreGenerator_Artix7::IsValidClockCore(TComPtr<IDispatch> ClockCore) {
  const TClockModifierData data = TClockCore(std::move(ClockCore)).GetModifierData("CLKOUT0");
  if (!data.Assigned()) return false;
  const double multiply = data.GetMultiply();
  const double vco = multiply * data.GetInputFrequency();
  if (!(vco > clockcore::kMinVcoFrequency && vco < clockcore::kMaxVcoFrequency)) return false;
  return clockcore::IsAchievableRatio(multiply / data.GetDivide());
}
