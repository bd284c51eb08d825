#include "tools/quillhost/Verbs.h"

#include <memory>

#include "host/QuillError.h"
#include "hostsim/HostSim.h"
#include "hostsim/PluginModule.h"
#include "platform/Files.h"

namespace {
std::string gPluginPath;
std::unique_ptr<TPluginModule> gPlugin;
std::unique_ptr<THostSim> gHost;
int gExitCode = 0;
}  // namespace

std::vector<TVerb>& RegisteredVerbs() {
  static std::vector<TVerb> verbs;
  return verbs;
}

TVerbRegistration::TVerbRegistration(std::string name, std::string description,
                                     std::function<std::function<void()>(CLI::App&)> setup) {
  RegisteredVerbs().push_back({std::move(name), std::move(description), std::move(setup), {}});
}

void SetPluginPath(const std::string& path) { gPluginPath = path; }

TPluginModule& Plugin() {
  if (!gPlugin) gPlugin = std::make_unique<TPluginModule>(gPluginPath.empty() ? TPluginModule::DefaultPath() : gPluginPath);
  return *gPlugin;
}

THostSim& Host() {
  if (!gHost) StartHost({});
  return *gHost;
}

void StartHost(const THostOptions& options) {
  gHost = std::make_unique<THostSim>();
  gHost->Install();
  gHost->SetEchoMessageBoxes(true);
  const std::string pluginPath = gPluginPath.empty() ? TPluginModule::DefaultPath() : gPluginPath;
  if (options.DefaultRegistry) gHost->PluginRegistry().Add(platform::ExtractFilePath(pluginPath));
  for (const std::string& folder : options.RegistryFolders)
    gHost->PluginRegistry().Add(platform::IncludeTrailingPathDelimiter(folder));
  if (!options.VendorTools.empty() && !gHost->VendorTools().LoadConfiguration(options.VendorTools))
    throw EQuillError("cannot read the vendor-tool configuration " + options.VendorTools);
}

void StopHost() { gHost.reset(); }

TComPtr<IDispatch> AttachedDriver(std::int32_t kind) {
  TComPtr<IDispatch> driver = Plugin().Driver(kind);
  if (driver) Host().AttachDevice(driver);
  return driver;
}

void SetExitCode(int code) { gExitCode = code; }
int ExitCode() { return gExitCode; }
