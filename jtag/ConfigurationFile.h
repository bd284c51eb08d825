// TConfigurationFile: a configuration file as the programming routine takes it. The extension
// decides: ".bit" and ".cor" (any case) are binary files, a header followed by the
// configuration stream; anything else is the text form, one 32-bit word per line as '0'/'1'
// characters after a few header lines, with the bit count on a "Bits:" line.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace jtag {

struct TConfigurationFile {
  enum TKind { eBinary, eText };
  TKind Kind = eBinary;
  std::int32_t BitCount = 0;        // what the operation reports
  std::vector<std::uint8_t> Bytes;  // binary file
  std::vector<std::string> Lines;   // text file, without line ends

  static bool IsBinaryName(const std::string& fileName);
  // Empty when the file does not exist or gives no bit count (a text file of fewer than seven
  // lines, or without a usable "Bits:" line in its first seven). Throws EQuillError when the
  // file exists but cannot be read.
  static std::optional<TConfigurationFile> Load(const std::string& fileName);
  // The bit count of a text file's first seven lines (0 when none gives one).
  static std::int32_t TextBitCount(const std::vector<std::string>& lines);
};

}  // namespace jtag
