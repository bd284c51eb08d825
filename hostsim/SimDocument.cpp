#include "hostsim/SimDocument.h"

#include "host/HostManagers.h"

bool TSimDocument::DispatchOwn(DISPID id, DISPPARAMS* params, VARIANT* result, HRESULT& status) {
  static const TDispatchTable<TSimDocument> table{
      {100, Op<&TSimDocument::BeginModify>},
      {101, Op<&TSimDocument::EndModify>},
  };
  return table.Dispatch(*this, id, params, result, status);
}

bool TSimNotification::DispatchOwn(DISPID id, DISPPARAMS* params, VARIANT* result, HRESULT& status) {
  static const TDispatchTable<TSimNotification> table{
      {notification_dispid::kKind, Op<&TSimNotification::Kind>},
      {notification_dispid::kCode, Op<&TSimNotification::Code>},
      {notification_dispid::kData, Op<&TSimNotification::Data>},
  };
  return table.Dispatch(*this, id, params, result, status);
}
