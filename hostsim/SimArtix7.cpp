#include "hostsim/SimArtix7.h"

#include <cstdio>

namespace {
constexpr std::size_t kHistoryLimit = 4096;
constexpr std::size_t kCfgInRecordLimit = std::size_t{1} << 20;
}  // namespace

TSimArtix7::TSimArtix7(std::uint32_t catalogueIdCode, int boundaryLength)
    : TSimChainDevice(kIrLength),
      FIdCode((catalogueIdCode & TSimArtix7ConfigLogic::kIdCodeMask) | (kRevision << 28)),
      FConfig(FIdCode),
      FBoundary(static_cast<std::size_t>(boundaryLength > 0 ? boundaryLength : 1), false) {
  PowerOn();
}

std::string TSimArtix7::Describe() const {
  char text[96];
  std::snprintf(text, sizeof text, "Artix-7 part (IDCODE 0x%08X, %s)", FIdCode,
                Configured() ? "configured" : "not configured");
  return text;
}

std::uint32_t TSimArtix7::InstructionCapture() const {
  const bool done = FConfig.Done();
  return (static_cast<std::uint32_t>(done) << 5) | (static_cast<std::uint32_t>(FConfig.Init()) << 4) |
         (static_cast<std::uint32_t>(done) << 2) | 0b01u;
}

TSimArtix7::TDataRegister TSimArtix7::RegisterOf(std::uint32_t instruction) {
  switch (instruction) {
    case eIR_IDCODE:
    case eIR_USERCODE:
    case eIR_CFG_OUT: return eDR_Word;
    case eIR_SAMPLE:
    case eIR_EXTEST: return eDR_Boundary;
    case eIR_CFG_IN: return eDR_CfgIn;
    default: return eDR_Bypass;
  }
}

void TSimArtix7::OnInstruction(std::uint32_t instruction) {
  FSelected = RegisterOf(instruction);
  if (FHistory.size() == kHistoryLimit) FHistory.erase(FHistory.begin());
  FHistory.push_back(instruction);
  if (instruction == eIR_JPROGRAM) {
    ++FJProgramCount;
    if (!FIgnoreJProgram) FConfig.Clear();
  }
}

void TSimArtix7::CaptureDR() {
  switch (Selected()) {
    case eDR_Bypass: FBypass = false; break;
    case eDR_Word:
      FWord = Instruction() == eIR_IDCODE ? FIdCode : Instruction() == eIR_USERCODE ? FConfig.UserCode() : 0;
      break;
    case eDR_Boundary: break;  // the pins are not modelled: the register keeps what was preloaded
    case eDR_CfgIn:
      FCfgInBits.clear();
      FCfgInCount = 0;
      break;
  }
}

bool TSimArtix7::DrTdo() const {
  switch (Selected()) {
    case eDR_Bypass: return FBypass;
    case eDR_Word: return (FWord & 1u) != 0;
    case eDR_Boundary: return FBoundary.front();
    case eDR_CfgIn: return false;
  }
  return false;
}

void TSimArtix7::ShiftDR(bool tdi) {
  switch (Selected()) {
    case eDR_Bypass: FBypass = tdi; break;
    case eDR_Word: FWord = (FWord >> 1) | (static_cast<std::uint32_t>(tdi) << 31); break;
    case eDR_Boundary:
      FBoundary.pop_front();
      FBoundary.push_back(tdi);
      break;
    case eDR_CfgIn:
      if (FCfgInBits.size() < kCfgInRecordLimit) FCfgInBits.push_back(tdi);
      ++FCfgInCount;
      FConfig.ShiftBit(tdi);
      break;
  }
}

void TSimArtix7::OnTck(TapState state) {
  if (Instruction() == eIR_JSTART && state != eTap_TestLogicReset) FConfig.JtagStartupClock();
}
