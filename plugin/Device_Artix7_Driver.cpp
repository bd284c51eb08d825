#include "plugin/Device_Artix7_Driver.h"

#include <memory>
#include <vector>

#include "clockcore/ClockCoreGenerator_Artix7.h"
#include "clockcore/ClockCoreTemplateGenerator_Artix7.h"
#include "clockcore/TargetCoreGenerator_Artix7.h"
#include "jtag/BitstreamProgrammer.h"
#include "jtag/DeviceControl.h"

TDevice_Artix7Driver::TDevice_Artix7Driver(TDeviceKind kind) : TDeviceData(kind, ".EDN") {}

TComPtr<IDispatch> TDevice_Artix7Driver::ClockCoreGenerator() { return MakeObject<TClockCoreGenerator_Artix7>(); }

TComPtr<IDispatch> TDevice_Artix7Driver::ClockCoreTemplateGenerator() {
  return MakeObject<TClockCoreTemplateGenerator_Artix7>();
}

TComPtr<IDispatch> TDevice_Artix7Driver::ClockGeneratorTargetCore() {
  return MakeObject<TTargetCoreGenerator_Artix7>(this);
}

// The JTAG operations reach the device object and the family through the driver's own
// dispatch interface, exactly as the host would; ReadUserCode uses the stored device object.
bool TDevice_Artix7Driver::ResetDevice() { return jtag::ResetDevice(AsDispatch()); }
std::int32_t TDevice_Artix7Driver::GetDeviceState() { return jtag::GetDeviceState(AsDispatch()); }
std::int32_t TDevice_Artix7Driver::ProgramDevice(const std::string& FileName) {
  return jtag::ProgramDevice(AsDispatch(), FileName, jtag::HostJTagServices());
}
std::uint32_t TDevice_Artix7Driver::ReadUserCode() { return jtag::ReadUserCode(FQuillDevice); }

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
