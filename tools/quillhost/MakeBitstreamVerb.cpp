// quillhost make-bitstream KIND OUT.bit: writes a small but valid configuration stream for the
// part of KIND, made by the simulated host itself.
#include <CLI/CLI.hpp>

#include <cstdio>
#include <memory>

#include "host/HostObject.h"
#include "hostsim/SimBitstream.h"
#include "platform/Text.h"
#include "tools/quillhost/MakeBitstream.h"
#include "tools/quillhost/Verbs.h"

namespace {

TVerbRegistration registration{
    "make-bitstream", "write a small valid configuration stream for the part of KIND", [](CLI::App& cmd) {
      auto kind = std::make_shared<std::int32_t>(0);
      auto out = std::make_shared<std::string>();
      auto userCode = std::make_shared<std::string>("0xFFFFFFFF");
      auto jtagClock = std::make_shared<bool>(false);
      auto text = std::make_shared<bool>(false);
      cmd.add_option("kind", *kind, "driver kind (0..46)")->required();
      cmd.add_option("out", *out, "file to write")->required();
      cmd.add_option("--user-code", *userCode, "user code the stream writes (default 0xFFFFFFFF)");
      cmd.add_flag("--jtag-clock", *jtagClock, "start-up on the JTAG clock (needs JSTART clocks)");
      cmd.add_flag("--text", *text, "write the text form (.rbt) instead of the binary file");
      return [=] {
        const auto code = text::ParseInt(*userCode);
        if (!code || *code < 0 || *code > 0xFFFFFFFFll) throw EQuillError("--user-code: not a 32-bit number");
        const std::size_t bytes = WriteDemoBitstream(*kind, *out, static_cast<std::uint32_t>(*code), *jtagClock, *text);
        std::printf("wrote %s (%zu bytes)\n", out->c_str(), bytes);
      };
    }};

}  // namespace
