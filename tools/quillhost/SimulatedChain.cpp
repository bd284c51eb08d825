#include "tools/quillhost/SimulatedChain.h"

#include <map>
#include <set>
#include <memory>

#include "host/QuillError.h"
#include "hostsim/PluginModule.h"
#include "hostsim/HostSim.h"
#include "hostsim/SimArtix7Bench.h"
#include "platform/Text.h"
#include "tools/quillhost/Verbs.h"

namespace {

struct TProcessChain {
  TChainLayout Layout;
  std::map<std::int32_t, TComPtr<IDispatch>> Drivers;
  std::set<std::int32_t> Attached;
  std::unique_ptr<TSimArtix7Bench> Bench;
};

// Never destroyed: the plug-in frees its drivers when it unloads at exit, and the chain's
// device objects must still be there when the drivers let go of them.
TProcessChain& State() {
  static TProcessChain* state = new TProcessChain;
  return *state;
}

TComPtr<IDispatch> DriverOf(std::int32_t kind) {
  auto& drivers = State().Drivers;
  if (auto found = drivers.find(kind); found != drivers.end()) return found->second;
  TComPtr<IDispatch> driver = Plugin().Driver(kind);
  if (!driver) throw EQuillError("the plug-in has no driver of kind " + std::to_string(kind));
  drivers.emplace(kind, driver);
  return driver;
}

}  // namespace

TChainLayout ParseChainLayout(const std::string& text) {
  const auto parts = text::Split(text, ':');
  const auto length = parts.size() == 2 ? text::ParseInt(parts[0]) : std::nullopt;
  const auto position = parts.size() == 2 ? text::ParseInt(parts[1]) : std::nullopt;
  if (!length || !position || *length < 1 || *length > 64 || *position < 0 || *position >= *length)
    throw EQuillError("--chain takes N:POS, a position 0..N-1 in a chain of N (1..64) devices, not '" + text + "'");
  return {static_cast<int>(*length), static_cast<int>(*position)};
}

void SetChainLayout(TChainLayout layout) { State().Layout = layout; }

TSimArtix7Bench& ProcessChain(std::int32_t kind) {
  TProcessChain& state = State();
  if (!state.Bench)
    state.Bench = std::make_unique<TSimArtix7Bench>(DriverOf(kind), state.Layout.Length, state.Layout.Position);
  return *state.Bench;
}

IDispatch* ChainDriver(std::int32_t kind) {
  TSimArtix7Bench& bench = ProcessChain(kind);
  TComPtr<IDispatch> driver = DriverOf(kind);
  // The host's device object for the driver carries the chain.
  if (State().Attached.insert(kind).second)
    Host().AttachDevice(driver, bench.Position())->SetJTagChannel(TComPtr<IDispatch>(&bench.Channel()));
  return driver.Get();
}
