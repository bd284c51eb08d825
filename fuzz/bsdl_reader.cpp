// libFuzzer target of the BSDL reader: any input either reads or raises EBSDLError; a
// description that reads must also build into an entity.
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "bsdl/BSDLBuilder.h"
#include "bsdl/BSDLReader.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view source(reinterpret_cast<const char*>(data), size);
  try {
    const TBSDLDescription description = ReadBSDL(source, "fuzz.bsd");
    TBSDLBuildCaches caches;
    BuildBSDLEntity(description.Parameters, caches);
  } catch (const EBSDLError&) {
  }
  return 0;
}
