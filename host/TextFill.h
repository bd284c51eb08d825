// Text filling: padding and repetition used by descriptions, reports and fixed-width output.
#pragma once

#include <string>
#include <string_view>

// Appends spaces up to `width` characters; a longer text stays unchanged.
std::string PadRight(std::string_view s, std::size_t width);
std::string PadRightWith(std::string_view s, char ch, std::size_t width);
std::string PadLeftWith(std::string_view s, char ch, std::size_t width);
std::string RepeatChar(char ch, std::size_t count);
