// Arbitrary bytes as a description archive: extraction must never crash, leak or write
// outside its folder.
#include <unistd.h>

#include <cstdint>
#include <filesystem>
#include <string>

#include "bsdl/ZipExtract.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  static const std::filesystem::path folder = [] {
    auto p = std::filesystem::temp_directory_path() / ("fuzz_zip_" + std::to_string(::getpid()));
    std::filesystem::create_directories(p);
    return p;
  }();
  ExtractZipBufferToFolder(data, size, folder.string());
  std::error_code ec;
  for (const auto& entry : std::filesystem::directory_iterator(folder, ec)) std::filesystem::remove_all(entry.path(), ec);
  return 0;
}
