#include "hostsim/SimClient.h"

#include <algorithm>

#include "host/HostClient.h"
#include "host/HostObject.h"
#include "host/ReferencedObject.h"

bool TSimClient::DispatchOwn(DISPID id, DISPPARAMS* params, VARIANT* result, HRESULT& status) {
  using namespace client_dispid;
  static const TDispatchTable<TSimClient> table{
      {kOpenDocument, Op<&TSimClient::OpenDocument>},
      {kMainWindowHandle, Op<&TSimClient::MainWindowHandle>},
      {kGUIManager, Op<&TSimClient::GUIManager>},
      {kModule, Op<&TSimClient::Module>},
      {kFormsMayGoAtOnce, Op<&TSimClient::FormsMayGoAtOnce>},
      {kLoadModule, Op<&TSimClient::LoadModule>},
      {kDocumentKind, Op<&TSimClient::DocumentKind>},
      {kAddPanelView, Op<&TSimClient::AddPanelView>},
      {kFindPanelView, Op<&TSimClient::FindPanelView>},
      {kShowDocument, Op<&TSimClient::ShowDocument>},
      {kRegisterNotificationHandler, Op<&TSimClient::RegisterNotificationHandler>},
      {kUnregisterNotificationHandler, Op<&TSimClient::UnregisterNotificationHandler>},
      {kTimerManager, Op<&TSimClient::TimerManager>},
      {kRemovePanelView, Op<&TSimClient::RemovePanelView>},
      {kOptionsManager, Op<&TSimClient::OptionsManager>},
      {kSourceName, Op<&TSimClient::SourceName>},
      {kMessagesWorkspace, Op<&TSimClient::MessagesWorkspace>},
      {kRunProcess, Op<&TSimClient::RunProcess>},
      {kClientAPI, Op<&TSimClient::ClientAPI>},
      {kPluginRegistry, Op<&TSimClient::PluginRegistry>},
  };
  return table.Dispatch(*this, id, params, result, status);
}

TComPtr<TSimDocument> TSimClient::OpenDocumentFor(const std::string& path) {
  if (TComPtr<TSimDocument> existing = DocumentOf(path)) return existing;
  FDocuments.push_back(MakeObject<TSimDocument>(LogPtr(), path));
  return FDocuments.back();
}

TComPtr<TSimDocument> TSimClient::DocumentOf(const std::string& path) const {
  for (const TComPtr<TSimDocument>& document : FDocuments)
    if (document->Path() == path) return document;
  return {};
}

TComPtr<IDispatch> TSimClient::FindPanelView(std::string name) {
  constexpr DISPID kGetViewName = 61;
  for (const TComPtr<IDispatch>& view : FPanelViews)
    if (text::EqualsNoCase(THostObject(view).Call<std::string>(kGetViewName), name)) return view;
  return {};
}

void TSimClient::RemovePanelView(TComPtr<IDispatch> view) {
  std::erase(FPanelViews, view);
}

void TSimClient::UnregisterNotificationHandler(TComPtr<IDispatch> handler) { std::erase(FHandlers, handler); }
