#include "host/NotificationHandler.h"

#include "host/HostClient.h"
#include "platform/Text.h"

HRESULT STDMETHODCALLTYPE TAbstractNotificationHandler::Invoke(DISPID id, REFIID riid, LCID locale, WORD flags,
                                                               DISPPARAMS* params, VARIANT* result,
                                                               EXCEPINFO* excepInfo, UINT* argErr) {
  static const TDispatchTable<TAbstractNotificationHandler> table{
      {kDispId_HandleNotification, Op<&TAbstractNotificationHandler::HandleNotification>},
  };
  HRESULT status = S_OK;
  if (table.Dispatch(*this, id, params, result, status)) return status;
  return TAbstractSupportService::Invoke(id, riid, locale, flags, params, result, excepInfo, argErr);
}

bool TAbstractNotificationHandler::IsServiceSupported(std::string_view name) {
  return text::EqualsNoCase(name, "NotificationHandler") || TAbstractSupportService::IsServiceSupported(name);
}

std::unique_ptr<TNotificationHandler> TNotificationHandler::Create(TCallback callback) {
  std::unique_ptr<TNotificationHandler> handler(NewUncounted<TNotificationHandler>(std::move(callback)));
  const TClient client = HostClient();
  if (client.Assigned()) {
    client.RegisterNotificationHandler(TComPtr<IDispatch>(handler->AsDispatch()));
    handler->FRegistered = true;
  }
  return handler;
}

TNotificationHandler::~TNotificationHandler() {
  if (!FRegistered) return;
  try {
    HostClient().UnregisterNotificationHandler(TComPtr<IDispatch>(AsDispatch()));
  } catch (...) {
    // The host may already be gone; nothing is left to undo then.
  }
}

void TNotificationHandler::HandleNotification(TComPtr<IDispatch> notification) {
  if (FHandler) FHandler(std::move(notification));
}
