#include "hostsim/SimTimerManager.h"

#include "host/HostManagers.h"
#include "host/TimerHandler.h"
#include "host/Variant.h"

bool TSimTimerManager::DispatchOwn(DISPID id, DISPPARAMS* params, VARIANT* result, HRESULT& status) {
  static const TDispatchTable<TSimTimerManager> table{
      {timer_dispid::kAddHandler, Op<&TSimTimerManager::AddHandler>},
      {timer_dispid::kRemoveHandler, Op<&TSimTimerManager::RemoveHandler>},
      {timer_dispid::kSetEnabled, Op<&TSimTimerManager::SetEnabled>},
  };
  return table.Dispatch(*this, id, params, result, status);
}

std::uint32_t TSimTimerManager::AddHandler(TComPtr<IDispatch> handler, std::int32_t interval, bool enabled) {
  const std::uint32_t id = FNextId++;
  TTimer timer{std::move(handler), interval, enabled, 0};
  timer.Due = FNow + IntervalOf(timer);
  FTimers[id] = std::move(timer);
  return id;
}

void TSimTimerManager::SetEnabled(std::uint32_t id, bool enabled) {
  const auto it = FTimers.find(id);
  if (it == FTimers.end()) return;
  if (enabled && !it->second.Enabled) it->second.Due = FNow + IntervalOf(it->second);
  it->second.Enabled = enabled;
}

bool TSimTimerManager::TimerEnabled(std::uint32_t id) const {
  const auto it = FTimers.find(id);
  return it != FTimers.end() && it->second.Enabled;
}

std::int32_t TSimTimerManager::TimerInterval(std::uint32_t id) const {
  const auto it = FTimers.find(id);
  return it != FTimers.end() ? it->second.Interval : 0;
}

void TSimTimerManager::Advance(std::uint64_t ms) {
  const std::uint64_t until = FNow + ms;
  for (;;) {
    // The earliest enabled timer due by `until` (ties go to the older timer).
    std::uint32_t nextId = 0;
    std::uint64_t nextDue = until + 1;
    for (const auto& [id, timer] : FTimers)
      if (timer.Enabled && timer.Due < nextDue) {
        nextId = id;
        nextDue = timer.Due;
      }
    if (nextId == 0) break;
    FNow = nextDue;
    TTimer& timer = FTimers[nextId];
    timer.Due = FNow + IntervalOf(timer);
    const TComPtr<IDispatch> handler = timer.Handler;  // the handler may remove its timer
    Log().Add({"TimerHandler", kDispId_HandleTimer, {std::to_string(nextId)}, {false}});
    TVariant argument(nextId);
    DISPPARAMS call{argument.Ptr(), nullptr, 1, 0};
    if (handler) handler->Invoke(kDispId_HandleTimer, IID_NULL, 0, DISPATCH_METHOD, &call, nullptr, nullptr, nullptr);
  }
  FNow = until;
}
