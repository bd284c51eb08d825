// The chain object and the part's position, fetched freshly from the host device object
// before every channel sequence.
#pragma once

#include <cstdint>
#include <optional>

#include "host/JTagChannel.h"

namespace jtag {

struct TChainAccess {
  TJTagChannel Channel;
  std::int32_t Index = 0;
};

// Empty when there is no device object or the device has no chain.
std::optional<TChainAccess> ChainOf(const TComPtr<IDispatch>& quillDevice);

// The driver's own members, called through its IDispatch interface as the host would.
TComPtr<IDispatch> DriverQuillDevice(IDispatch* driver);
std::string DriverFamilyName(IDispatch* driver);

}  // namespace jtag
