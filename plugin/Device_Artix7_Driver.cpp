#include "plugin/Device_Artix7_Driver.h"

#include <memory>
#include <vector>

#include "clockcore/ClockCoreGenerator_Artix7.h"
#include "clockcore/ClockCoreTemplateGenerator_Artix7.h"
#include "clockcore/TargetCoreGenerator_Artix7.h"

TDevice_Artix7Driver::TDevice_Artix7Driver(TDeviceKind kind) : TDeviceData(kind, ".EDN") {}

TComPtr<IDispatch> TDevice_Artix7Driver::ClockCoreGenerator() { return MakeObject<TClockCoreGenerator_Artix7>(); }

TComPtr<IDispatch> TDevice_Artix7Driver::ClockCoreTemplateGenerator() {
  return MakeObject<TClockCoreTemplateGenerator_Artix7>();
}

TComPtr<IDispatch> TDevice_Artix7Driver::ClockGeneratorTargetCore() {
  return MakeObject<TTargetCoreGenerator_Artix7>(this);
}

namespace {

// Every driver handed out, freed when the library is unloaded.
std::vector<std::unique_ptr<TDevice_Artix7Driver>>& LiveDrivers() {
  static std::vector<std::unique_ptr<TDevice_Artix7Driver>> drivers;
  return drivers;
}

}  // namespace

TDevice_Artix7Driver* CreateArtix7Driver(std::int32_t kind) {
  if (!IsValidDeviceKind(kind)) return nullptr;
  auto& drivers = LiveDrivers();
  drivers.emplace_back(NewUncounted<TDevice_Artix7Driver>(static_cast<TDeviceKind>(kind)));
  return drivers.back().get();
}
