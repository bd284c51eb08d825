// The simulated host client (IClient): hands out the managers, loads host modules, opens
// documents, keeps panel views and notification handlers, and records process requests.
#pragma once

#include <cstdint>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "hostsim/SimClientAPI.h"
#include "hostsim/SimDocument.h"
#include "hostsim/SimGUIManager.h"
#include "hostsim/SimMessages.h"
#include "hostsim/SimOptionsManager.h"
#include "hostsim/SimPluginRegistry.h"
#include "hostsim/SimTimerManager.h"
#include "platform/Text.h"

struct TSimClientParts {
  TComPtr<TSimClientAPI> ClientAPI;
  TComPtr<TSimGUIManager> GUIManager;
  TComPtr<TSimTimerManager> TimerManager;
  TComPtr<TSimOptionsManager> OptionsManager;
  TComPtr<TSimMessagesWorkspace> MessagesWorkspace;
  TComPtr<TSimPluginRegistry> PluginRegistry;
};

// A host process the plug-in asked the client to run.
struct TSimProcessRequest {
  std::string Process;
  std::string Parameters;
};

class TSimClient : public TSimObject {
 public:
  TSimClient(std::shared_ptr<THostEventLog> log, TSimClientParts parts)
      : TSimObject(std::move(log), "Client"), FParts(std::move(parts)) {}

  static constexpr std::int32_t kSimMainWindowHandle = 0x10EE;

  // The object the client answers for a host module name (DISPID 496; none unless set).
  void SetModule(const std::string& name, TComPtr<IDispatch> module) { FModules[name] = std::move(module); }
  // A module that the host fails to load (by default every module loads).
  void SetModuleUnavailable(const std::string& name) { FUnavailableModules.insert(name); }
  // Makes `path` a document the host has open.
  TComPtr<TSimDocument> OpenDocumentFor(const std::string& path);
  TComPtr<TSimDocument> DocumentOf(const std::string& path) const;
  const std::vector<TComPtr<IDispatch>>& NotificationHandlers() const { return FHandlers; }
  const std::vector<TSimProcessRequest>& ProcessRequests() const { return FProcesses; }
  const std::vector<TComPtr<IDispatch>>& PanelViews() const { return FPanelViews; }
  void SetFormsMayGoAtOnce(bool value) { FFormsMayGoAtOnce = value; }

 protected:
  bool DispatchOwn(DISPID id, DISPPARAMS* params, VARIANT* result, HRESULT& status) override;

 private:
  void RunProcess(std::string process, std::string parameters, TComPtr<IDispatch>) {
    FProcesses.push_back({std::move(process), std::move(parameters)});
  }
  TComPtr<IDispatch> OpenDocument(std::string path) { return AsDispatchPtr(DocumentOf(path)); }
  std::string DocumentKind(std::string) { return {}; }
  void ShowDocument(TComPtr<IDispatch>) {}
  TComPtr<IDispatch> Module(std::string name) {
    const auto it = FModules.find(name);
    return it != FModules.end() ? it->second : TComPtr<IDispatch>();
  }
  bool LoadModule(std::string name) { return FUnavailableModules.count(name) == 0; }
  TComPtr<IDispatch> GUIManager() { return AsDispatchPtr(FParts.GUIManager); }
  TComPtr<IDispatch> TimerManager() { return AsDispatchPtr(FParts.TimerManager); }
  TComPtr<IDispatch> OptionsManager() { return AsDispatchPtr(FParts.OptionsManager); }
  TComPtr<IDispatch> MessagesWorkspace() { return AsDispatchPtr(FParts.MessagesWorkspace); }
  TComPtr<IDispatch> ClientAPI() { return AsDispatchPtr(FParts.ClientAPI); }
  TComPtr<IDispatch> PluginRegistry() { return AsDispatchPtr(FParts.PluginRegistry); }
  std::int32_t MainWindowHandle() { return kSimMainWindowHandle; }
  void AddPanelView(TComPtr<IDispatch> view) { FPanelViews.push_back(std::move(view)); }
  TComPtr<IDispatch> FindPanelView(std::string name);
  void RemovePanelView(TComPtr<IDispatch> view);
  void RegisterNotificationHandler(TComPtr<IDispatch> handler) { FHandlers.push_back(std::move(handler)); }
  void UnregisterNotificationHandler(TComPtr<IDispatch> handler);
  bool FormsMayGoAtOnce() { return FFormsMayGoAtOnce; }
  std::string SourceName() { return "Quill"; }

  TSimClientParts FParts;
  std::set<std::string, text::LessNoCase> FUnavailableModules;
  std::map<std::string, TComPtr<IDispatch>, text::LessNoCase> FModules;
  std::vector<TComPtr<TSimDocument>> FDocuments;
  std::vector<TComPtr<IDispatch>> FHandlers;
  std::vector<TComPtr<IDispatch>> FPanelViews;
  std::vector<TSimProcessRequest> FProcesses;
  bool FFormsMayGoAtOnce = true;
};
