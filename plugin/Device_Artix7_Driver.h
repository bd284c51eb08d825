// TDevice_Artix7Driver: the driver class the plug-in exports, one object per request.
#pragma once

#include "devices/DeviceData.h"

class TDevice_Artix7Driver : public TDeviceData {
 public:
  explicit TDevice_Artix7Driver(TDeviceKind kind);
};

// A new driver of `kind`. It ignores the host's reference counting and lives until the library
// is unloaded. Null for a kind outside 0..46.
TDevice_Artix7Driver* CreateArtix7Driver(std::int32_t kind);
