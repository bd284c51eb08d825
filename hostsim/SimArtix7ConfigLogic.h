// TSimArtix7ConfigLogic: the configuration logic of the simulated Artix-7 part. It takes the
// CFG_IN bit stream as the part does: it looks for the synchronisation word at any bit
// position, then reads 32-bit words (first bit = most significant) as type-1 and type-2
// packets, checks the stream's IDCODE against the part and the running CRC at every CRC write,
// carries out CMD writes, and leaves the packet processor on DESYNC. The start-up sequence
// runs on the clock COR0 selects: on CCLK it completes by itself after START and DESYNC; on
// the JTAG clock it needs TCK cycles under JSTART.
//
// Any error stops the processing until the configuration is cleared (JPROGRAM); the reason
// stays readable so a test can ask why the part did not configure.
#pragma once

#include <array>
#include <cstdint>
#include <string>

class TSimArtix7ConfigLogic {
 public:
  enum TRegister : std::uint32_t {
    eReg_CRC = 0, eReg_FAR = 1, eReg_FDRI = 2, eReg_FDRO = 3, eReg_CMD = 4, eReg_CTL0 = 5, eReg_MASK = 6,
    eReg_STAT = 7, eReg_LOUT = 8, eReg_COR0 = 9, eReg_MFWR = 10, eReg_CBC = 11, eReg_IDCODE = 12,
    eReg_AXSS = 13, eReg_COR1 = 14, eReg_WBSTAR = 16, eReg_TIMER = 17, eReg_BOOTSTS = 22, eReg_CTL1 = 24,
  };
  enum TCommand : std::uint32_t {
    eCmd_NULL = 0, eCmd_WCFG = 1, eCmd_MFW = 2, eCmd_LFRM = 3, eCmd_RCFG = 4, eCmd_START = 5, eCmd_RCAP = 6,
    eCmd_RCRC = 7, eCmd_AGHIGH = 8, eCmd_SWITCH = 9, eCmd_GRESTORE = 10, eCmd_SHUTDOWN = 11,
    eCmd_GCAPTURE = 12, eCmd_DESYNC = 13, eCmd_IPROG = 15, eCmd_CRCC = 16, eCmd_LTIMER = 17,
  };
  enum TStartupClock { eStartupClock_CCLK = 0, eStartupClock_User = 1, eStartupClock_JTAG = 2 };

  static constexpr std::uint32_t kSyncWord = 0xAA995566u;
  static constexpr std::uint32_t kIdCodeMask = 0x0FFFFFFFu;  // the revision bits are not compared
  static constexpr int kStartupPhases = 8;

  explicit TSimArtix7ConfigLogic(std::uint32_t partIdCode);

  // JPROGRAM: the configuration memory is cleared and the logic starts afresh.
  void Clear();
  // One bit of CFG_IN data, in the order it arrives.
  void ShiftBit(bool bit);
  // One TCK while JSTART is the current instruction.
  void JtagStartupClock();

  bool Done() const { return FDone; }
  // INIT_B: high unless a CRC error pulled it low.
  bool Init() const { return !FCrcError; }
  bool Synchronised() const { return FSynchronised; }
  bool HasError() const { return !FError.empty(); }
  const std::string& Error() const { return FError; }
  // Why the part is not configured ("" once it is).
  std::string WhyNotConfigured() const;

  std::uint32_t UserCode() const { return FUserCode; }
  std::uint32_t Register(TRegister reg) const { return FRegisters[reg & 31u]; }
  TStartupClock StartupClock() const;
  int StartupPhase() const { return FStartupPhase; }
  // Counters a test can look at.
  std::uint64_t BitsReceived() const { return FBitsReceived; }
  // Bits received before the synchronisation word began (of the latest synchronisation).
  std::uint64_t SyncBitOffset() const { return FSyncBitOffset; }
  std::uint64_t FrameWordsWritten() const { return FFrameWords; }
  int CrcChecksPassed() const { return FCrcChecks; }
  int Synchronisations() const { return FSynchronisations; }

  // CRC-32C (reflected, polynomial 0x82F63B78) over the 32 data bits and then the 5 address
  // bits of one register write, least significant bit first.
  static std::uint32_t CrcStep(std::uint32_t crc, std::uint32_t address, std::uint32_t data);

 private:
  void ProcessWord(std::uint32_t word);
  void ProcessHeader(std::uint32_t word);
  void WriteRegister(std::uint32_t address, std::uint32_t value);
  void RunCommand(std::uint32_t command);
  void CompleteStartup();
  void Fail(std::string reason);

  std::uint32_t FPartIdCode;
  std::array<std::uint32_t, 32> FRegisters{};
  std::uint32_t FShift = 0;
  int FBitsInWord = 0;
  bool FSynchronised = false;
  std::uint32_t FPacketAddress = 0;
  std::uint32_t FPacketOpcode = 0;
  std::uint32_t FWordsLeft = 0;
  std::uint32_t FCrc = 0;
  bool FIdChecked = false;
  bool FStartArmed = false;
  bool FDesynced = false;
  int FStartupPhase = 0;
  bool FDone = false;
  bool FCrcError = false;
  std::string FError;
  std::uint32_t FUserCode = 0xFFFFFFFFu;
  std::uint64_t FBitsReceived = 0;
  std::uint64_t FSyncBitOffset = 0;
  std::uint64_t FFrameWords = 0;
  int FCrcChecks = 0;
  int FSynchronisations = 0;
};
