// Who and where this process is: computer name, user name and process identifier.
#pragma once

#include <cstdint>
#include <string>

namespace platform {

std::string ComputerName();
std::string UserName();
std::uint32_t ProcessId();

}  // namespace platform
