// Configuration files are user input: any bytes, read as a binary or a text file, give a
// result or a clean failure.
#include <unistd.h>

#include <cstdint>
#include <cstdio>
#include <string>

#include "host/QuillError.h"
#include "jtag/BitstreamProgrammer.h"
#include "jtag/ConfigurationFile.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  static const std::string base = "/tmp/fuzz_configuration_file_" + std::to_string(::getpid());
  for (const char* extension : {".bit", ".rbt"}) {
    const std::string path = base + extension;
    if (FILE* out = std::fopen(path.c_str(), "wb")) {
      std::fwrite(data, 1, size, out);
      std::fclose(out);
    }
    try {
      if (const auto file = jtag::TConfigurationFile::Load(path)) {
        if (file->Kind == jtag::TConfigurationFile::eBinary)
          (void)jtag::TBitstreamProgrammer::SynchronisationStart(file->Bytes);
        else
          (void)jtag::TBitstreamProgrammer::FirstDataLine(file->Lines);
      }
    } catch (const EQuillError&) {
    }
    std::remove(path.c_str());
  }
  return 0;
}
