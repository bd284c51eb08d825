#include "platform/IniFile.h"

#include <fstream>
#include <sstream>

#include "platform/Text.h"

namespace platform {

TIniFile::TIniFile(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  if (!in) return;
  std::ostringstream content;
  content << in.rdbuf();
  FExists = true;
  Parse(content.str());
}

TIniFile TIniFile::FromText(std::string_view content) {
  TIniFile ini;
  ini.FExists = true;
  ini.Parse(content);
  return ini;
}

namespace {

std::string_view StripQuotes(std::string_view value) {
  if (value.size() >= 2 && (value.front() == '"' || value.front() == '\'') && value.back() == value.front())
    return value.substr(1, value.size() - 2);
  return value;
}

}  // namespace

void TIniFile::Parse(std::string_view content) {
  if (content.starts_with("\xEF\xBB\xBF")) content.remove_prefix(3);
  TSection* current = nullptr;
  for (std::string_view raw : text::Split(content, '\n')) {
    const std::string_view line = text::Trim(raw);
    if (line.empty() || line.front() == ';') continue;
    if (line.front() == '[') {
      const auto close = line.find(']');
      const std::string_view name = text::Trim(line.substr(1, close == std::string_view::npos ? line.npos : close - 1));
      current = nullptr;
      for (TSection& section : FSections)
        if (text::EqualsNoCase(section.Name, name)) current = &section;  // a repeated section adds to the first
      if (current == nullptr) current = &FSections.emplace_back(TSection{std::string(name), {}});
      continue;
    }
    const auto equals = line.find('=');
    if (current == nullptr || equals == std::string_view::npos) continue;
    const std::string_view key = text::Trim(line.substr(0, equals));
    if (key.empty()) continue;
    const std::string_view value = StripQuotes(text::Trim(line.substr(equals + 1)));
    current->Entries.push_back({std::string(key), std::string(value)});
  }
}

const TIniFile::TEntry* TIniFile::Find(std::string_view section, std::string_view key) const {
  for (const TSection& s : FSections) {
    if (!text::EqualsNoCase(s.Name, text::Trim(section))) continue;
    for (const TEntry& entry : s.Entries)
      if (text::EqualsNoCase(entry.Key, text::Trim(key))) return &entry;
    return nullptr;
  }
  return nullptr;
}

std::string TIniFile::ReadString(std::string_view section, std::string_view key, std::string_view fallback) const {
  const TEntry* entry = Find(section, key);
  return entry != nullptr ? entry->Value : std::string(fallback);
}

bool TIniFile::HasKey(std::string_view section, std::string_view key) const { return Find(section, key) != nullptr; }

}  // namespace platform
