#include "jtag/BinaryText.h"

namespace jtag {

std::string IntToBinaryText32(std::uint32_t value) {
  std::string text(32, '0');
  for (int bit = 0; bit < 32; ++bit)
    if ((value >> bit) & 1u) text[static_cast<std::size_t>(31 - bit)] = '1';
  return text;
}

std::string ReverseText(std::string_view text) { return std::string(text.rbegin(), text.rend()); }

}  // namespace jtag
