#include "hostsim/SimDeviceManager.h"

#include "host/HostObject.h"
#include "host/HostWorkspace.h"
#include "platform/Text.h"

namespace {
constexpr DISPID kGetDeviceName = 503380;
}

bool TSimDeviceManager::DispatchOwn(DISPID id, DISPPARAMS* params, VARIANT* result, HRESULT& status) {
  static const TDispatchTable<TSimDeviceManager> table{
      {device_manager_dispid::kBrowseDevice, Op<&TSimDeviceManager::BrowseDevice>},
      {device_manager_dispid::kDeviceInformation, Op<&TSimDeviceManager::DeviceInformation>},
      {device_manager_dispid::kSameDevice, Op<&TSimDeviceManager::SameDevice>},
      {device_manager_dispid::kFamilyManager, Op<&TSimDeviceManager::FamilyManager>},
      {device_manager_dispid::kGenericDeviceManager, Op<&TSimDeviceManager::GenericDeviceManager>},
  };
  return table.Dispatch(*this, id, params, result, status);
}

TComPtr<IDispatch> TSimDeviceManager::DeviceInformation(std::string deviceName) {
  for (const TComPtr<IDispatch>& device : FDevices)
    if (text::EqualsNoCase(THostObject(device).Call<std::string>(kGetDeviceName), deviceName)) return device;
  return {};
}

bool TSimDeviceManager::SameDevice(std::string a, std::string b) { return text::EqualsNoCase(a, b); }
