// Timer handlers: objects the host's timer manager calls back with their timer id (DISPID 267).
//
// A handler belongs to the object that creates it and is freed by it; the host's reference
// counting does not apply. TTimerHandler adds its timer to the host's timer manager when it is
// created (id 0 without a host) and removes it when it is destroyed.
#pragma once

#include <cstdint>
#include <functional>
#include <memory>

#include "host/SupportService.h"

constexpr DISPID kDispId_HandleTimer = 267;

class TAbstractTimerHandler : public TAbstractSupportService {
 public:
  ULONG STDMETHODCALLTYPE AddRef() override { return 1; }
  ULONG STDMETHODCALLTYPE Release() override { return 1; }
  HRESULT STDMETHODCALLTYPE Invoke(DISPID id, REFIID riid, LCID locale, WORD flags, DISPPARAMS* params,
                                   VARIANT* result, EXCEPINFO* excepInfo, UINT* argErr) override;
  bool IsServiceSupported(std::string_view name) override;

  virtual void HandleTimer(std::uint32_t timerId) = 0;
};

class TTimerHandler : public TAbstractTimerHandler {
 public:
  using TCallback = std::function<void(std::uint32_t timerId)>;

  static std::unique_ptr<TTimerHandler> Create(TCallback callback, std::int32_t intervalMs, bool enabled);
  ~TTimerHandler() override;

  std::uint32_t TimerID() const { return FTimerID; }
  void SetEnabled(bool enabled);
  void HandleTimer(std::uint32_t timerId) override;

 private:
  explicit TTimerHandler(TCallback callback) : FHandler(std::move(callback)) {}
  template <class T, class... A>
  friend T* NewUncounted(A&&...);

  std::uint32_t FTimerID = 0;
  TCallback FHandler;
};
