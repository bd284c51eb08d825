#include "hostsim/SimChainDevice.h"

#include <stdexcept>

TSimChainDevice::TSimChainDevice(int irLength) : FIrLength(irLength) {
  if (irLength < 2 || irLength > 31) throw std::invalid_argument("instruction length out of range");
  FInstruction = BypassInstruction();
}

bool TSimChainDevice::Tdo() const {
  switch (FTap.State()) {
    case eTap_ShiftIR: return (FIrShift & 1u) != 0;
    case eTap_ShiftDR: return DrTdo();
    default: return false;
  }
}

void TSimChainDevice::Clock(bool tms, bool tdi) {
  const TapState state = FTap.State();
  OnTck(state);
  switch (state) {
    case eTap_CaptureIR: FIrShift = CaptureIR() & BypassInstruction(); break;
    case eTap_ShiftIR: FIrShift = (FIrShift >> 1) | (static_cast<std::uint32_t>(tdi) << (FIrLength - 1)); break;
    case eTap_CaptureDR: CaptureDR(); break;
    case eTap_ShiftDR: ShiftDR(tdi); break;
    default: break;
  }
  FTap.Clock(tms);
  if (FTap.State() != state) Enter(FTap.State());
}

void TSimChainDevice::PowerOn() {
  FTap.Force(eTap_TestLogicReset);
  Enter(eTap_TestLogicReset);
}

void TSimChainDevice::Enter(TapState state) {
  switch (state) {
    case eTap_TestLogicReset:
      FInstruction = ResetInstruction();
      OnTestLogicReset();
      OnInstruction(FInstruction);
      break;
    case eTap_UpdateIR:
      FInstruction = FIrShift;
      OnInstruction(FInstruction);
      break;
    case eTap_UpdateDR: UpdateDR(); break;
    default: break;
  }
}
