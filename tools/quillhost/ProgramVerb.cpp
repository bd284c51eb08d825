// quillhost program KIND FILE [--svf OUT]: configures the part from a bit file or its text form
// (ProgramDevice), optionally recording the chain traffic as SVF.
#include <CLI/CLI.hpp>

#include <unistd.h>

#include <cstdio>
#include <filesystem>
#include <memory>
#include <optional>

#include "host/HostObject.h"
#include "hostsim/SimArtix7Bench.h"
#include "hostsim/SimSvfRecorder.h"
#include "tools/quillhost/DeviceVerbs.h"
#include "tools/quillhost/SimulatedChain.h"
#include "tools/quillhost/Verbs.h"

namespace {

// A progress bar on standard error, driven by the bits the simulated cable carries.
class TProgressBar {
 public:
  explicit TProgressBar(std::uint64_t expectedBits) : FExpected(expectedBits == 0 ? 1 : expectedBits) {}
  void Show(std::uint64_t bits) {
    const int percent = static_cast<int>(std::min<std::uint64_t>(100, bits * 100 / FExpected));
    if (percent == FShown) return;
    FShown = percent;
    const int filled = percent / 2;
    std::fprintf(stderr, "\r[%.*s%*s] %3d%%", filled, "##################################################", 50 - filled, "",
                 percent);
    std::fflush(stderr);
  }
  void End() const {
    if (FShown >= 0) std::fprintf(stderr, "\n");
  }

 private:
  std::uint64_t FExpected;
  int FShown = -1;
};

void Program(std::int32_t kind, const std::string& file, const std::string& svf) {
  IDispatch* driver = ChainDriver(kind);
  TSimArtix7Bench& chain = ProcessChain(kind);
  std::optional<TSimSvfRecorder> recorder;
  if (!svf.empty()) recorder.emplace(chain.Chain(), svf);
  std::optional<TProgressBar> bar;
  if (::isatty(2) != 0) {
    std::error_code ignored;
    bar.emplace(static_cast<std::uint64_t>(std::filesystem::file_size(file, ignored)) * 8);
    const std::uint64_t start = chain.Channel().StreamBits();
    chain.Channel().SetStreamListener([&bar, start](std::uint64_t bits) { bar->Show(bits - start); });
  }
  std::int32_t bits = 0;
  try {
    bits = THostObject(driver).Call<std::int32_t>(503788, file);
  } catch (...) {
    chain.Channel().SetStreamListener({});
    if (bar) bar->End();
    throw;
  }
  chain.Channel().SetStreamListener({});
  if (bar) bar->End();
  if (recorder) recorder->Finish();
  const std::int32_t state = DriverDeviceState(kind);
  if (const std::string why = ModelLine(kind); !why.empty()) std::printf("%s\n", why.c_str());
  std::printf("bits=%d state=%d\n", bits, state);
}

TVerbRegistration registration{
    "program", "configure the part from a .bit/.cor file or its text form (ProgramDevice)", [](CLI::App& cmd) {
      auto kind = std::make_shared<std::int32_t>(0);
      auto file = std::make_shared<std::string>();
      auto svf = std::make_shared<std::string>();
      AddKindArgument(cmd, *kind);
      cmd.add_option("file", *file, "configuration file")->required();
      cmd.add_option("--svf", *svf, "record everything the chain receives as an SVF file");
      return [kind, file, svf] { Program(*kind, *file, *svf); };
    }};

}  // namespace
