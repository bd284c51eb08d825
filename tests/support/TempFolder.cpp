#include "support/TempFolder.h"

#include <stdlib.h>

#include <filesystem>
#include <fstream>
#include <stdexcept>

namespace testing_support {

TTempFolder::TTempFolder() {
  std::string pattern = (std::filesystem::temp_directory_path() / "artix7-test-XXXXXX").string();
  if (mkdtemp(pattern.data()) == nullptr) throw std::runtime_error("mkdtemp failed");
  FPath = std::filesystem::canonical(pattern).string() + "/";
}

TTempFolder::~TTempFolder() {
  std::error_code ignored;
  std::filesystem::remove_all(FPath, ignored);
}

std::string TTempFolder::Sub(std::string_view relative) const {
  const std::filesystem::path path = FPath + std::string(relative);
  std::filesystem::create_directories(path.parent_path());
  return path.string();
}

std::string TTempFolder::Write(std::string_view relative, std::string_view content) const {
  const std::string path = Sub(relative);
  std::ofstream(path, std::ios::binary) << content;
  return path;
}

}  // namespace testing_support
