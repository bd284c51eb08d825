// quillhost: a host harness that loads a device plug-in the way the design environment does
// and drives it from the command line.
#include <CLI/CLI.hpp>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <exception>
#include <string>

#include "tools/quillhost/Verbs.h"

int main(int argc, char** argv) {
  CLI::App app{"quillhost - loads a device plug-in like the host does and drives it on a simulated JTAG chain"};
  std::string pluginPath;
  app.add_option("--plugin", pluginPath, "plug-in file to load (default: Device_Artix7.QLL beside quillhost)");
  std::string bsdlDir;
  app.add_option("--bsdl-dir", bsdlDir, "folder searched first for the parts' BSDL files (before ARTIX7_BSDL_PATH)");
  app.require_subcommand(1);
  app.fallthrough();
  auto& verbs = RegisteredVerbs();
  std::sort(verbs.begin(), verbs.end(), [](const TVerb& a, const TVerb& b) { return a.Name < b.Name; });
  std::vector<std::pair<CLI::App*, TVerb*>> commands;
  for (TVerb& verb : verbs) {
    CLI::App* cmd = app.add_subcommand(verb.Name, verb.Description);
    verb.Run = verb.Setup(*cmd);
    commands.emplace_back(cmd, &verb);
  }
  try {
    app.parse(argc, argv);
  } catch (const CLI::ParseError& e) {
    return app.exit(e);
  }
  SetPluginPath(pluginPath);
  // The plug-in searches the folders of ARTIX7_BSDL_PATH for a part's BSDL file.
  if (!bsdlDir.empty()) {
    const char* previous = std::getenv("ARTIX7_BSDL_PATH");
    const std::string path = previous != nullptr && *previous != '\0' ? bsdlDir + ":" + previous : bsdlDir;
    setenv("ARTIX7_BSDL_PATH", path.c_str(), 1);
  }
  try {
    for (auto& [cmd, verb] : commands)
      if (cmd->parsed()) verb->Run();
  } catch (const std::exception& e) {
    std::fprintf(stderr, "quillhost: %s\n", e.what());
    return 1;
  }
  std::fflush(stdout);
  return ExitCode();
}
