// A fresh folder under the system's temporary folder, removed with everything in it when the
// object goes.
#pragma once

#include <string>
#include <string_view>

namespace testing_support {

class TTempFolder {
 public:
  TTempFolder();
  ~TTempFolder();
  TTempFolder(const TTempFolder&) = delete;
  TTempFolder& operator=(const TTempFolder&) = delete;

  // The folder, ending in "/".
  const std::string& Path() const { return FPath; }
  // Path() + relative, with the folders on the way created.
  std::string Sub(std::string_view relative) const;
  // Writes `content` to Path() + relative (folders created) and returns the file's path.
  std::string Write(std::string_view relative, std::string_view content) const;

 private:
  std::string FPath;
};

}  // namespace testing_support
