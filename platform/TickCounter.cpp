#include "platform/TickCounter.h"

#include <time.h>

namespace platform {

std::uint64_t TickCount64() {
  timespec now{};
  clock_gettime(CLOCK_MONOTONIC, &now);
  return static_cast<std::uint64_t>(now.tv_sec) * 1000u + static_cast<std::uint64_t>(now.tv_nsec) / 1000000u;
}

std::uint32_t TickCount() { return static_cast<std::uint32_t>(TickCount64()); }

}  // namespace platform
