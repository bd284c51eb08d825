// TSimChainDevice: one device of the simulated JTAG chain. It owns its TAP controller and its
// instruction register; a subclass supplies the data registers its instructions select.
//
// Clock(tms, tdi) is one rising TCK edge: the action of the current state (capture, shift)
// happens, then the TAP moves on; entering Update-xR or Test-Logic-Reset applies the update.
// Tdo() is what the device drives while TCK is low, valid for the next rising edge.
#pragma once

#include <cstdint>
#include <string>

#include "hostsim/SimTap.h"

class TSimChainDevice {
 public:
  explicit TSimChainDevice(int irLength);
  virtual ~TSimChainDevice() = default;
  TSimChainDevice(const TSimChainDevice&) = delete;
  TSimChainDevice& operator=(const TSimChainDevice&) = delete;

  int IrLength() const { return FIrLength; }
  std::uint32_t Instruction() const { return FInstruction; }
  TapState State() const { return FTap.State(); }
  std::uint32_t BypassInstruction() const { return (1u << FIrLength) - 1u; }

  bool Tdo() const;
  void Clock(bool tms, bool tdi);
  // Power-up: the TAP in Test-Logic-Reset with its reset instruction.
  void PowerOn();
  // TRST: straight to Test-Logic-Reset.
  void TestReset() { PowerOn(); }

  virtual std::string Describe() const = 0;

 protected:
  // The bits the instruction register captures (its two lowest bits are 01 by the standard).
  virtual std::uint32_t CaptureIR() { return 0b01; }
  // The instruction loaded on Test-Logic-Reset.
  virtual std::uint32_t ResetInstruction() const { return BypassInstruction(); }
  virtual void OnTestLogicReset() {}
  virtual void OnInstruction(std::uint32_t /*instruction*/) {}
  // Data register of the current instruction.
  virtual void CaptureDR() { FBypass = false; }
  virtual bool DrTdo() const { return FBypass; }
  virtual void ShiftDR(bool tdi) { FBypass = tdi; }
  virtual void UpdateDR() {}
  // Every rising TCK edge, with the state the TAP was in (before it moves on).
  virtual void OnTck(TapState /*state*/) {}

 private:
  void Enter(TapState state);

  TSimTap FTap;
  int FIrLength;
  std::uint32_t FIrShift = 0;
  std::uint32_t FInstruction = 0;
  bool FBypass = false;
};

// A device that only ever bypasses: its data register is the one-bit BYPASS register whatever
// instruction it holds.
class TSimBypassDevice : public TSimChainDevice {
 public:
  explicit TSimBypassDevice(int irLength) : TSimChainDevice(irLength) {}
  std::string Describe() const override { return "bypass device (IR " + std::to_string(IrLength()) + " bits)"; }
};
