// Walking every pin of the FFG1156 part through Invoke, as a pins panel does when it fills:
// pin number, bank and the sixteen flags of each pin.
#include <benchmark/benchmark.h>

#include <vector>

#include "host/Variant.h"
#include "hostsim/PluginModule.h"

namespace {

TPluginModule& Plugin() {
  static TPluginModule plugin(ARTIX7_BIN_DIR "/Device_Artix7.QLL");
  return plugin;
}

TVariant Call(IDispatch* target, DISPID id, std::vector<TVariant> args = {}) {
  std::vector<VARIANT> reversed;
  for (auto it = args.rbegin(); it != args.rend(); ++it) reversed.push_back(it->Raw());
  DISPPARAMS params{reversed.empty() ? nullptr : reversed.data(), nullptr, static_cast<UINT>(reversed.size()), 0};
  TVariant result;
  target->Invoke(id, IID_NULL, 0, DISPATCH_METHOD, &params, result.Ptr(), nullptr, nullptr);
  return result;
}

void BM_WalkFFG1156Pins(benchmark::State& state) {
  TComPtr<IDispatch> driver = Plugin().Driver(42);
  const std::int32_t count = VariantToInt32(Call(driver.Get(), 503409).Raw());
  std::int64_t calls = 0;
  for (auto _ : state) {
    for (std::int32_t i = 0; i < count; ++i) {
      TVariant pin = Call(driver.Get(), 503411, {TVariant(i)});
      IDispatch* object = pin.Raw().pdispVal;
      benchmark::DoNotOptimize(Call(object, 503525));
      benchmark::DoNotOptimize(Call(object, 503526));
      for (DISPID flag = 503527; flag <= 503544; ++flag)
        if (flag != 503531 && flag != 503532) benchmark::DoNotOptimize(Call(object, flag));
      calls += 19;
    }
  }
  state.counters["pins"] = count;
  state.counters["calls/s"] = benchmark::Counter(static_cast<double>(calls), benchmark::Counter::kIsRate);
}
BENCHMARK(BM_WalkFFG1156Pins)->Unit(benchmark::kMillisecond);

}  // namespace
