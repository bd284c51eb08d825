// TBitstreamProgrammer: sends a configuration file to the part through CFG_IN and runs the
// start-up sequence through JSTART.
//
// Binary files are sent from their synchronisation point on (the first four 0xFF bytes in a
// row), in blocks of eight bytes, each byte most significant bit first; text files line by
// line, the first 32 characters of each data line. Both routines begin with the same preamble
// (chain reset, CFG_IN, lead-in) and end with the lead-out and the start-up. A file without
// data to send sends nothing.
#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <vector>

#include "jtag/Artix7Instructions.h"
#include "jtag/ChainAccess.h"
#include "jtag/JTagHostServices.h"
#include "platform/OleAuto.h"

namespace jtag {

class TBitstreamProgrammer {
 public:
  static constexpr const char* kProgressCaption = "Programming Device Via JTag...";
  static constexpr std::uint64_t kChainResetWaitMs = 40;
  static constexpr int kStartupClocks = 13;

  // `updateIROnStart`: leave the JSTART scan through Update-IR and clock in Run-Test/Idle
  // (older families) instead of clocking in Shift-DR.
  TBitstreamProgrammer(TChainAccess chain, TConfigurationInstructions codes, TJTagHostServices& services,
                       bool updateIROnStart);
  ~TBitstreamProgrammer();
  TBitstreamProgrammer(const TBitstreamProgrammer&) = delete;
  TBitstreamProgrammer& operator=(const TBitstreamProgrammer&) = delete;

  // True when something was sent (the file had a synchronisation point).
  bool SendBinary(std::span<const std::uint8_t> bytes);
  // True when something was sent (the file had a data line).
  bool SendText(const std::vector<std::string>& lines);

  // Index of the byte that begins the synchronisation point, or the size when there is none.
  static std::size_t SynchronisationStart(std::span<const std::uint8_t> bytes);
  // Index of the first non-empty line that begins with '0' or '1', or the count when none does.
  static std::size_t FirstDataLine(const std::vector<std::string>& lines);

 private:
  void Preamble() const;
  void LeadOut() const;
  void Startup() const;
  void SendBytes(std::span<const std::uint8_t> bytes);
  void CloseAfterFailure(bool progressOpen) const;

  TChainAccess FChain;
  TConfigurationInstructions FCodes;
  TJTagHostServices& FServices;
  bool FUpdateIROnStart;
  BSTR FBlock;  // the text of one block of eight bytes, filled anew for every block
};

// The start-up exit the driver takes: Update-IR for the families listed, otherwise when the
// configuration flag UseUpdateIROnStart is set for the family.
bool UsesUpdateIROnStart(const std::string& familyName, TJTagHostServices& services);

// ProgramDevice of the driver: the chain and family through the driver's dispatch interface,
// the busy cursor around the routine, and the bit count (0 when nothing was sent).
std::int32_t ProgramDevice(IDispatch* driver, const std::string& fileName, TJTagHostServices& services,
                           const TConfigurationInstructions& codes = {});

}  // namespace jtag
