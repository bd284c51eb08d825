// Clock-core netlist generation through the plug-in, as the host's clock wizard asks for it:
// a request solved at the first multiplier, and one that sweeps every M and D without a
// solution before the netlist is completed.
#include <benchmark/benchmark.h>

#include "host/HostObject.h"
#include "hostsim/PluginModule.h"
#include "hostsim/SimTargetCore.h"
#include "hostsim/SimTextFile.h"

namespace {

TPluginModule& BenchPlugin() {
  static TPluginModule plugin(std::string(ARTIX7_BIN_DIR) + "/Device_Artix7.QLL");
  return plugin;
}

void GenerateNetlist(benchmark::State& state, double inputMhz, double divideA) {
  const THostObject driver(BenchPlugin().Driver(0));
  const THostObject generator(driver.Call<TComPtr<IDispatch>>(509470));
  auto core = MakeObject<TSimTargetCore>();
  core->SetInputFrequency(inputMhz);
  core->Output('A') = {1, divideA, true};
  core->Output('B') = {2, 1, true};
  for (auto _ : state) {
    auto file = MakeObject<TSimTextFile>();
    generator.Call(509469, TComPtr<IDispatch>(file->AsDispatch()), TComPtr<IDispatch>(core->AsDispatch()));
    benchmark::DoNotOptimize(file->Lines().size());
  }
}

void BM_ClockCoreNetlist_Solved(benchmark::State& state) { GenerateNetlist(state, 100, 4); }
void BM_ClockCoreNetlist_FullSearchWithoutSolution(benchmark::State& state) { GenerateNetlist(state, 790, 1.0001); }

BENCHMARK(BM_ClockCoreNetlist_Solved);
BENCHMARK(BM_ClockCoreNetlist_FullSearchWithoutSolution);

}  // namespace
