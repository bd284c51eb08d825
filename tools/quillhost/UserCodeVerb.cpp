// quillhost usercode KIND: the 32-bit user code the part's configuration carries (ReadUserCode).
#include <CLI/CLI.hpp>

#include <cstdio>
#include <memory>

#include "host/HostObject.h"
#include "tools/quillhost/DeviceVerbs.h"
#include "tools/quillhost/SimulatedChain.h"
#include "tools/quillhost/Verbs.h"

namespace {

TVerbRegistration registration{"usercode", "read the part's user code (ReadUserCode)", [](CLI::App& cmd) {
                                 auto kind = std::make_shared<std::int32_t>(0);
                                 AddKindArgument(cmd, *kind);
                                 return [kind] {
                                   const auto code = THostObject(ChainDriver(*kind)).Call<std::uint32_t>(503789);
                                   std::printf("usercode=0x%08X\n", code);
                                 };
                               }};

}  // namespace
