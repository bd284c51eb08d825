// The device-family registry: which vendor (and EDIF library) a device family belongs to,
// built once from a built-in list and the "QuillConfig.ini" files of the registered plug-in
// folders, and GetValueFromExtensions, which reads any per-family value from those files.
#pragma once

#include <cstdint>
#include <map>
#include <string>

struct TDeviceFamilyInfo {
  std::string VendorName;
  std::string EDIF;
};

constexpr const char* kQuillConfigFile = "QuillConfig.ini";

// Builds the registry unless it exists. Family names are keys compared exactly, with case.
void InitDeviceFamilies();
// The registered vendor of `family`, or "".
std::string GetDeviceFamilyVendor(const std::string& family);
// The whole registry (built on first use); later folders override earlier ones.
const std::map<std::string, TDeviceFamilyInfo>& DeviceFamilies();
// Forgets the registry so that the next lookup builds it again. The plug-in never does this
// (the registry lives as long as the library); tests that change the plug-in folders do.
void ResetDeviceFamilies();

// The first non-empty [section] param value in a configuration file whose [General]
// DeviceFamily equals `family` without regard to case. Files are read afresh on every call.
bool GetValueFromExtensions(const std::string& family, const std::string& param, const std::string& section,
                            std::string& value);
// The found value as an integer (-1 when it is not one).
bool GetValueFromExtensions(const std::string& family, const std::string& param, const std::string& section,
                            std::int32_t& value);
// True when a value is found and its integer form is not 0.
bool GetValueFromExtensionsAsFlag(const std::string& family, const std::string& param, const std::string& section);
