#include "jtag/ConfigurationFile.h"

#include <filesystem>
#include <fstream>
#include <iterator>
#include <limits>

#include "host/QuillError.h"
#include "platform/Text.h"

namespace jtag {

namespace {

constexpr std::size_t kHeaderLines = 7;
constexpr std::size_t kBitsValueLimit = 255;

std::vector<std::uint8_t> ReadBytes(const std::filesystem::path& path) {
  std::ifstream in(path, std::ios::binary);
  if (!in) throw EQuillError("cannot open the configuration file " + path.string());
  std::vector<std::uint8_t> bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  if (in.bad()) throw EQuillError("cannot read the configuration file " + path.string());
  return bytes;
}

std::vector<std::string> SplitLines(const std::vector<std::uint8_t>& bytes) {
  std::vector<std::string> lines;
  std::string line;
  for (const std::uint8_t byte : bytes) {
    if (byte == '\n') {
      if (!line.empty() && line.back() == '\r') line.pop_back();
      lines.push_back(std::move(line));
      line.clear();
    } else {
      line.push_back(static_cast<char>(byte));
    }
  }
  if (!line.empty()) {
    if (line.back() == '\r') line.pop_back();
    lines.push_back(std::move(line));
  }
  return lines;
}

}  // namespace

bool TConfigurationFile::IsBinaryName(const std::string& fileName) {
  return text::EndsWithNoCase(fileName, ".bit") || text::EndsWithNoCase(fileName, ".cor");
}

std::int32_t TConfigurationFile::TextBitCount(const std::vector<std::string>& lines) {
  for (std::size_t i = 0; i < kHeaderLines && i < lines.size(); ++i) {
    std::string upper = lines[i];
    for (char& c : upper) c = text::ToUpperAscii(c);
    const std::size_t at = upper.find("BITS:");
    if (at == std::string::npos) continue;
    const std::string_view rest = std::string_view(upper).substr(at + 5, kBitsValueLimit);
    const auto value = text::ParseInt(text::Trim(rest));
    // A count the operation can report: positive and within its 32-bit result.
    if (value && *value > 0 && *value <= std::numeric_limits<std::int32_t>::max())
      return static_cast<std::int32_t>(*value);
  }
  return 0;
}

std::optional<TConfigurationFile> TConfigurationFile::Load(const std::string& fileName) {
  const std::filesystem::path path(std::u8string(fileName.begin(), fileName.end()));
  std::error_code error;
  if (fileName.empty() || !std::filesystem::exists(path, error)) return std::nullopt;
  if (std::filesystem::is_directory(path, error))
    throw EQuillError("the configuration file " + fileName + " is a folder");
  TConfigurationFile file;
  std::vector<std::uint8_t> bytes = ReadBytes(path);
  if (IsBinaryName(fileName)) {
    if (bytes.size() > static_cast<std::size_t>(std::numeric_limits<std::int32_t>::max() / 8))
      throw EQuillError("the configuration file " + fileName + " is too large");
    file.Kind = eBinary;
    file.BitCount = static_cast<std::int32_t>(bytes.size() * 8);
    file.Bytes = std::move(bytes);
    return file;
  }
  file.Kind = eText;
  file.Lines = SplitLines(bytes);
  if (file.Lines.size() < kHeaderLines) return std::nullopt;
  file.BitCount = TextBitCount(file.Lines);
  if (file.BitCount == 0) return std::nullopt;
  return file;
}

}  // namespace jtag
