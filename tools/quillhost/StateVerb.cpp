// quillhost state KIND: the part's configuration state as the driver reads it (GetDeviceState).
#include <CLI/CLI.hpp>

#include <cstdio>
#include <memory>

#include "tools/quillhost/DeviceVerbs.h"
#include "tools/quillhost/Verbs.h"

namespace {

TVerbRegistration registration{"state", "read the part's state: 0 no chain, 1 not configured, 2 configured",
                               [](CLI::App& cmd) {
                                 auto kind = std::make_shared<std::int32_t>(0);
                                 AddKindArgument(cmd, *kind);
                                 return [kind] { std::printf("state=%d\n", DriverDeviceState(*kind)); };
                               }};

}  // namespace
