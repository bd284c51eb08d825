#include "host/TextFill.h"

std::string PadRight(std::string_view s, std::size_t width) { return PadRightWith(s, ' ', width); }

std::string PadRightWith(std::string_view s, char ch, std::size_t width) {
  std::string out(s);
  if (out.size() < width) out.append(width - out.size(), ch);
  return out;
}

std::string PadLeftWith(std::string_view s, char ch, std::size_t width) {
  if (s.size() >= width) return std::string(s);
  return std::string(width - s.size(), ch) + std::string(s);
}

std::string RepeatChar(char ch, std::size_t count) { return std::string(count, ch); }
