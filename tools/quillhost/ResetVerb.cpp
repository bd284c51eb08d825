// quillhost reset KIND: clears the part's configuration (ResetDevice).
#include <CLI/CLI.hpp>

#include <cstdio>
#include <memory>

#include "host/HostObject.h"
#include "tools/quillhost/DeviceVerbs.h"
#include "tools/quillhost/SimulatedChain.h"
#include "tools/quillhost/Verbs.h"

namespace {

TVerbRegistration registration{"reset", "clear the part's configuration (ResetDevice)", [](CLI::App& cmd) {
                                 auto kind = std::make_shared<std::int32_t>(0);
                                 AddKindArgument(cmd, *kind);
                                 return [kind] {
                                   const bool reset = THostObject(ChainDriver(*kind)).Call<bool>(503786);
                                   std::printf("reset=%s\n", reset ? "true" : "false");
                                 };
                               }};

}  // namespace
