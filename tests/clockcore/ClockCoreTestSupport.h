// Shared set-up of the clock-core tests: the generators come from a driver of the loaded
// plug-in, exactly as the host's clock wizard obtains them.
#pragma once

#include <string>
#include <vector>

#include "host/ComPtr.h"
#include "hostsim/SimTargetCore.h"
#include "hostsim/SimTextFile.h"
#include "support/TestSupport.h"

namespace clockcore_test {

inline constexpr DISPID kClockCoreGenerator = 509376;
inline constexpr DISPID kClockCoreTemplateGenerator = 509427;
inline constexpr DISPID kClockGeneratorTargetCore = 509470;
inline constexpr DISPID kIsValidClockCore = 509375;
inline constexpr DISPID kFillTemplate = 509426;
inline constexpr DISPID kGenerateTargetCore = 509469;

// A new generator from the driver of `kind` through the factory DISPID.
TComPtr<IDispatch> NewGenerator(DISPID factory, std::int32_t kind = 0);

inline TComPtr<IDispatch> DispatchOf(TAbstractSupportService& object) { return TComPtr<IDispatch>(object.AsDispatch()); }

struct TOutputRequest {
  char Letter;
  std::int32_t Mode;  // 0 phase, 1 divide, 2 multiply
  double Value;
};

struct TNetlistRun {
  HRESULT Status = S_OK;
  std::vector<std::string> Lines;
  std::string Text;
  std::vector<std::string> Errors;
};

// Runs GenerateTargetCore for an input frequency and the listed outputs (the others unused).
TNetlistRun GenerateNetlist(double inputMhz, const std::vector<TOutputRequest>& outputs);

// The value of `(property NAME (string "VALUE"))` in the netlist, or "<missing>".
std::string PropertyValue(const TNetlistRun& run, const std::string& name);

// How many lines contain `fragment`.
std::size_t CountLinesWith(const TNetlistRun& run, const std::string& fragment);

}  // namespace clockcore_test
