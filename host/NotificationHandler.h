// Notification handlers: objects the host calls back with its notifications (DISPID 266).
//
// A handler belongs to the object that creates it and is freed by it; the host's reference
// counting does not apply. TNotificationHandler registers itself with the host client when it
// is created and unregisters when it is destroyed.
#pragma once

#include <functional>
#include <memory>

#include "host/SupportService.h"

constexpr DISPID kDispId_HandleNotification = 266;

class TAbstractNotificationHandler : public TAbstractSupportService {
 public:
  ULONG STDMETHODCALLTYPE AddRef() override { return 1; }
  ULONG STDMETHODCALLTYPE Release() override { return 1; }
  HRESULT STDMETHODCALLTYPE Invoke(DISPID id, REFIID riid, LCID locale, WORD flags, DISPPARAMS* params,
                                   VARIANT* result, EXCEPINFO* excepInfo, UINT* argErr) override;
  bool IsServiceSupported(std::string_view name) override;

  virtual void HandleNotification(TComPtr<IDispatch> notification) = 0;
};

class TNotificationHandler : public TAbstractNotificationHandler {
 public:
  using TCallback = std::function<void(TComPtr<IDispatch> notification)>;

  static std::unique_ptr<TNotificationHandler> Create(TCallback callback);
  ~TNotificationHandler() override;

  void HandleNotification(TComPtr<IDispatch> notification) override;

 private:
  explicit TNotificationHandler(TCallback callback) : FHandler(std::move(callback)) {}
  template <class T, class... A>
  friend T* NewUncounted(A&&...);

  TCallback FHandler;
  bool FRegistered = false;
};
