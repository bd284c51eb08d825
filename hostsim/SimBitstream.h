// Configuration streams for the simulated part, made here so that the part can be programmed
// without any third-party file: a .bit file (header, synchronisation, IDCODE, a few frames,
// CRC, start-up, DESYNC), its text form, and the patches tests need on real files.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "hostsim/SimArtix7ConfigLogic.h"

struct TSimBitstreamOptions {
  std::uint32_t IdCode = 0x03631093u;
  std::uint32_t UserCode = 0xFFFFFFFFu;
  TSimArtix7ConfigLogic::TStartupClock StartupClock = TSimArtix7ConfigLogic::eStartupClock_CCLK;
  std::uint32_t FrameCount = 4;  // frames of 101 words
  std::string DesignName = "quillhost_demo";
  std::string PartName = "7a100tcsg324";
};

namespace simbitstream {

constexpr std::uint32_t kFrameWords = 101;

// The whole .bit file.
std::vector<std::uint8_t> Build(const TSimBitstreamOptions& options);
// The offset of the configuration data in a .bit file (after the header's 'e' field), or 0
// when the file has no such header.
std::size_t DataOffset(const std::vector<std::uint8_t>& bitFile);
// The text form (".rbt"): seven header lines, the seventh "Bits:", then one word a line.
std::string ToText(const std::vector<std::uint8_t>& bitFile, const std::string& partName);
// Sets the start-up clock in the stream's COR0 and recomputes every CRC the stream carries.
// False when the stream has no COR0 write.
bool PatchStartupClock(std::vector<std::uint8_t>& bitFile, TSimArtix7ConfigLogic::TStartupClock clock);
// The offset of the first frame-data word (FDRI payload), or 0 when there is none.
std::size_t FirstFrameDataOffset(const std::vector<std::uint8_t>& bitFile);
void WriteFile(const std::string& path, const std::vector<std::uint8_t>& bytes);
std::vector<std::uint8_t> ReadFile(const std::string& path);

}  // namespace simbitstream
