// Reading the synthetic FFG1156 description (the largest package) and building its entity.
#include <benchmark/benchmark.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "bsdl/BSDLBuilder.h"
#include "bsdl/BSDLReader.h"

namespace {

std::string SyntheticFFG1156() {
  std::ifstream in(std::string(ARTIX7_BIN_DIR) + "/synthetic-bsdl/XC7A200T_FFG1156.bsd", std::ios::binary);
  std::ostringstream s;
  s << in.rdbuf();
  return s.str();
}

void BM_ReadBSDL_FFG1156(benchmark::State& state) {
  const std::string source = SyntheticFFG1156();
  if (source.empty()) {
    state.SkipWithError("no synthetic-bsdl/XC7A200T_FFG1156.bsd beside the plug-in");
    return;
  }
  for (auto _ : state) benchmark::DoNotOptimize(ReadBSDL(source, "XC7A200T_FFG1156.bsd"));
  state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * source.size()));
}
BENCHMARK(BM_ReadBSDL_FFG1156)->Unit(benchmark::kMillisecond);

void BM_BuildBSDLEntity_FFG1156(benchmark::State& state) {
  const std::string source = SyntheticFFG1156();
  if (source.empty()) {
    state.SkipWithError("no synthetic-bsdl/XC7A200T_FFG1156.bsd beside the plug-in");
    return;
  }
  const TBSDLDescription description = ReadBSDL(source, "XC7A200T_FFG1156.bsd");
  TBSDLBuildCaches caches;
  for (auto _ : state) benchmark::DoNotOptimize(BuildBSDLEntity(description.Parameters, caches));
}
BENCHMARK(BM_BuildBSDLEntity_FFG1156)->Unit(benchmark::kMillisecond);

}  // namespace

#include <cstdlib>

#include "hostsim/PluginModule.h"
#include "host/Variant.h"

namespace {

// What the host waits for on the first request: a new driver reads the file and builds.
void BM_GetBSDLEntity_FirstCall_FFG1156(benchmark::State& state) {
  const std::string folder = std::string(ARTIX7_BIN_DIR) + "/synthetic-bsdl";
  if (!std::filesystem::exists(folder + "/XC7A200T_FFG1156.bsd")) {
    state.SkipWithError("no synthetic-bsdl/XC7A200T_FFG1156.bsd beside the plug-in");
    return;
  }
  setenv("ARTIX7_BSDL_PATH", folder.c_str(), 1);
  TPluginModule plugin(std::string(ARTIX7_BIN_DIR) + "/Device_Artix7.QLL");
  for (auto _ : state) {
    TComPtr<IDispatch> driver = plugin.Driver(46);
    DISPPARAMS none{nullptr, nullptr, 0, 0};
    TVariant entity;
    driver->Invoke(503406, IID_NULL, 0, DISPATCH_METHOD, &none, entity.Ptr(), nullptr, nullptr);
    benchmark::DoNotOptimize(entity.Raw().pdispVal);
  }
  unsetenv("ARTIX7_BSDL_PATH");
}
BENCHMARK(BM_GetBSDLEntity_FirstCall_FFG1156)->Unit(benchmark::kMillisecond);

}  // namespace
