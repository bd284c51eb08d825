// Windows INI files, read the way the system's profile functions read them: section and key
// names compare without case, the first occurrence of a section or key wins, names and values
// are trimmed, and a value enclosed in one pair of matching quotes loses them. Lines starting
// with ';' are comments. A missing file reads as empty.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace platform {

class TIniFile {
 public:
  // Reads the whole file once; later changes to it are not seen by this object.
  explicit TIniFile(const std::string& path);
  static TIniFile FromText(std::string_view content);

  bool Exists() const { return FExists; }
  // The value of [section] key, or `fallback` when the section or the key is absent.
  std::string ReadString(std::string_view section, std::string_view key, std::string_view fallback = {}) const;
  bool HasKey(std::string_view section, std::string_view key) const;

 private:
  TIniFile() = default;
  void Parse(std::string_view content);

  struct TEntry {
    std::string Key;
    std::string Value;
  };
  struct TSection {
    std::string Name;
    std::vector<TEntry> Entries;
  };
  const TEntry* Find(std::string_view section, std::string_view key) const;

  bool FExists = false;
  std::vector<TSection> FSections;
};

}  // namespace platform
