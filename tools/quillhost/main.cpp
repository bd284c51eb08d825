// quillhost: a host harness that loads a device plug-in the way the design environment does
// and drives it from the command line. Verbs joined with "+" run one after the other in the
// same process, on the same simulated chain:
//
//   quillhost --chain 3:1 state 0 + program 0 design.bit + usercode 0
#include <CLI/CLI.hpp>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <exception>
#include <string>

#include "hostsim/HostSim.h"
#include "platform/Environment.h"
#include "tools/quillhost/SimulatedChain.h"
#include "tools/quillhost/Verbs.h"

namespace {

// The command line split at every "+" word; the first part keeps the program name.
std::vector<std::vector<std::string>> SplitAtPlus(int argc, char** argv) {
  std::vector<std::vector<std::string>> parts(1);
  for (int i = 1; i < argc; ++i) {
    if (std::string(argv[i]) == "+") parts.emplace_back();
    else parts.back().emplace_back(argv[i]);
  }
  for (auto& part : parts) std::reverse(part.begin(), part.end());  // CLI11 takes them last-first
  return parts;
}

}  // namespace

int main(int argc, char** argv) {
  CLI::App app{"quillhost - loads a device plug-in like the host does and drives it on a simulated JTAG chain"};
  app.name("quillhost");
  std::string pluginPath;
  std::string chainLayout;
  app.add_option("--plugin", pluginPath, "plug-in file to load (default: Device_Artix7.QLL beside quillhost)");
  std::string bsdlDir;
  app.add_option("--bsdl-dir", bsdlDir, "folder searched first for the parts' BSDL files (before ARTIX7_BSDL_PATH)");
  THostOptions hostOptions;
  bool noDefaultRegistry = false;
  bool printLog = false;
  app.add_option("--registry-folder", hostOptions.RegistryFolders,
                 "add a folder to the host's plug-in registry (repeatable; after the plug-in's own folder)")
      ->type_name("DIR");
  app.add_flag("--no-default-registry", noDefaultRegistry,
               "leave the loaded plug-in's folder out of the host's plug-in registry");
  app.add_option("--vendor-tools", hostOptions.VendorTools,
                 "INI file configuring the host's vendor-tool manager (one section per vendor)")
      ->type_name("FILE");
  app.add_flag("--log", printLog, "print the host event log after the run");
  app.add_option("--chain", chainLayout, "put the part at position POS of a chain of N devices (N:POS, default 1:0)");
  app.require_subcommand(1);
  app.fallthrough();
  app.footer("Verbs joined with '+' run one after the other on the same simulated chain.");
  auto& verbs = RegisteredVerbs();
  std::sort(verbs.begin(), verbs.end(), [](const TVerb& a, const TVerb& b) { return a.Name < b.Name; });
  std::vector<std::pair<CLI::App*, TVerb*>> commands;
  for (TVerb& verb : verbs) {
    CLI::App* cmd = app.add_subcommand(verb.Name, verb.Description);
    verb.Run = verb.Setup(*cmd);
    commands.emplace_back(cmd, &verb);
  }
  const auto parts = SplitAtPlus(argc, argv);
  int status = 0;
  for (std::size_t i = 0; i < parts.size() && status == 0; ++i) {
    std::vector<std::string> args = parts[i];
    try {
      app.clear();
      app.parse(args);
    } catch (const CLI::ParseError& e) {
      status = app.exit(e);
      break;
    }
    try {
      if (i == 0) {
        SetPluginPath(pluginPath);
        if (!chainLayout.empty()) SetChainLayout(ParseChainLayout(chainLayout));
        // The plug-in searches the folders of ARTIX7_BSDL_PATH for a part's BSDL file.
        if (!bsdlDir.empty()) {
          const std::string previous = platform::ReadEnvironmentVariable("ARTIX7_BSDL_PATH").value_or("");
          platform::WriteEnvironmentVariable(
              "ARTIX7_BSDL_PATH", previous.empty() ? bsdlDir : bsdlDir + platform::PathListSeparator() + previous);
        }
        hostOptions.DefaultRegistry = !noDefaultRegistry;
        StartHost(hostOptions);
      }
      for (auto& [cmd, verb] : commands)
        if (cmd->parsed()) verb->Run();
    } catch (const std::exception& e) {
      std::fflush(stdout);
      std::fprintf(stderr, "quillhost: %s\n", e.what());
      status = 1;
    }
    std::fflush(stdout);
  }
  if (printLog) {
    std::printf("host event log:\n");
    for (const THostEvent& event : Host().Log().Events()) std::printf("  %s\n", event.Text().c_str());
  }
  std::fflush(stdout);
  StopHost();
  if (status != 0) return status;
  return ExitCode();
}
