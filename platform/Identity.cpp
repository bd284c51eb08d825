#include "platform/Identity.h"

#include <pwd.h>
#include <unistd.h>

#include <cstdlib>

namespace platform {

std::string ComputerName() {
  char buffer[256] = {};
  if (gethostname(buffer, sizeof buffer - 1) != 0) return {};
  return buffer;
}

std::string UserName() {
  if (const passwd* entry = getpwuid(geteuid()); entry != nullptr && entry->pw_name != nullptr) return entry->pw_name;
  const char* env = std::getenv("USER");
  return env != nullptr ? env : "";
}

std::uint32_t ProcessId() { return static_cast<std::uint32_t>(getpid()); }

}  // namespace platform
