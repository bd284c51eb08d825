#include "platform/TickCounter.h"

#include <time.h>

#include <thread>

#include "platform/Module.h"

namespace platform {

namespace {

std::uint64_t MonotonicMilliseconds() {
  timespec now{};
  clock_gettime(CLOCK_MONOTONIC, &now);
  return static_cast<std::uint64_t>(now.tv_sec) * 1000u + static_cast<std::uint64_t>(now.tv_nsec) / 1000000u;
}

TTickCountFn TickSource() {
  static const TTickCountFn source = [] {
    auto provided = reinterpret_cast<TTickCountFn>(FindProcessExport(kTickCountExport));
    return provided != nullptr ? provided : &MonotonicMilliseconds;
  }();
  return source;
}

}  // namespace

std::uint64_t TickCount64() { return TickSource()(); }

std::uint32_t TickCount() { return static_cast<std::uint32_t>(TickCount64()); }

void YieldProcessor() { std::this_thread::yield(); }

void WaitTicks(std::uint64_t milliseconds) {
  const std::uint64_t start = TickCount64();
  while (TickCount64() - start < milliseconds) YieldProcessor();
}

}  // namespace platform
