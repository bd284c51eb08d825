// The verbs of quillhost. Each verb file registers itself with a static TVerbRegistration
// whose set-up adds the verb's options and returns what the verb runs:
//
//   static TVerbRegistration reg{"list", "one line per driver kind", [](CLI::App& cmd) {
//     auto kind = std::make_shared<int>();
//     cmd.add_option("kind", *kind);
//     return [kind] { ... };
//   }};
//
// A verb ends with exit code 0 unless it calls SetExitCode or throws (the message goes to
// standard error, exit code 1).
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "host/ComPtr.h"
#include "platform/OleAuto.h"

namespace CLI {
class App;
}
class TPluginModule;
class THostSim;

struct TVerb {
  std::string Name;
  std::string Description;
  std::function<std::function<void()>(CLI::App&)> Setup;
  std::function<void()> Run;
};

class TVerbRegistration {
 public:
  TVerbRegistration(std::string name, std::string description,
                    std::function<std::function<void()>(CLI::App&)> setup);
};

std::vector<TVerb>& RegisteredVerbs();

// The plug-in named by --plugin (default: the one beside quillhost), loaded on first use.
TPluginModule& Plugin();
void SetPluginPath(const std::string& path);

// The simulated host the verbs run in, installed before any verb runs.
THostSim& Host();
struct THostOptions {
  std::vector<std::string> RegistryFolders;  // added to the plug-in registry in this order
  bool DefaultRegistry = true;               // the plug-in's own folder comes first
  std::string VendorTools;                   // INI file configuring the vendor-tool manager
};
void StartHost(const THostOptions& options);
// Shuts the host down; it holds plug-in objects, so this runs before the plug-in unloads.
void StopHost();
// A driver of the plug-in with a host device object attached (SetQuillDevice), for verbs that
// reach the part through the host; plain probes such as call leave the driver unattached.
TComPtr<IDispatch> AttachedDriver(std::int32_t kind);

void SetExitCode(int code);
int ExitCode();
