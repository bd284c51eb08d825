// One Invoke through the exported driver, as the host makes it: an integer getter and a
// string getter (the result VARIANT is cleared each time, as a host would).
#include <benchmark/benchmark.h>

#include "host/Variant.h"
#include "hostsim/PluginModule.h"

namespace {

TPluginModule& Plugin() {
  static TPluginModule plugin(std::string(ARTIX7_BIN_DIR) + "/Device_Artix7.QLL");
  return plugin;
}

void InvokeGetter(benchmark::State& state, DISPID id) {
  TComPtr<IDispatch> driver = Plugin().Driver(0);
  DISPPARAMS none{};
  VARIANT result;
  VariantInit(&result);
  for (auto _ : state) {
    driver->Invoke(id, IID_NULL, 0, DISPATCH_METHOD, &none, &result, nullptr, nullptr);
    benchmark::DoNotOptimize(result);
    VariantClear(&result);
  }
}

void BM_InvokeIntegerGetter(benchmark::State& state) { InvokeGetter(state, 503408); }  // GetInstructionLength
void BM_InvokeStringGetter(benchmark::State& state) { InvokeGetter(state, 503380); }   // GetDeviceName
void BM_InvokeSupportsService(benchmark::State& state) {
  TComPtr<IDispatch> driver = Plugin().Driver(0);
  TVariant name("QuillDriver");
  DISPPARAMS params{name.Ptr(), nullptr, 1, 0};
  VARIANT result;
  VariantInit(&result);
  for (auto _ : state) {
    driver->Invoke(1023, IID_NULL, 0, DISPATCH_METHOD, &params, &result, nullptr, nullptr);
    benchmark::DoNotOptimize(result);
  }
}

BENCHMARK(BM_InvokeIntegerGetter);
BENCHMARK(BM_InvokeStringGetter);
BENCHMARK(BM_InvokeSupportsService);

}  // namespace
