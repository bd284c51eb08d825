// Helpers of the device verbs (program, reset, state, usercode, serve-jtag).
#pragma once

#include <cstdint>
#include <string>

namespace CLI {
class App;
}

// Adds the KIND argument every device verb takes.
void AddKindArgument(CLI::App& cmd, std::int32_t& kind);
// The part's state as the driver reads it over the chain (GetDeviceState).
std::int32_t DriverDeviceState(std::int32_t kind);
// "model: <why>" when the simulated part is not configured; empty when it is.
std::string ModelLine(std::int32_t kind);
