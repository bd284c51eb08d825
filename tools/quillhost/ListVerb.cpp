// quillhost list: one line per driver kind.
#include <CLI/CLI.hpp>

#include <cstdio>

#include "host/HostObject.h"
#include "hostsim/PluginModule.h"
#include "tools/quillhost/Verbs.h"

namespace {

constexpr DISPID kGetIdCode = 503379;
constexpr DISPID kGetDeviceName = 503380;

TVerbRegistration registration{"list", "list the driver kinds: KIND<TAB>DEVICE_NAME<TAB>IDCODE", [](CLI::App&) {
  return [] {
    TPluginModule& plugin = Plugin();
    const std::int32_t count = plugin.DriverCount();
    for (std::int32_t kind = 0; kind < count; ++kind) {
      const THostObject driver(plugin.Driver(kind));
      if (!driver.Assigned()) continue;
      std::printf("%d\t%s\t0x%08X\n", kind, driver.Call<std::string>(kGetDeviceName).c_str(),
                  driver.Call<std::uint32_t>(kGetIdCode));
    }
  };
}};

}  // namespace
