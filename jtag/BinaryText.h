// The binary-text routines shared by the JTAG operations: bit texts of '0' and '1' as the
// host's chain object takes them.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace jtag {

// The 32 binary digits of `value`, most significant digit first.
std::string IntToBinaryText32(std::uint32_t value);
// `text` back to front.
std::string ReverseText(std::string_view text);

}  // namespace jtag
