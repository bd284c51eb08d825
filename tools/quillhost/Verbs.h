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

namespace CLI {
class App;
}
class TPluginModule;

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

void SetExitCode(int code);
int ExitCode();
