// The simulated timer manager on a virtual clock. Time moves only when the host is told to
// advance it; timers due by then are fired in due order, each calling its handler (DISPID 267)
// with the timer id.
#pragma once

#include <cstdint>
#include <map>

#include "hostsim/SimObject.h"

class TSimTimerManager : public TSimObject {
 public:
  using TSimObject::TSimObject;

  std::uint64_t Now() const { return FNow; }
  // Moves the clock forward by `ms`, firing every timer that falls due on the way.
  void Advance(std::uint64_t ms);
  // Fires the timers due at the current time.
  void FireDue() { Advance(0); }

  std::size_t TimerCount() const { return FTimers.size(); }
  bool HasTimer(std::uint32_t id) const { return FTimers.count(id) != 0; }
  bool TimerEnabled(std::uint32_t id) const;
  std::int32_t TimerInterval(std::uint32_t id) const;

 protected:
  bool DispatchOwn(DISPID id, DISPPARAMS* params, VARIANT* result, HRESULT& status) override;

 private:
  struct TTimer {
    TComPtr<IDispatch> Handler;
    std::int32_t Interval = 0;
    bool Enabled = false;
    std::uint64_t Due = 0;
  };

  std::uint32_t AddHandler(TComPtr<IDispatch> handler, std::int32_t interval, bool enabled);
  void RemoveHandler(std::uint32_t id) { FTimers.erase(id); }
  void SetEnabled(std::uint32_t id, bool enabled);
  std::uint64_t IntervalOf(const TTimer& timer) const { return timer.Interval > 0 ? timer.Interval : 1; }

  std::map<std::uint32_t, TTimer> FTimers;
  std::uint32_t FNextId = 1;
  std::uint64_t FNow = 0;
};
