#include "devices/DeviceFamilies.h"

#include <array>
#include <optional>
#include <string_view>

#include "host/HostFolders.h"
#include "platform/IniFile.h"
#include "platform/Text.h"

namespace {

struct TBuiltInFamily {
  std::string_view Family;
  std::string_view Vendor;
  std::string_view EDIF;
};

constexpr std::array<TBuiltInFamily, 77> kBuiltInFamilies{{
    {"ProASICPlus", "Actel", "PROASICPLUS"},
    {"ProASIC3", "Actel", "PROASIC3"},
    {"ProASIC3E", "Actel", "PROASIC3E"},
    {"IGLOO", "Actel", "IGLOO"},
    {"IGLOOE", "Actel", "IGLOOE"},
    {"IGLOOnano", "Actel", "IGLOOnano"},
    {"IGLOOPLUS", "Actel", "IGLOOPLUS"},
    {"Fusion", "Actel", "FUSION"},
    {"SmartFusion", "Actel", "SMARTFUSION"},
    {"MAX3000A", "Altera", "MAX3000A"},
    {"MAX7000AE", "Altera", "MAX7000AE"},
    {"MAX7000B", "Altera", "MAX7000B"},
    {"MAX7000S", "Altera", "MAX7000S"},
    {"MAX2", "Altera", "MAX2"},
    {"MAX5", "Altera", "MAX5"},
    {"Cyclone", "Altera", "CYCLONE"},
    {"Cyclone2", "Altera", "CYCLONE2"},
    {"Cyclone3", "Altera", "CYCLONE3"},
    {"Cyclone4E", "Altera", "CYCLONE4E"},
    {"Cyclone4GX", "Altera", "CYCLONE4GX"},
    {"Stratix", "Altera", "STRATIX"},
    {"StratixGX", "Altera", "STRATIXGX"},
    {"Stratix2", "Altera", "STRATIX2"},
    {"Stratix2GX", "Altera", "STRATIX2GX"},
    {"Stratix3", "Altera", "STRATIX3"},
    {"Stratix4", "Altera", "STRATIX4"},
    {"ArriaGX", "Altera", "ARRIAGX"},
    {"Arria2GX", "Altera", "ARRIA2GX"},
    {"Arria2GZ", "Altera", "ARRIA2GZ"},
    {"EC", "Lattice", "EC"},
    {"ECP", "Lattice", "ECP"},
    {"ECP2", "Lattice", "ECP2"},
    {"ECP2M", "Lattice", "ECP2M"},
    {"XP", "Lattice", "XP"},
    {"XP2", "Lattice", "XP2"},
    {"MachXO", "Lattice", "MACHXO"},
    {"MachXO2", "Lattice", "MACHXO2"},
    {"SC", "Lattice", "SC"},
    {"SCM", "Lattice", "SCM"},
    {"ispXPLD5000MX", "Lattice", "ISPXPLD5000MX"},
    {"ispMACH4000B", "Lattice", "ispMACH4000B"},
    {"ispMACH4000C", "Lattice", "ispMACH4000C"},
    {"ispMACH4000V", "Lattice", "ispMACH4000V"},
    {"ispMACH4000Z", "Lattice", "ispMACH4000Z"},
    {"XC9500", "Xilinx", "XC9500"},
    {"XC9500XL", "Xilinx", "XC9500XL"},
    {"XA9500XL", "Xilinx", "XA9500XL"},
    {"XC9500XV", "Xilinx", "XC9500XV"},
    {"CoolRunner2", "Xilinx", "COOLRUNNER2"},
    {"XACoolRunner2", "Xilinx", "XACOOLRUNNER2"},
    {"CoolRunnerXPLA3", "Xilinx", "COOLRUNNERXPLA3"},
    {"Spartan2", "Xilinx", "SPARTAN2"},
    {"Spartan2E", "Xilinx", "SPARTAN2E"},
    {"Spartan3", "Xilinx", "SPARTAN3"},
    {"Spartan3E", "Xilinx", "SPARTAN3E"},
    {"XASpartan3E", "Xilinx", "XASPARTAN3E"},
    {"Spartan3L", "Xilinx", "SPARTAN3L"},
    {"Spartan3A", "Xilinx", "SPARTAN3A"},
    {"XASpartan3A", "Xilinx", "XASPARTAN3A"},
    {"Spartan3ADSP", "Xilinx", "SPARTAN3ADSP"},
    {"XASpartan3ADSP", "Xilinx", "XASPARTAN3ADSP"},
    {"Spartan3AN", "Xilinx", "SPARTAN3AN"},
    {"Spartan6", "Xilinx", "SPARTAN6"},
    {"Virtex", "Xilinx", "VIRTEX"},
    {"VirtexE", "Xilinx", "VIRTEXE"},
    {"Virtex2", "Xilinx", "VIRTEX2"},
    {"Virtex2P", "Xilinx", "VIRTEX2P"},
    {"Virtex4", "Xilinx", "VIRTEX4"},
    {"Virtex5", "Xilinx", "VIRTEX5"},
    {"Virtex6", "Xilinx", "VIRTEX6"},
    {"XC17V00", "Xilinx", ""},
    {"XC18V00", "Xilinx", ""},
    {"XCF", "Xilinx", ""},
    {"BLUESTREAK", "Sharp", ""},
    {"PPC405", "AMCC", ""},
    {"Stellaris", "TexasInstruments", ""},
    {"STM32", "STMicroelectronics", ""},
}};

constexpr const char* kGeneralSection = "General";

std::map<std::string, TDeviceFamilyInfo>& Registry() {
  static std::map<std::string, TDeviceFamilyInfo> registry;
  return registry;
}
bool& RegistryBuilt() {
  static bool built = false;
  return built;
}

// The configuration file of a plug-in folder, when the folder has one.
std::optional<platform::TIniFile> ConfigurationOf(const std::string& folder) {
  platform::TIniFile ini(folder + kQuillConfigFile);
  if (!ini.Exists()) return std::nullopt;
  return ini;
}

void AddConfiguredFamily(const platform::TIniFile& ini) {
  std::string values[3];
  const char* keys[3] = {"DeviceFamily", "DeviceVendor", "EDIF"};
  for (int i = 0; i < 3; ++i) {
    values[i] = ini.ReadString(kGeneralSection, keys[i]);
    if (values[i].empty()) return;  // an incomplete declaration contributes nothing
  }
  Registry()[values[0]] = TDeviceFamilyInfo{values[1], values[2]};
}

}  // namespace

void InitDeviceFamilies() {
  if (RegistryBuilt()) return;
  RegistryBuilt() = true;
  auto& registry = Registry();
  for (const TBuiltInFamily& row : kBuiltInFamilies)
    registry[std::string(row.Family)] = TDeviceFamilyInfo{std::string(row.Vendor), std::string(row.EDIF)};
  for (const std::string& folder : RegisteredPluginFolders())
    if (const auto ini = ConfigurationOf(folder)) AddConfiguredFamily(*ini);
}

void ResetDeviceFamilies() {
  Registry().clear();
  RegistryBuilt() = false;
}

const std::map<std::string, TDeviceFamilyInfo>& DeviceFamilies() {
  InitDeviceFamilies();
  return Registry();
}

std::string GetDeviceFamilyVendor(const std::string& family) {
  const auto& registry = DeviceFamilies();
  const auto it = registry.find(family);
  return it != registry.end() ? it->second.VendorName : std::string();
}

bool GetValueFromExtensions(const std::string& family, const std::string& param, const std::string& section,
                            std::string& value) {
  value.clear();
  for (const std::string& folder : RegisteredPluginFolders()) {
    const auto ini = ConfigurationOf(folder);
    if (!ini || !text::EqualsNoCase(ini->ReadString(kGeneralSection, "DeviceFamily"), family)) continue;
    std::string found = ini->ReadString(section, param);
    if (found.empty()) continue;
    value = std::move(found);
    return true;
  }
  return false;
}

bool GetValueFromExtensions(const std::string& family, const std::string& param, const std::string& section,
                            std::int32_t& value) {
  std::string textValue;
  value = -1;
  if (!GetValueFromExtensions(family, param, section, textValue)) return false;
  const auto parsed = text::ParseInt(textValue);
  if (parsed && *parsed >= INT32_MIN && *parsed <= INT32_MAX) value = static_cast<std::int32_t>(*parsed);
  return true;
}

bool GetValueFromExtensionsAsFlag(const std::string& family, const std::string& param, const std::string& section) {
  std::int32_t value = 0;
  return GetValueFromExtensions(family, param, section, value) && value != 0;
}
