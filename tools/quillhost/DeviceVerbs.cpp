#include "tools/quillhost/DeviceVerbs.h"

#include <CLI/CLI.hpp>

#include "host/HostObject.h"
#include "hostsim/SimArtix7Bench.h"
#include "tools/quillhost/SimulatedChain.h"

void AddKindArgument(CLI::App& cmd, std::int32_t& kind) {
  cmd.add_option("kind", kind, "driver kind (0..46)")->required();
}

std::int32_t DriverDeviceState(std::int32_t kind) { return THostObject(ChainDriver(kind)).Call<std::int32_t>(503787); }

std::string ModelLine(std::int32_t kind) {
  const TSimArtix7& part = ProcessChain(kind).Part();
  if (part.Configured()) return {};
  return "model: " + part.Config().WhyNotConfigured();
}
