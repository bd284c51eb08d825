// The system tick counter: milliseconds since an arbitrary start, for measuring intervals.
#pragma once

#include <cstdint>

namespace platform {

// Milliseconds, wrapping around after 2^32 like the system's 32-bit counter.
std::uint32_t TickCount();
// Milliseconds without wrap-around.
std::uint64_t TickCount64();

}  // namespace platform
