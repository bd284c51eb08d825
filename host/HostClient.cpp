#include "host/HostClient.h"

#include "host/HostEntryPoints.h"

TClient HostClient() { return TClient(HostClientObject()); }

namespace {
std::int32_t& OwnerWindow() {
  static std::int32_t handle = 0;
  return handle;
}
}  // namespace

void SetFormsOwnerWindow(std::int32_t handle) { OwnerWindow() = handle; }
std::int32_t FormsOwnerWindow() { return OwnerWindow(); }
