#include "hostsim/SimArtix7ConfigLogic.h"

#include <cstdio>

namespace {

std::string Hex32(std::uint32_t value) {
  char text[16];
  std::snprintf(text, sizeof text, "0x%08X", value);
  return text;
}

struct TCrcTable {
  std::array<std::uint32_t, 256> Entries{};
  TCrcTable() {
    for (std::uint32_t i = 0; i < 256; ++i) {
      std::uint32_t crc = i;
      for (int bit = 0; bit < 8; ++bit) crc = (crc >> 1) ^ (0x82F63B78u & (0u - (crc & 1u)));
      Entries[i] = crc;
    }
  }
};

}  // namespace

TSimArtix7ConfigLogic::TSimArtix7ConfigLogic(std::uint32_t partIdCode) : FPartIdCode(partIdCode) { Clear(); }

std::uint32_t TSimArtix7ConfigLogic::CrcStep(std::uint32_t crc, std::uint32_t address, std::uint32_t data) {
  static const TCrcTable table;
  crc ^= data;
  for (int byte = 0; byte < 4; ++byte) crc = table.Entries[crc & 0xFFu] ^ (crc >> 8);
  for (int bit = 0; bit < 5; ++bit, address >>= 1)
    crc = ((crc ^ address) & 1u) != 0 ? (crc >> 1) ^ 0x82F63B78u : crc >> 1;
  return crc;
}

void TSimArtix7ConfigLogic::Clear() {
  FRegisters.fill(0);
  FShift = 0;
  FBitsInWord = 0;
  FSynchronised = false;
  FPacketAddress = FPacketOpcode = FWordsLeft = 0;
  FCrc = 0;
  FIdChecked = FStartArmed = FDesynced = FDone = FCrcError = false;
  FStartupPhase = 0;
  FError.clear();
  FUserCode = 0xFFFFFFFFu;
  FFrameWords = 0;
  FCrcChecks = 0;
  FBitsReceived = 0;
  FSyncBitOffset = 0;
  FSynchronisations = 0;
}

void TSimArtix7ConfigLogic::ShiftBit(bool bit) {
  ++FBitsReceived;
  FShift = (FShift << 1) | static_cast<std::uint32_t>(bit);
  if (!FSynchronised) {
    if (FShift == kSyncWord && !HasError()) {
      FSynchronised = true;
      FDesynced = false;
      FSyncBitOffset = FBitsReceived - 32;
      ++FSynchronisations;
      FBitsInWord = 0;
      FWordsLeft = 0;
    }
    return;
  }
  if (++FBitsInWord == 32) {
    FBitsInWord = 0;
    ProcessWord(FShift);
  }
}

void TSimArtix7ConfigLogic::ProcessWord(std::uint32_t word) {
  if (HasError()) return;
  if (FWordsLeft > 0) {
    --FWordsLeft;
    if (FPacketOpcode == 2) WriteRegister(FPacketAddress, word);
    return;
  }
  ProcessHeader(word);
}

void TSimArtix7ConfigLogic::ProcessHeader(std::uint32_t word) {
  const std::uint32_t type = word >> 29;
  const std::uint32_t opcode = (word >> 27) & 3u;
  if (type == 1) {
    FPacketOpcode = opcode;
    FPacketAddress = (word >> 13) & 31u;
    FWordsLeft = opcode == 0 ? 0 : word & 0x7FFu;
  } else if (type == 2) {
    FPacketOpcode = opcode;
    FWordsLeft = opcode == 0 ? 0 : word & 0x7FFFFFFu;
  } else {
    Fail("unknown packet header " + Hex32(word) + " after the synchronisation word");
  }
  // Read packets would drive CFG_OUT; their words are not modelled and are skipped here.
  if (FPacketOpcode == 1) FWordsLeft = 0;
}

void TSimArtix7ConfigLogic::WriteRegister(std::uint32_t address, std::uint32_t value) {
  if (address == eReg_CRC) {
    if (value != FCrc) {
      FCrcError = true;
      Fail("CRC check failed: the stream carries " + Hex32(value) + ", the data received gives " + Hex32(FCrc));
      return;
    }
    ++FCrcChecks;
    FCrc = 0;
    return;
  }
  FCrc = CrcStep(FCrc, address, value);
  switch (address) {
    case eReg_IDCODE:
      if ((value & kIdCodeMask) != (FPartIdCode & kIdCodeMask)) {
        Fail("IDCODE mismatch: the stream is for " + Hex32(value) + ", the part is " + Hex32(FPartIdCode));
        return;
      }
      FIdChecked = true;
      break;
    case eReg_FDRI:
      if (!FIdChecked) {
        Fail("frame data arrived before the stream's IDCODE was checked");
        return;
      }
      ++FFrameWords;
      break;
    case eReg_AXSS: FUserCode = value; break;
    case eReg_CMD: RunCommand(value & 31u); break;
    default: break;
  }
  FRegisters[address & 31u] = value;
}

void TSimArtix7ConfigLogic::RunCommand(std::uint32_t command) {
  switch (command) {
    case eCmd_RCRC: FCrc = 0; break;
    case eCmd_START:
      FStartArmed = true;
      FStartupPhase = 0;
      break;
    case eCmd_DESYNC:
      FSynchronised = false;
      FDesynced = true;
      FWordsLeft = 0;
      if (FStartArmed && StartupClock() == eStartupClock_CCLK) CompleteStartup();
      break;
    default: break;
  }
}

TSimArtix7ConfigLogic::TStartupClock TSimArtix7ConfigLogic::StartupClock() const {
  const std::uint32_t source = (FRegisters[eReg_COR0] >> 15) & 3u;  // SSCLKSRC
  return source == 0 ? eStartupClock_CCLK : source == 1 ? eStartupClock_User : eStartupClock_JTAG;
}

void TSimArtix7ConfigLogic::JtagStartupClock() {
  if (!FStartArmed || FDone || HasError() || StartupClock() != eStartupClock_JTAG) return;
  if (++FStartupPhase >= kStartupPhases) CompleteStartup();
}

void TSimArtix7ConfigLogic::CompleteStartup() {
  FStartupPhase = kStartupPhases;
  FDone = true;
}

void TSimArtix7ConfigLogic::Fail(std::string reason) {
  if (FError.empty()) FError = std::move(reason);
  FSynchronised = false;
  FWordsLeft = 0;
}

std::string TSimArtix7ConfigLogic::WhyNotConfigured() const {
  if (FDone) return {};
  if (HasError()) return FError;
  if (FSynchronisations == 0 && FBitsReceived == 0) return "no configuration data received";
  if (FSynchronisations == 0) return "no synchronisation word in the " + std::to_string(FBitsReceived) + " bits received";
  if (!FIdChecked) return "the stream carried no IDCODE packet";
  if (!FStartArmed) return "the stream carried no START command";
  switch (StartupClock()) {
    case eStartupClock_CCLK: return "the stream ended before its DESYNC command";
    case eStartupClock_User: return "the start-up sequence waits for the user clock, which is not running";
    case eStartupClock_JTAG: break;
  }
  return "the start-up sequence runs on the JTAG clock and has had " + std::to_string(FStartupPhase) + " of " +
         std::to_string(kStartupPhases) + " TCK cycles under JSTART";
}
