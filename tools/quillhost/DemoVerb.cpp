// quillhost demo: a short tour of what the plug-in answers a host.
#include <CLI/CLI.hpp>

#include <cstdio>
#include <filesystem>

#include "host/HostObject.h"
#include "hostsim/PluginModule.h"
#include "hostsim/SimArtix7Bench.h"
#include "tools/quillhost/MakeBitstream.h"
#include "tools/quillhost/SimulatedChain.h"
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

// Programs the simulated part with a stream made here, showing state and user code around it.
void ShowProgramming(std::int32_t kind) {
  const std::filesystem::path folder = std::filesystem::temp_directory_path() / "quillhost_demo";
  std::filesystem::create_directories(folder);
  const std::string file = (folder / "demo.bit").string();
  constexpr std::uint32_t kUserCode = 0x20261211u;
  const std::size_t bytes = WriteDemoBitstream(kind, file, kUserCode, false, false);
  const THostObject driver(ChainDriver(kind));
  std::printf("Programming the simulated part of kind %d over JTAG:\n", kind);
  std::printf("  before: state=%d usercode=0x%08X\n", driver.Call<std::int32_t>(503787),
              driver.Call<std::uint32_t>(503789));
  const std::int32_t bits = driver.Call<std::int32_t>(503788, file);
  std::printf("  program %s (%zu bytes made by quillhost): bits=%d\n", file.c_str(), bytes, bits);
  std::printf("  after:  state=%d usercode=0x%08X\n", driver.Call<std::int32_t>(503787),
              driver.Call<std::uint32_t>(503789));
  const bool reset = driver.Call<bool>(503786);
  std::printf("  reset=%s, then state=%d\n", reset ? "true" : "false", driver.Call<std::int32_t>(503787));
  std::error_code ignored;
  std::filesystem::remove(file, ignored);
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
    ShowProgramming(0);
  };
}};

}  // namespace
