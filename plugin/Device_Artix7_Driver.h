// TDevice_Artix7Driver: the driver class the plug-in exports, one object per request.
#pragma once

#include "devices/DeviceData.h"

class TDevice_Artix7Driver : public TDeviceData {
 public:
  explicit TDevice_Artix7Driver(TDeviceKind kind);

  // Clock-core generators: a new reference-counted object per call, released by the host.
  TComPtr<IDispatch> ClockCoreGenerator() override;
  TComPtr<IDispatch> ClockCoreTemplateGenerator() override;
  TComPtr<IDispatch> ClockGeneratorTargetCore() override;

  // Device control and configuration over the host's JTAG chain.
  bool ResetDevice() override;
  std::int32_t GetDeviceState() override;
  std::int32_t ProgramDevice(const std::string& FileName) override;
  std::uint32_t ReadUserCode() override;
};

// A new driver of `kind`. It ignores the host's reference counting and lives until the library
// is unloaded. Null for a kind outside 0..46.
TDevice_Artix7Driver* CreateArtix7Driver(std::int32_t kind);
