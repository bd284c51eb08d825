#include "hostsim/SimBitstream.h"

#include <fstream>
#include <functional>
#include <iterator>

#include "host/QuillError.h"

namespace simbitstream {

namespace {

using TConfig = TSimArtix7ConfigLogic;

std::uint32_t Type1Write(std::uint32_t reg, std::uint32_t count) { return 0x30000000u | (reg << 13) | count; }
constexpr std::uint32_t kNoop = 0x20000000u;

class TStreamWriter {
 public:
  void Word(std::uint32_t w) {
    for (int shift = 24; shift >= 0; shift -= 8) FBytes.push_back(static_cast<std::uint8_t>(w >> shift));
  }
  void Write(std::uint32_t reg, std::uint32_t value) {
    Word(Type1Write(reg, 1));
    Word(value);
    if (reg == TConfig::eReg_CRC) FCrc = 0;
    else FCrc = TConfig::CrcStep(FCrc, reg, value);
    if (reg == TConfig::eReg_CMD && value == TConfig::eCmd_RCRC) FCrc = 0;
  }
  void Noops(int count) {
    for (int i = 0; i < count; ++i) Word(kNoop);
  }
  void Crc() { Write(TConfig::eReg_CRC, FCrc); }
  void Frames(std::uint32_t words) {
    Word(Type1Write(TConfig::eReg_FDRI, 0));
    Word(0x50000000u | words);  // type 2, write
    for (std::uint32_t i = 0; i < words; ++i) {
      const std::uint32_t value = (i * 0x9E3779B9u) ^ (i >> 3);
      Word(value);
      FCrc = TConfig::CrcStep(FCrc, TConfig::eReg_FDRI, value);
    }
  }
  std::vector<std::uint8_t>& Bytes() { return FBytes; }

 private:
  std::vector<std::uint8_t> FBytes;
  std::uint32_t FCrc = 0;
};

void HeaderField(std::vector<std::uint8_t>& out, char key, const std::string& value) {
  out.push_back(static_cast<std::uint8_t>(key));
  const std::size_t length = value.size() + 1;
  out.push_back(static_cast<std::uint8_t>(length >> 8));
  out.push_back(static_cast<std::uint8_t>(length));
  out.insert(out.end(), value.begin(), value.end());
  out.push_back(0);
}

std::uint32_t WordAt(const std::vector<std::uint8_t>& bytes, std::size_t at) {
  return (std::uint32_t{bytes[at]} << 24) | (std::uint32_t{bytes[at + 1]} << 16) | (std::uint32_t{bytes[at + 2]} << 8) |
         bytes[at + 3];
}

void PutWord(std::vector<std::uint8_t>& bytes, std::size_t at, std::uint32_t w) {
  for (int i = 0; i < 4; ++i) bytes[at + static_cast<std::size_t>(i)] = static_cast<std::uint8_t>(w >> (24 - 8 * i));
}

// Calls `onWrite(register, offset of the value)` for every register write after the first
// synchronisation word.
void ForEachWrite(const std::vector<std::uint8_t>& bytes, const std::function<void(std::uint32_t, std::size_t)>& onWrite) {
  std::size_t at = 0;
  std::uint32_t window = 0;
  for (; at < bytes.size(); ++at) {
    window = (window << 8) | bytes[at];
    if (window == TConfig::kSyncWord) break;
  }
  if (at >= bytes.size()) return;
  std::size_t offset = at + 1;
  std::uint32_t reg = 0;
  while (offset + 4 <= bytes.size()) {
    const std::uint32_t header = WordAt(bytes, offset);
    offset += 4;
    const std::uint32_t type = header >> 29;
    const std::uint32_t opcode = (header >> 27) & 3u;
    std::uint32_t count = 0;
    if (type == 1) {
      reg = (header >> 13) & 31u;
      count = header & 0x7FFu;
    } else if (type == 2) {
      count = header & 0x7FFFFFFu;
    } else {
      continue;
    }
    if (opcode != 2) continue;
    for (std::uint32_t i = 0; i < count && offset + 4 <= bytes.size(); ++i, offset += 4) onWrite(reg, offset);
    if (reg == TConfig::eReg_CMD && offset >= 4 && WordAt(bytes, offset - 4) == TConfig::eCmd_DESYNC) return;
  }
}

}  // namespace

std::vector<std::uint8_t> Build(const TSimBitstreamOptions& options) {
  std::vector<std::uint8_t> file = {0x00, 0x09, 0x0F, 0xF0, 0x0F, 0xF0, 0x0F, 0xF0, 0x0F, 0xF0, 0x00, 0x00, 0x01};
  char userId[16];
  std::snprintf(userId, sizeof userId, "0X%08X", options.UserCode);
  HeaderField(file, 'a', options.DesignName + ";UserID=" + userId + ";Version=quillhost");
  HeaderField(file, 'b', options.PartName);
  HeaderField(file, 'c', "2026/01/01");
  HeaderField(file, 'd', "00:00:00");

  TStreamWriter stream;
  for (int i = 0; i < 8; ++i) stream.Word(0xFFFFFFFFu);
  stream.Word(0x000000BBu);  // bus-width detection
  stream.Word(0x11220044u);
  stream.Word(0xFFFFFFFFu);
  stream.Word(0xFFFFFFFFu);
  stream.Word(TConfig::kSyncWord);
  stream.Noops(1);
  stream.Write(TConfig::eReg_CMD, TConfig::eCmd_RCRC);
  stream.Noops(2);
  const std::uint32_t clockBits = static_cast<std::uint32_t>(options.StartupClock) << 15;
  stream.Write(TConfig::eReg_COR0, 0x02003FE5u | clockBits);
  stream.Write(TConfig::eReg_IDCODE, options.IdCode);
  if (options.UserCode != 0xFFFFFFFFu) stream.Write(TConfig::eReg_AXSS, options.UserCode);
  stream.Write(TConfig::eReg_FAR, 0);
  stream.Write(TConfig::eReg_CMD, TConfig::eCmd_WCFG);
  stream.Noops(1);
  stream.Frames(options.FrameCount * kFrameWords);
  stream.Crc();
  stream.Noops(2);
  stream.Write(TConfig::eReg_CMD, TConfig::eCmd_GRESTORE);
  stream.Noops(1);
  stream.Write(TConfig::eReg_CMD, TConfig::eCmd_LFRM);
  stream.Noops(4);
  stream.Write(TConfig::eReg_CMD, TConfig::eCmd_START);
  stream.Noops(1);
  stream.Crc();
  stream.Noops(2);
  stream.Write(TConfig::eReg_CMD, TConfig::eCmd_DESYNC);
  stream.Noops(16);

  const std::vector<std::uint8_t>& data = stream.Bytes();
  file.push_back('e');
  for (int shift = 24; shift >= 0; shift -= 8) file.push_back(static_cast<std::uint8_t>(data.size() >> shift));
  file.insert(file.end(), data.begin(), data.end());
  return file;
}

std::size_t DataOffset(const std::vector<std::uint8_t>& bitFile) {
  // Header: a length-prefixed magic, then key letters 'a'..'d' with 16-bit lengths and 'e'
  // with a 32-bit length.
  if (bitFile.size() < 13) return 0;
  std::size_t at = 2 + ((std::size_t{bitFile[0]} << 8) | bitFile[1]);
  if (at + 2 > bitFile.size()) return 0;
  at += 2;  // the 16-bit count before the first key
  while (at < bitFile.size()) {
    const char key = static_cast<char>(bitFile[at++]);
    if (key == 'e') return at + 4 <= bitFile.size() ? at + 4 : 0;
    if (key < 'a' || key > 'd' || at + 2 > bitFile.size()) return 0;
    at += 2 + ((std::size_t{bitFile[at]} << 8) | bitFile[at + 1]);
  }
  return 0;
}

std::string ToText(const std::vector<std::uint8_t>& bitFile, const std::string& partName) {
  const std::size_t offset = DataOffset(bitFile);
  const std::size_t words = (bitFile.size() - offset) / 4;
  std::string text = "Xilinx ASCII Bitstream\nCreated by quillhost\nDesign name:\tquillhost_demo\n"
                     "Architecture:\tartix7\nPart:\t" + partName + "\nDate:\t2026/01/01 00:00:00\nBits:\t" +
                     std::to_string(words * 32) + "\n";
  text.reserve(text.size() + words * 33);
  for (std::size_t w = 0; w < words; ++w) {
    const std::uint32_t value = WordAt(bitFile, offset + 4 * w);
    for (int bit = 31; bit >= 0; --bit) text.push_back(((value >> bit) & 1u) != 0 ? '1' : '0');
    text.push_back('\n');
  }
  return text;
}

bool PatchStartupClock(std::vector<std::uint8_t>& bitFile, TSimArtix7ConfigLogic::TStartupClock clock) {
  bool patched = false;
  std::uint32_t crc = 0;
  ForEachWrite(bitFile, [&](std::uint32_t reg, std::size_t at) {
    std::uint32_t value = WordAt(bitFile, at);
    if (reg == TConfig::eReg_COR0) {
      value = (value & ~(3u << 15)) | (static_cast<std::uint32_t>(clock) << 15);
      PutWord(bitFile, at, value);
      patched = true;
    }
    if (reg == TConfig::eReg_CRC) {
      PutWord(bitFile, at, crc);
      crc = 0;
      return;
    }
    crc = TConfig::CrcStep(crc, reg, value);
    if (reg == TConfig::eReg_CMD && value == TConfig::eCmd_RCRC) crc = 0;
  });
  return patched;
}

std::size_t FirstFrameDataOffset(const std::vector<std::uint8_t>& bitFile) {
  std::size_t first = 0;
  ForEachWrite(bitFile, [&](std::uint32_t reg, std::size_t at) {
    if (reg == TConfig::eReg_FDRI && first == 0) first = at;
  });
  return first;
}

void WriteFile(const std::string& path, const std::vector<std::uint8_t>& bytes) {
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
  if (!out) throw EQuillError("cannot write " + path);
}

std::vector<std::uint8_t> ReadFile(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  if (!in) throw EQuillError("cannot read " + path);
  return std::vector<std::uint8_t>((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
}

}  // namespace simbitstream
