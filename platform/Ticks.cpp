#include "platform/Ticks.h"

#include <chrono>
#include <thread>

#include "platform/Module.h"

namespace platform {

namespace {

std::uint64_t SteadyMilliseconds() {
  using namespace std::chrono;
  return static_cast<std::uint64_t>(duration_cast<milliseconds>(steady_clock::now().time_since_epoch()).count());
}

TTickCountFn TickSource() {
  static const TTickCountFn source = [] {
    auto provided = reinterpret_cast<TTickCountFn>(FindProcessExport(kTickCountExport));
    return provided != nullptr ? provided : &SteadyMilliseconds;
  }();
  return source;
}

}  // namespace

std::uint64_t TickCount() { return TickSource()(); }

void YieldProcessor() { std::this_thread::yield(); }

void WaitTicks(std::uint64_t milliseconds) {
  const std::uint64_t start = TickCount();
  while (TickCount() - start < milliseconds) YieldProcessor();
}

}  // namespace platform
