// Wrappers of the host's workspace (IWorkspace), its FPGA workbench with the vendor-tool
// manager, and the device manager. Without a host object every member is a no-op answering
// none.
#pragma once

#include <cstdint>
#include <string>

#include "host/HostManagers.h"

namespace workspace_dispid {
constexpr DISPID kProjectByIndex = 501402;
constexpr DISPID kProjectCount = 501404;
constexpr DISPID kProjectByPath = 501413;
constexpr DISPID kLogLine = 501423;
constexpr DISPID kOutputSetting = 501447;
constexpr DISPID kMessagesManager = 508377;
}  // namespace workspace_dispid

class TWorkspace : public THostObject {
 public:
  using THostObject::THostObject;
  TComPtr<IDispatch> ProjectByPath(const std::string& path) const {
    return CallIfAssigned<TComPtr<IDispatch>>(workspace_dispid::kProjectByPath, path);
  }
  TComPtr<IDispatch> ProjectByIndex(std::int32_t index) const {
    return CallIfAssigned<TComPtr<IDispatch>>(workspace_dispid::kProjectByIndex, index);
  }
  std::int32_t ProjectCount() const { return CallIfAssigned<std::int32_t>(workspace_dispid::kProjectCount); }
  void LogLine(const std::string& text) const { CallIfAssigned(workspace_dispid::kLogLine, text, false, false); }
  std::int32_t OutputSetting() const { return CallIfAssigned<std::int32_t>(workspace_dispid::kOutputSetting); }
  TMessagesManager MessagesManager() const {
    return TMessagesManager(CallIfAssigned<TComPtr<IDispatch>>(workspace_dispid::kMessagesManager));
  }
};

// The vendor-tool manager: where the vendors' implementation tools are and which version.
// The DISPIDs of the presence, up-to-date, descriptor and version-text members and of the
// workbench's manager getter are this host's own numbering next to the tool-path members.
namespace vendor_tools_dispid {
constexpr DISPID kVendorToolManager = 509000;  // on the workbench
constexpr DISPID kIsToolPresent = 509001;
constexpr DISPID kIsToolUpToDate = 509002;
constexpr DISPID kToolDescriptor = 509003;
constexpr DISPID kToolPath = 509004;
constexpr DISPID kVersionText = 509005;
constexpr DISPID kVersionNumber = 509006;
constexpr DISPID kToolBinaryFolder = 509007;
constexpr DISPID kToolFolder = 509008;
}  // namespace vendor_tools_dispid

class TVendorToolManager : public THostObject {
 public:
  using THostObject::THostObject;
  bool IsToolPresent(const std::string& vendor) const {
    return CallIfAssigned<bool>(vendor_tools_dispid::kIsToolPresent, vendor);
  }
  bool IsToolUpToDate(const std::string& vendor) const {
    return CallIfAssigned<bool>(vendor_tools_dispid::kIsToolUpToDate, vendor);
  }
  std::string GetToolDescriptor(const std::string& vendor) const {
    return CallIfAssigned<std::string>(vendor_tools_dispid::kToolDescriptor, vendor);
  }
  std::string GetToolPath(const std::string& vendor, const std::string& tool) const {
    return CallIfAssigned<std::string>(vendor_tools_dispid::kToolPath, vendor, tool);
  }
  std::string GetVersionText(const std::string& vendor) const {
    return CallIfAssigned<std::string>(vendor_tools_dispid::kVersionText, vendor);
  }
  std::int32_t GetVersionNumber(const std::string& vendor) const {
    return CallIfAssigned<std::int32_t>(vendor_tools_dispid::kVersionNumber, vendor);
  }
  std::string GetToolBinaryFolder(const std::string& vendor) const {
    return CallIfAssigned<std::string>(vendor_tools_dispid::kToolBinaryFolder, vendor);
  }
  std::string GetToolFolder(const std::string& vendor, std::int32_t index) const {
    return CallIfAssigned<std::string>(vendor_tools_dispid::kToolFolder, vendor, index);
  }
};

// The FPGA workbench (GetQuillWorkspace).
class TQuillWorkspace : public THostObject {
 public:
  using THostObject::THostObject;
  TVendorToolManager VendorToolManager() const {
    return TVendorToolManager(CallIfAssigned<TComPtr<IDispatch>>(vendor_tools_dispid::kVendorToolManager));
  }
};

namespace device_manager_dispid {
constexpr DISPID kBrowseDevice = 504001;
constexpr DISPID kDeviceInformation = 504002;
constexpr DISPID kSameDevice = 504007;
constexpr DISPID kFamilyManager = 504014;
constexpr DISPID kGenericDeviceManager = 504015;
}  // namespace device_manager_dispid

class TDeviceManager : public THostObject {
 public:
  using THostObject::THostObject;
  void BrowseDevice(const std::string& deviceName, const std::string& parameters) const {
    CallIfAssigned(device_manager_dispid::kBrowseDevice, deviceName, parameters);
  }
  // The device information of a device name, or none.
  TComPtr<IDispatch> DeviceInformation(const std::string& deviceName) const {
    return CallIfAssigned<TComPtr<IDispatch>>(device_manager_dispid::kDeviceInformation, deviceName);
  }
  TComPtr<IDispatch> FamilyManager() const {
    return CallIfAssigned<TComPtr<IDispatch>>(device_manager_dispid::kFamilyManager);
  }
  TComPtr<IDispatch> GenericDeviceManager() const {
    return CallIfAssigned<TComPtr<IDispatch>>(device_manager_dispid::kGenericDeviceManager);
  }
};

TWorkspace HostWorkspace();
TQuillWorkspace HostQuillWorkspace();
// The vendor-tool manager of the host's FPGA flow module (unassigned when not available).
TVendorToolManager HostVendorToolManager();
TDeviceManager HostDeviceManager();
