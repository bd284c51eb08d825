#include "hostsim/SimClientAPI.h"

#include "host/HostClient.h"

bool TSimClientAPI::DispatchOwn(DISPID id, DISPPARAMS* params, VARIANT* result, HRESULT& status) {
  static const TDispatchTable<TSimClientAPI> table{
      {client_api_dispid::kClientFolder, Op<&TSimClientAPI::ClientFolder>},
      {client_api_dispid::kSetCursor, Op<&TSimClientAPI::SetCursor>},
      {client_api_dispid::kRestoreCursor, Op<&TSimClientAPI::RestoreCursor>},
      {client_api_dispid::kSuppressLockedFileReports, Op<&TSimClientAPI::SuppressLockedFileReports>},
      {client_api_dispid::kProjectDisplayText, Op<&TSimClientAPI::ProjectDisplayText>},
      {client_api_dispid::kHelpDocument, Op<&TSimClientAPI::HelpDocument>},
      {client_api_dispid::kHelpPrefix, Op<&TSimClientAPI::HelpPrefix>},
  };
  return table.Dispatch(*this, id, params, result, status);
}
