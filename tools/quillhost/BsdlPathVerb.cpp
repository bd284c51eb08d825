// quillhost bsdl-path: where the plug-in's lookup finds a boundary-scan description file (the
// library path, a copy in the temporary folder, or that copy extracted from an archive).
#include <CLI/CLI.hpp>

#include <cstdio>
#include <memory>

#include "bsdl/BSDLEntity.h"
#include "tools/quillhost/Verbs.h"

namespace {

struct TBsdlPathOptions {
  std::string Vendor;
  std::string Family;
  std::string File;
  std::string Library;
};

TVerbRegistration registration{
    "bsdl-path", "print the path a BSDL file is found at: bsdl-path VENDOR FAMILY FILE [--library DIR]",
    [](CLI::App& cmd) {
      auto options = std::make_shared<TBsdlPathOptions>();
      cmd.add_option("vendor", options->Vendor, "device vendor, e.g. Xilinx")->required();
      cmd.add_option("family", options->Family, "device family, e.g. Artix7")->required();
      cmd.add_option("file", options->File, "BSDL file name, or a full path")->required();
      cmd.add_option("--library", options->Library, "library folder (default: Library/ beside the plug-in)");
      return [options] {
        const std::string path = TBSDLEntity::FindFullBSDLPath(
            TBSDLEntity::DetermineFullPath(options->File, options->Vendor, options->Family, options->Library));
        if (path.empty()) {
          SetExitCode(1);
          return;
        }
        std::printf("%s\n", path.c_str());
      };
    }};

}  // namespace
