// ProgramDevice of a full-size XC7A100T bitstream through Invoke, as the host calls it:
//   (a) against a channel that only counts bits: the plug-in's own cost per bit;
//   (b) against the full simulated chain, TCK by TCK, with the part's configuration logic.
// Waits on the tick counter run on a virtual clock here, so the figures are the work alone.
#include <benchmark/benchmark.h>

#include <filesystem>
#include <string>

#include "host/HostObject.h"
#include "hostsim/PluginModule.h"
#include "hostsim/SimArtix7Bench.h"
#include "hostsim/SimBitstream.h"
#include "hostsim/SimCountingChannel.h"
#include "platform/Export.h"

// The tick counter the plug-in finds in this process: one virtual millisecond a reading.
QUILL_EXPORT std::uint64_t QuillPlatform_TickCount() {
  static std::uint64_t ticks = 0;
  return ++ticks;
}

namespace {

TPluginModule& Plugin() {
  static TPluginModule plugin(std::string(ARTIX7_BIN_DIR) + "/Device_Artix7.QLL");
  return plugin;
}

// The real XC7A100T bitstream when the samples are present, else a stream of the same size.
const std::string& BitstreamPath() {
  static const std::string path = [] {
    const std::string sample = std::string(ARTIX7_SHARED_DIR) + "/samples/bit/snake_top_vivado2019_7a100t.bit";
    if (std::filesystem::exists(sample)) return sample;
    const std::string made = (std::filesystem::temp_directory_path() / "artix7_bench_a100t.bit").string();
    simbitstream::WriteFile(made, simbitstream::Build({.FrameCount = 9464}));
    return made;
  }();
  return path;
}

void Program(benchmark::State& state, IDispatch* driver) {
  const THostObject host(driver);
  const std::string& file = BitstreamPath();
  std::int64_t bits = 0;
  for (auto _ : state) bits += host.Call<std::int32_t>(503788, file);
  state.counters["Mbit/s"] = benchmark::Counter(static_cast<double>(bits) / 1e6, benchmark::Counter::kIsRate);
  state.SetBytesProcessed(bits / 8);
}

void BM_ProgramDevice_CountingChannel(benchmark::State& state) {
  TComPtr<IDispatch> driver = Plugin().Driver(0);
  auto channel = MakeObject<TSimCountingChannel>();
  auto device = MakeObject<TSimQuillDevice>(std::make_shared<THostEventLog>(), driver, 0);
  device->SetJTagChannel(TComPtr<IDispatch>(channel.Get()));
  THostObject(driver).Call<bool>(503754, AsDispatchPtr(device));
  Program(state, driver.Get());
  state.counters["calls/iteration"] = static_cast<double>(channel->Calls()) / static_cast<double>(state.iterations());
  THostObject(driver).Call<bool>(503754, TComPtr<IDispatch>());
}
BENCHMARK(BM_ProgramDevice_CountingChannel)->Unit(benchmark::kMillisecond)->MinTime(2.0);

void BM_ProgramDevice_SimulatedChain(benchmark::State& state) {
  TSimArtix7Bench bench(Plugin().Driver(0), 1, 0);
  bench.Attach();
  Program(state, bench.Driver());
  if (!bench.Part().Configured()) state.SkipWithError(bench.Part().Config().WhyNotConfigured().c_str());
}
BENCHMARK(BM_ProgramDevice_SimulatedChain)->Unit(benchmark::kMillisecond)->Iterations(3);

}  // namespace
