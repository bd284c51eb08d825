// Environment variables of the calling process.
#pragma once

#include <optional>
#include <string>

namespace platform {

// The value of `name`; none when the variable is not set.
std::optional<std::string> ReadEnvironmentVariable(const std::string& name);
// Sets `name` to `value`; none removes the variable.
void WriteEnvironmentVariable(const std::string& name, const std::optional<std::string>& value);
// The separator of folder lists such as PATH: ';' on Windows, ':' elsewhere.
constexpr char PathListSeparator() {
#ifdef _WIN32
  return ';';
#else
  return ':';
#endif
}

}  // namespace platform
