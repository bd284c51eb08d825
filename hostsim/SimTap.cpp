#include "hostsim/SimTap.h"

#include <array>
#include <deque>
#include <stdexcept>

TapState TSimTap::Next(TapState state, bool tms) {
  switch (state) {
    case eTap_TestLogicReset: return tms ? eTap_TestLogicReset : eTap_RunTestIdle;
    case eTap_RunTestIdle: return tms ? eTap_SelectDR : eTap_RunTestIdle;
    case eTap_SelectDR: return tms ? eTap_SelectIR : eTap_CaptureDR;
    case eTap_CaptureDR: return tms ? eTap_Exit1DR : eTap_ShiftDR;
    case eTap_ShiftDR: return tms ? eTap_Exit1DR : eTap_ShiftDR;
    case eTap_Exit1DR: return tms ? eTap_UpdateDR : eTap_PauseDR;
    case eTap_PauseDR: return tms ? eTap_Exit2DR : eTap_PauseDR;
    case eTap_Exit2DR: return tms ? eTap_UpdateDR : eTap_ShiftDR;
    case eTap_UpdateDR: return tms ? eTap_SelectDR : eTap_RunTestIdle;
    case eTap_SelectIR: return tms ? eTap_TestLogicReset : eTap_CaptureIR;
    case eTap_CaptureIR: return tms ? eTap_Exit1IR : eTap_ShiftIR;
    case eTap_ShiftIR: return tms ? eTap_Exit1IR : eTap_ShiftIR;
    case eTap_Exit1IR: return tms ? eTap_UpdateIR : eTap_PauseIR;
    case eTap_PauseIR: return tms ? eTap_Exit2IR : eTap_PauseIR;
    case eTap_Exit2IR: return tms ? eTap_UpdateIR : eTap_ShiftIR;
    case eTap_UpdateIR: return tms ? eTap_SelectDR : eTap_RunTestIdle;
    case eTap_Undefined: break;
  }
  return eTap_TestLogicReset;
}

std::string TSimTap::PathTms(TapState from, TapState to) {
  if (from < eTap_TestLogicReset || from > eTap_UpdateIR || to < eTap_TestLogicReset || to > eTap_UpdateIR)
    throw std::invalid_argument("TAP state out of range");
  // Breadth-first search over the 16 states; the graph is tiny.
  std::array<std::string, 17> path;
  std::array<bool, 17> seen{};
  std::deque<TapState> queue{from};
  seen[from] = true;
  while (!queue.empty()) {
    const TapState state = queue.front();
    queue.pop_front();
    if (state == to) return path[state];
    for (const bool tms : {false, true}) {
      const TapState next = Next(state, tms);
      if (seen[next]) continue;
      seen[next] = true;
      path[next] = path[state] + (tms ? '1' : '0');
      queue.push_back(next);
    }
  }
  return {};
}
