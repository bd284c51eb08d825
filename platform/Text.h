// Text helpers shared by every subsystem: UTF-8/UTF-16 conversion, ASCII case-insensitive
// comparison, trimming, and locale-free number formatting and parsing.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace text {

std::u16string ToUtf16(std::string_view utf8);
std::string ToUtf8(std::u16string_view utf16);

char ToLowerAscii(char c);
char ToUpperAscii(char c);
std::string LowerAscii(std::string_view s);
std::string UpperAscii(std::string_view s);
bool EqualsNoCase(std::string_view a, std::string_view b);
bool StartsWithNoCase(std::string_view s, std::string_view prefix);
bool EndsWithNoCase(std::string_view s, std::string_view suffix);
std::size_t FindNoCase(std::string_view haystack, std::string_view needle, std::size_t from = 0);
// Strict weak order for maps keyed without case.
struct LessNoCase {
  using is_transparent = void;
  bool operator()(std::string_view a, std::string_view b) const;
};

bool IsSpace(char c);
std::string_view Trim(std::string_view s);
std::string_view TrimLeft(std::string_view s);
std::string_view TrimRight(std::string_view s);
std::vector<std::string_view> Split(std::string_view s, char separator);

// Numbers with '.' whatever the locale.
std::string FormatInt(std::int64_t value);
std::string FormatDouble(double value);                 // shortest text that reads back exactly
std::string FormatGeneral(double value, int digits);    // general format, up to `digits` significant digits
std::string FormatFixed(double value, int decimals);
std::optional<std::int64_t> ParseInt(std::string_view s);  // sign, decimal, or hex after "$", "x", "0x"
std::optional<double> ParseDouble(std::string_view s);     // whole text must be a number

}  // namespace text
