#include "tools/quillhost/Verbs.h"

#include <memory>

#include "hostsim/PluginModule.h"

namespace {
std::string gPluginPath;
std::unique_ptr<TPluginModule> gPlugin;
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

void SetExitCode(int code) { gExitCode = code; }
int ExitCode() { return gExitCode; }
