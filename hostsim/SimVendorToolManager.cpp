#include "hostsim/SimVendorToolManager.h"

#include <fstream>
#include <sstream>

#include "host/HostWorkspace.h"
#include "platform/IniFile.h"

bool TSimVendorToolManager::DispatchOwn(DISPID id, DISPPARAMS* params, VARIANT* result, HRESULT& status) {
  static const TDispatchTable<TSimVendorToolManager> table{
      {vendor_tools_dispid::kIsToolPresent, Op<&TSimVendorToolManager::IsToolPresent>},
      {vendor_tools_dispid::kIsToolUpToDate, Op<&TSimVendorToolManager::IsToolUpToDate>},
      {vendor_tools_dispid::kToolDescriptor, Op<&TSimVendorToolManager::ToolDescriptor>},
      {vendor_tools_dispid::kToolPath, Op<&TSimVendorToolManager::ToolPath>},
      {vendor_tools_dispid::kVersionText, Op<&TSimVendorToolManager::VersionText>},
      {vendor_tools_dispid::kVersionNumber, Op<&TSimVendorToolManager::VersionNumber>},
      {vendor_tools_dispid::kToolBinaryFolder, Op<&TSimVendorToolManager::ToolBinaryFolder>},
      {vendor_tools_dispid::kToolFolder, Op<&TSimVendorToolManager::ToolFolder>},
  };
  return table.Dispatch(*this, id, params, result, status);
}

const TSimVendorTools* TSimVendorToolManager::Find(const std::string& vendor) const {
  const auto it = FVendors.find(vendor);
  return it != FVendors.end() ? &it->second : nullptr;
}

bool TSimVendorToolManager::IsToolPresent(std::string vendor) {
  const TSimVendorTools* tools = Find(vendor);
  return tools != nullptr && tools->Present;
}

bool TSimVendorToolManager::IsToolUpToDate(std::string vendor) {
  const TSimVendorTools* tools = Find(vendor);
  return tools != nullptr && tools->UpToDate;
}

std::string TSimVendorToolManager::ToolDescriptor(std::string vendor) {
  const TSimVendorTools* tools = Find(vendor);
  return tools != nullptr ? tools->Descriptor : std::string();
}

std::string TSimVendorToolManager::ToolPath(std::string vendor, std::string tool) {
  const TSimVendorTools* tools = Find(vendor);
  if (tools == nullptr) return {};
  const auto it = tools->ToolPaths.find(tool);
  return it != tools->ToolPaths.end() ? it->second : std::string();
}

std::string TSimVendorToolManager::VersionText(std::string vendor) {
  const TSimVendorTools* tools = Find(vendor);
  return tools != nullptr ? tools->VersionText : std::string();
}

std::int32_t TSimVendorToolManager::VersionNumber(std::string vendor) {
  const TSimVendorTools* tools = Find(vendor);
  return tools != nullptr ? tools->VersionNumber : 0;
}

std::string TSimVendorToolManager::ToolBinaryFolder(std::string vendor) {
  const TSimVendorTools* tools = Find(vendor);
  return tools != nullptr ? tools->BinFolder : std::string();
}

std::string TSimVendorToolManager::ToolFolder(std::string vendor, std::int32_t index) {
  const TSimVendorTools* tools = Find(vendor);
  if (tools == nullptr || index < 0 || static_cast<std::size_t>(index) >= tools->Folders.size()) return {};
  return tools->Folders[static_cast<std::size_t>(index)];
}

bool TSimVendorToolManager::LoadConfiguration(const std::string& iniPath) {
  std::ifstream in(iniPath, std::ios::binary);
  if (!in) return false;
  std::ostringstream content;
  content << in.rdbuf();
  const std::string textContent = content.str();
  const platform::TIniFile ini = platform::TIniFile::FromText(textContent);
  // Section names and the Tool.* keys are not known up front: walk the text for them.
  std::string section;
  for (std::string_view raw : text::Split(textContent, '\n')) {
    const std::string_view line = text::Trim(raw);
    if (line.starts_with('[') && line.find(']') != std::string_view::npos) {
      section = std::string(text::Trim(line.substr(1, line.find(']') - 1)));
      TSimVendorTools& tools = Vendor(section);
      auto flag = [&](const char* key) { return text::ParseInt(ini.ReadString(section, key, "0")).value_or(0) != 0; };
      tools.Present = flag("Present");
      tools.UpToDate = flag("UpToDate");
      tools.Descriptor = ini.ReadString(section, "Descriptor");
      tools.VersionText = ini.ReadString(section, "VersionText");
      tools.VersionNumber = static_cast<std::int32_t>(text::ParseInt(ini.ReadString(section, "VersionNumber", "0")).value_or(0));
      tools.BinFolder = ini.ReadString(section, "BinFolder");
      tools.Folders.clear();
      for (int i = 0; ini.HasKey(section, "Folder" + std::to_string(i)); ++i)
        tools.Folders.push_back(ini.ReadString(section, "Folder" + std::to_string(i)));
      continue;
    }
    const auto equals = line.find('=');
    if (section.empty() || equals == std::string_view::npos) continue;
    const std::string_view key = text::Trim(line.substr(0, equals));
    if (text::StartsWithNoCase(key, "Tool.")) {
      const std::string tool(key.substr(5));
      Vendor(section).ToolPaths.emplace(tool, ini.ReadString(section, key));
    }
  }
  return true;
}

bool TSimQuillWorkspace::DispatchOwn(DISPID id, DISPPARAMS* params, VARIANT* result, HRESULT& status) {
  static const TDispatchTable<TSimQuillWorkspace> table{
      {vendor_tools_dispid::kVendorToolManager, Op<&TSimQuillWorkspace::VendorToolManager>},
  };
  return table.Dispatch(*this, id, params, result, status);
}
