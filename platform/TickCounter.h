// The system tick counter: milliseconds since an arbitrary start, for measuring intervals and
// waiting, and yielding the processor.
//
// A process that hosts the plug-in may provide its own clock by exporting the C function
// named below (looked up once in the running process, so a plug-in library and its host reach
// the same one); the simulated host uses it to run waits on virtual time.
#pragma once

#include <cstdint>

namespace platform {

// Milliseconds, wrapping around after 2^32 like the system's 32-bit counter.
std::uint32_t TickCount();
// Milliseconds without wrap-around.
std::uint64_t TickCount64();

void YieldProcessor();
// Busy-waits `milliseconds` on the tick counter, yielding the processor between checks.
void WaitTicks(std::uint64_t milliseconds);

using TTickCountFn = std::uint64_t (*)();
constexpr const char* kTickCountExport = "QuillPlatform_TickCount";

}  // namespace platform
