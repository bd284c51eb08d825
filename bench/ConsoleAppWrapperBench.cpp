// Throughput of the console runner: a program writes many megabytes of short tool-like lines,
// the runner assembles them and hands each one to a line handler. The maximum resident set
// of this process is reported before and after, to show that memory stays flat whatever the
// amount of output.
#include <benchmark/benchmark.h>

#include <sys/resource.h>

#include <cstdint>
#include <string>

#include "flow/ConsoleAppWrapper.h"
#include "platform/Pipe.h"
#include "platform/Process.h"

namespace {

constexpr std::int64_t kMegabyte = 1000 * 1000;

double MaxResidentMegabytes() {
  rusage usage{};
  getrusage(RUSAGE_SELF, &usage);
  return static_cast<double>(usage.ru_maxrss) / 1024.0;
}

// A shell pipeline that writes exactly `bytes` bytes of 48-character lines (line end included).
std::string WriterParameters(std::int64_t bytes, bool crlf) {
  const std::string line = crlf ? "INFO:Map:104 - Placing the design, phase 1.1\\r" : "INFO:Map:104 - Placing the design, phase 1.1.";
  return "-c \"yes \\\"$(printf '" + line + "')\\\" | head -c " + std::to_string(bytes) + "\"";
}

void ConsoleRunnerShortLines(benchmark::State& state, bool crlf) {
  const std::int64_t bytes = state.range(0) * kMegabyte;
  const double rssBefore = MaxResidentMegabytes();
  std::int64_t lines = 0;
  std::int64_t characters = 0;
  for (auto _ : state) {
    TConsoleAppWrapper wrapper(
        "/bin/sh", WriterParameters(bytes, crlf), "", "",
        [&](const std::string& line) {
          ++lines;
          characters += static_cast<std::int64_t>(line.size());
        },
        {}, true, 0, true);
    if (wrapper.Execute(600, false) != 0) state.SkipWithError("the writer failed");
  }
  state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations()) * bytes);
  state.counters["lines"] = benchmark::Counter(static_cast<double>(lines) / static_cast<double>(state.iterations()));
  state.counters["chars"] = benchmark::Counter(static_cast<double>(characters) / static_cast<double>(state.iterations()));
  state.counters["maxrss_before_MB"] = rssBefore;
  state.counters["maxrss_after_MB"] = MaxResidentMegabytes();
}

// The same writer read straight from the pipe, without line assembly: the producer's ceiling.
void RawPipeRead(benchmark::State& state) {
  const std::int64_t bytes = state.range(0) * kMegabyte;
  std::string buffer(64 * 1024, '\0');
  for (auto _ : state) {
    platform::TPipe pipe;
    platform::TProcessStartInfo info;
    info.Arguments = {"/bin/sh", "-c",
                      "yes 'INFO:Map:104 - Placing the design, phase 1.1.' | head -c " + std::to_string(bytes)};
    info.StdOutput = info.StdError = pipe.WriteEnd();
    auto process = platform::TProcess::Start(info);
    pipe.CloseWriteEnd();
    std::int64_t total = 0;
    while (!pipe.Ended()) total += static_cast<std::int64_t>(pipe.Read(buffer.data(), buffer.size()));
    benchmark::DoNotOptimize(total);
    while (process->WaitForEnd(100) != platform::TWaitResult::Ended) {
    }
  }
  state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations()) * bytes);
}

}  // namespace

BENCHMARK_CAPTURE(ConsoleRunnerShortLines, lf, false)->Arg(10)->Arg(100)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(3);
BENCHMARK_CAPTURE(ConsoleRunnerShortLines, crlf, true)->Arg(100)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(3);
BENCHMARK(RawPipeRead)->Arg(100)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(3);
