// TSimSvfRecorder: writes what the chain receives as an SVF file that any SVF player can
// replay. It watches the chain TCK by TCK and turns the traffic into whole-chain commands:
// STATE RESET / IDLE, SIR and SDR with the TDI bits shifted between Capture-xR and Update-xR,
// and RUNTEST for clocks spent in Run-Test/Idle. Shifts end in Run-Test/Idle (ENDIR/ENDDR
// IDLE), so a shift that went on to the next scan directly gains one idle clock on replay.
#pragma once

#include <cstdint>
#include <fstream>
#include <string>
#include <vector>

#include "hostsim/SimJTagChain.h"

class TSimSvfRecorder : public TSimChainObserver {
 public:
  // Starts recording `chain` into `path`; the file is complete once Finish ran (or the
  // recorder is destroyed).
  TSimSvfRecorder(TSimJTagChain& chain, const std::string& path);
  ~TSimSvfRecorder() override;
  TSimSvfRecorder(const TSimSvfRecorder&) = delete;
  TSimSvfRecorder& operator=(const TSimSvfRecorder&) = delete;

  void OnClock(TapState before, TapState after, bool tms, bool tdi, bool tdo) override;
  void Finish();

  std::uint64_t CommandsWritten() const { return FCommands; }

 private:
  void FlushRunTest();
  void WriteShift(bool instruction);
  void Command(const std::string& text);

  TSimJTagChain& FChain;
  TSimChainObserver* FPrevious;
  std::ofstream FOut;
  std::vector<bool> FBits;
  std::uint64_t FRunTest = 0;
  std::uint64_t FCommands = 0;
  bool FFinished = false;
};
