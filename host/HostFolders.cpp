#include "host/HostFolders.h"

#include "host/HostClient.h"
#include "platform/Files.h"
#include "platform/Module.h"

namespace {

std::string& HostFolderOverride() {
  static std::string folder;
  return folder;
}

}  // namespace

void SetHostFolderOverride(std::string folder) { HostFolderOverride() = std::move(folder); }

std::string PluginFolder() {
  static const std::string folder = platform::ExtractFilePath(platform::ModuleFileOf(
      reinterpret_cast<const void*>(&PluginFolder)));
  return folder;
}

std::string PluginLibraryFolder() { return PluginFolder() + "Library" + platform::kPathDelimiter; }

std::string HostFolder() {
  if (!HostFolderOverride().empty()) return platform::IncludeTrailingPathDelimiter(HostFolderOverride());
  return platform::ExtractFilePath(platform::ExecutableFile());
}

std::string HostSystemFolder() { return HostFolder() + "System" + platform::kPathDelimiter; }

std::vector<std::string> RegisteredPluginFolders() {
  std::vector<std::string> folders;
  const TPluginRegistry registry = HostClient().PluginRegistry();
  const std::int32_t count = registry.Count();
  for (std::int32_t i = 0; i < count; ++i) {
    const TPluginRegistryItem item = registry.Item(i);
    if (!item.Assigned() || item.Skipped()) continue;
    const std::string folder = item.Folder();
    if (!folder.empty()) folders.push_back(platform::IncludeTrailingPathDelimiter(folder));
  }
  return folders;
}

std::string EmbeddedExtensionFolder() {
  if (platform::FileExists(HostSystemFolder() + kToolchainManagerFile)) return HostSystemFolder();
  for (const std::string& folder : RegisteredPluginFolders())
    if (platform::FileExists(folder + kToolchainManagerFile)) return folder;
  return std::string(1, platform::kPathDelimiter);
}

std::string FindHostFile(std::string_view name) {
  const std::string inSystem = HostSystemFolder() + std::string(name);
  if (platform::FileExists(inSystem)) return inSystem;
  for (const std::string& folder : RegisteredPluginFolders())
    if (platform::FileExists(folder + std::string(name))) return folder + std::string(name);
  return {};
}

std::string TempFolder() { return platform::TempFolder(); }

std::string NewTempFileName() { return platform::NewUniqueFile(platform::TempFolder(), "Pro"); }

bool IsRelativePath(std::string_view path) {
  return path.find(':') == std::string_view::npos && !path.starts_with("\\\\") &&
         !path.starts_with(platform::kPathDelimiter);
}

void* LoadHostModule(const std::string& name) {
  if (platform::ModuleHandle loaded = platform::FindLoadedModule(name)) return loaded;
  const std::string file = FindHostFile(name);
  return file.empty() ? nullptr : platform::LoadModule(file);
}
