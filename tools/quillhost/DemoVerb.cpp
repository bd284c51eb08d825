// quillhost demo: a short tour of what the plug-in answers a host.
#include <CLI/CLI.hpp>

#include <cstdio>

#include "host/HostObject.h"
#include "hostsim/PluginModule.h"
#include "tools/quillhost/Verbs.h"

namespace {

void ShowPart(const TPluginModule& plugin, std::int32_t kind) {
  const THostObject driver(plugin.Driver(kind));
  auto text = [&](DISPID id) { return driver.Call<std::string>(id); };
  auto number = [&](DISPID id) { return driver.Call<std::int32_t>(id); };
  std::printf("  kind %d: %s (IDCODE 0x%08X)\n", kind, text(503380).c_str(), driver.Call<std::uint32_t>(503379));
  std::printf("    package %s, %s\n", text(503392).c_str(), text(503394).c_str());
  std::printf("    speed grade %s, temperature grade %s (%s)\n", text(503399).c_str(), text(503396).c_str(),
              text(503397).c_str());
  std::printf("    %d DSP slices, %d clock managers, %d kbit block RAM, %d configuration bits\n", number(503413),
              number(503414), number(503415), number(503418));
  std::printf("    boundary scan: %s, instruction length %d; %d I/O standards\n", text(503405).c_str(),
              number(503408), number(503421));
}

TVerbRegistration registration{"demo", "a short tour of the plug-in on the simulated host", [](CLI::App&) {
  return [] {
    TPluginModule& plugin = Plugin();
    std::printf("Loaded %s\n", plugin.Path().c_str());
    std::printf("The plug-in serves %d device kinds.\n", plugin.DriverCount());
    const THostObject first(plugin.Driver(0));
    std::printf("Driver services: QuillDriver=%s DeviceInformation=%s\n",
                first.Call<bool>(1023, "QuillDriver") ? "yes" : "no",
                first.Call<bool>(1023, "DeviceInformation") ? "yes" : "no");
    std::printf("A few parts:\n");
    for (std::int32_t kind : {0, 4, 24, 46}) ShowPart(plugin, kind);
  };
}};

}  // namespace
