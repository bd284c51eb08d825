// TSimArtix7: the simulated Artix-7 part on the chain. A 6-bit instruction register whose
// capture carries DONE (bit 5) and INIT (bit 4); IDCODE (with a non-zero revision, as real
// parts have), USERCODE, BYPASS, SAMPLE/PRELOAD and EXTEST over the boundary register, and
// the configuration instructions: CFG_IN feeds the configuration logic, JPROGRAM clears the
// configuration, JSTART clocks a JTAG-clocked start-up.
#pragma once

#include <cstdint>
#include <deque>
#include <memory>
#include <vector>

#include "hostsim/SimArtix7ConfigLogic.h"
#include "hostsim/SimChainDevice.h"

class TSimArtix7 : public TSimChainDevice {
 public:
  enum TInstruction : std::uint32_t {
    eIR_EXTEST = 0x26, eIR_SAMPLE = 0x01, eIR_USER1 = 0x02, eIR_USER2 = 0x03, eIR_CFG_OUT = 0x04,
    eIR_CFG_IN = 0x05, eIR_USERCODE = 0x08, eIR_IDCODE = 0x09, eIR_HIGHZ = 0x0A, eIR_JPROGRAM = 0x0B,
    eIR_JSTART = 0x0C, eIR_JSHUTDOWN = 0x0D, eIR_BYPASS = 0x3F,
  };
  static constexpr int kIrLength = 6;
  static constexpr std::uint32_t kRevision = 1;  // the stepping real parts report in IDCODE bits 31..28

  // The boundary register length when the driver has no BSDL description of the part to give
  // it (see TSimArtix7Bench); not a vendor figure. It does not take part in configuration.
  static constexpr int kDefaultBoundaryLength = 900;

  // `catalogueIdCode` is the part's code without revision (as the driver reports it).
  explicit TSimArtix7(std::uint32_t catalogueIdCode, int boundaryLength = kDefaultBoundaryLength);

  std::uint32_t IdCode() const { return FIdCode; }
  const TSimArtix7ConfigLogic& Config() const { return FConfig; }
  bool Configured() const { return FConfig.Done(); }
  std::uint32_t InstructionCapture() const;
  // Instructions loaded through Update-IR, oldest first (the latest 4096).
  const std::vector<std::uint32_t>& InstructionHistory() const { return FHistory; }
  // The bits the part received in its latest CFG_IN data shift, in arrival order (at most
  // the first 1 Mbit), and how many there were in all.
  const std::vector<bool>& LastCfgInBits() const { return FCfgInBits; }
  std::uint64_t LastCfgInBitCount() const { return FCfgInCount; }
  int JProgramCount() const { return FJProgramCount; }
  int BoundaryLength() const { return static_cast<int>(FBoundary.size()); }
  // A part whose configuration survives JPROGRAM (a fault a test can set up).
  void SetIgnoreJProgram(bool ignore) { FIgnoreJProgram = ignore; }

  std::string Describe() const override;

 protected:
  std::uint32_t CaptureIR() override { return InstructionCapture(); }
  std::uint32_t ResetInstruction() const override { return eIR_IDCODE; }
  void OnInstruction(std::uint32_t instruction) override;
  void CaptureDR() override;
  bool DrTdo() const override;
  void ShiftDR(bool tdi) override;
  void OnTck(TapState state) override;

 private:
  enum TDataRegister { eDR_Bypass, eDR_Word, eDR_Boundary, eDR_CfgIn };
  TDataRegister Selected() const { return FSelected; }
  static TDataRegister RegisterOf(std::uint32_t instruction);

  std::uint32_t FIdCode;
  TSimArtix7ConfigLogic FConfig;
  TDataRegister FSelected = eDR_Bypass;
  std::uint32_t FWord = 0;  // IDCODE, USERCODE and CFG_OUT shift register
  bool FBypass = false;
  std::deque<bool> FBoundary;
  std::vector<std::uint32_t> FHistory;
  std::vector<bool> FCfgInBits;
  std::uint64_t FCfgInCount = 0;
  int FJProgramCount = 0;
  bool FIgnoreJProgram = false;
};
