#include "jtag/ChainAccess.h"

namespace jtag {

std::optional<TChainAccess> ChainOf(const TComPtr<IDispatch>& quillDevice) {
  if (!quillDevice) return std::nullopt;
  const TQuillDevice device(quillDevice);
  TJTagChannel channel = device.GetJTagChannel();
  if (!channel.Assigned()) return std::nullopt;
  const std::int32_t index = device.GetJTagIndex();
  return TChainAccess{std::move(channel), index};
}

TComPtr<IDispatch> DriverQuillDevice(IDispatch* driver) {
  return THostObject(driver).Call<TComPtr<IDispatch>>(503753);
}

std::string DriverFamilyName(IDispatch* driver) { return THostObject(driver).Call<std::string>(503382); }

}  // namespace jtag
