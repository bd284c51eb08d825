// TSimTap: the IEEE 1149.1 TAP controller of one simulated chain device, stepped TCK by TCK.
#pragma once

#include "host/JTagChannel.h"

class TSimTap {
 public:
  TapState State() const { return FState; }
  // The state after one TCK with TMS at `tms`.
  static TapState Next(TapState state, bool tms);
  void Clock(bool tms) { FState = Next(FState, tms); }
  void Force(TapState state) { FState = state; }

  static bool IsShift(TapState state) { return state == eTap_ShiftDR || state == eTap_ShiftIR; }
  // Test-Logic-Reset, Run-Test/Idle, Pause-DR and Pause-IR: states the TAP can stay in.
  static bool IsStable(TapState state) {
    return state == eTap_TestLogicReset || state == eTap_RunTestIdle || state == eTap_PauseDR ||
           state == eTap_PauseIR;
  }
  // The TMS levels that lead from `from` to `to` by the shortest path (empty when equal).
  static std::string PathTms(TapState from, TapState to);

 private:
  TapState FState = eTap_TestLogicReset;
};
