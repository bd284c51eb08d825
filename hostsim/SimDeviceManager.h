// The simulated device manager: finds device information by device name among the drivers
// the host knows, and records browse requests.
#pragma once

#include <string>
#include <vector>

#include "hostsim/SimObject.h"

class TSimDeviceManager : public TSimObject {
 public:
  using TSimObject::TSimObject;

  // A driver (or any device-information object) the manager can find by its device name.
  void AddDeviceInformation(TComPtr<IDispatch> information) { FDevices.push_back(std::move(information)); }

 protected:
  bool DispatchOwn(DISPID id, DISPPARAMS* params, VARIANT* result, HRESULT& status) override;

 private:
  void BrowseDevice(std::string, std::string) {}
  TComPtr<IDispatch> DeviceInformation(std::string deviceName);
  bool SameDevice(std::string a, std::string b);
  TComPtr<IDispatch> FamilyManager() { return {}; }
  TComPtr<IDispatch> GenericDeviceManager() { return {}; }

  std::vector<TComPtr<IDispatch>> FDevices;
};
