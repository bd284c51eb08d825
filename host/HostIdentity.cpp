#include "host/HostIdentity.h"

#include "platform/Identity.h"
#include "platform/Text.h"

std::string ThisComputerName() {
  static const std::string name = platform::ComputerName();
  return name;
}

std::string ThisUserName() {
  static const std::string name = platform::UserName();
  return name;
}

std::string ThisProcessID() {
  static const std::string id = text::FormatInt(platform::ProcessId());
  return id;
}
