#include "hostsim/SimQuillDevice.h"

#include "host/HostObject.h"

namespace {

constexpr DISPID kFirstDeviceInformation = 503379;
constexpr DISPID kLastDeviceInformation = 503424;
constexpr DISPID kDriver_ResetDevice = 503786;
constexpr DISPID kDriver_GetDeviceState = 503787;
constexpr DISPID kDriver_ProgramDevice = 503788;

}  // namespace

bool TSimQuillDevice::DispatchOwn(DISPID id, DISPPARAMS* params, VARIANT* result, HRESULT& status) {
  static const TDispatchTable<TSimQuillDevice> table{
      {503629, Op<&TSimQuillDevice::GetJTagIndex>},
      {503630, Op<&TSimQuillDevice::GetJTagChannel>},
      {503635, Op<&TSimQuillDevice::GetDriver>},
      {503636, Op<&TSimQuillDevice::ResetDevice>},
      {503637, Op<&TSimQuillDevice::DeviceState>},
      {503638, Op<&TSimQuillDevice::ProgramDevice>},
      {503661, Op<&TSimQuillDevice::RegisterObject>},
      {503666, Op<&TSimQuillDevice::ReadRegister>},
      {503667, Op<&TSimQuillDevice::WriteRegister>},
      {503675, Op<&TSimQuillDevice::BeginDeviceAccess>},
      {503676, Op<&TSimQuillDevice::EndDeviceAccess>},
  };
  if (table.Dispatch(*this, id, params, result, status)) return true;
  if (id >= kFirstDeviceInformation && id <= kLastDeviceInformation && FDriver) {
    status = FDriver->Invoke(id, IID_NULL, 0, DISPATCH_METHOD, params, result, nullptr, nullptr);
    return true;
  }
  return false;
}

std::int32_t TSimQuillDevice::Register(std::int32_t reg) const {
  const auto it = FRegisters.find(reg);
  return it != FRegisters.end() ? it->second : 0;
}

bool TSimQuillDevice::ResetDevice() {
  return FDriver && THostObject(FDriver).Call<bool>(kDriver_ResetDevice);
}

std::int32_t TSimQuillDevice::DeviceState() {
  return FDriver ? THostObject(FDriver).Call<std::int32_t>(kDriver_GetDeviceState) : 0;
}

std::int32_t TSimQuillDevice::ProgramDevice(std::string fileName) {
  return FDriver ? THostObject(FDriver).Call<std::int32_t>(kDriver_ProgramDevice, fileName) : 0;
}
