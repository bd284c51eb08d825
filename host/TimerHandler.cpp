#include "host/TimerHandler.h"

#include "host/HostManagers.h"
#include "platform/Text.h"

HRESULT STDMETHODCALLTYPE TAbstractTimerHandler::Invoke(DISPID id, REFIID riid, LCID locale, WORD flags,
                                                        DISPPARAMS* params, VARIANT* result, EXCEPINFO* excepInfo,
                                                        UINT* argErr) {
  static const TDispatchTable<TAbstractTimerHandler> table{
      {kDispId_HandleTimer, Op<&TAbstractTimerHandler::HandleTimer>},
  };
  HRESULT status = S_OK;
  if (table.Dispatch(*this, id, params, result, status)) return status;
  return TAbstractSupportService::Invoke(id, riid, locale, flags, params, result, excepInfo, argErr);
}

bool TAbstractTimerHandler::IsServiceSupported(std::string_view name) {
  return text::EqualsNoCase(name, "TimerHandler") || TAbstractSupportService::IsServiceSupported(name);
}

std::unique_ptr<TTimerHandler> TTimerHandler::Create(TCallback callback, std::int32_t intervalMs, bool enabled) {
  std::unique_ptr<TTimerHandler> handler(NewUncounted<TTimerHandler>(std::move(callback)));
  handler->FTimerID = HostTimerManager().AddHandler(TComPtr<IDispatch>(handler->AsDispatch()), intervalMs, enabled);
  return handler;
}

TTimerHandler::~TTimerHandler() {
  if (FTimerID == 0) return;
  try {
    HostTimerManager().RemoveHandler(FTimerID);
  } catch (...) {
    // The host may already be gone; nothing is left to undo then.
  }
}

void TTimerHandler::SetEnabled(bool enabled) {
  if (FTimerID != 0) HostTimerManager().SetEnabled(FTimerID, enabled);
}

void TTimerHandler::HandleTimer(std::uint32_t timerId) {
  if (FHandler) FHandler(timerId);
}
