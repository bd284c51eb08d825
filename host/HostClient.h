// Wrappers of the host's client object (IClient), its client-API object and its plug-in
// registry. Every member of a wrapper without a host object is a no-op answering none, so
// code runs unchanged when the plug-in is loaded outside a host; a failing host call raises
// EHostCallFailed.
#pragma once

#include <cstdint>
#include <string>

#include "host/HostObject.h"

namespace client_dispid {
constexpr DISPID kOpenDocument = 491;
constexpr DISPID kMainWindowHandle = 492;
constexpr DISPID kGUIManager = 494;
constexpr DISPID kModule = 496;
constexpr DISPID kFormsMayGoAtOnce = 504;
constexpr DISPID kLoadModule = 507;
constexpr DISPID kDocumentKind = 509;
constexpr DISPID kAddPanelView = 513;
constexpr DISPID kFindPanelView = 514;
constexpr DISPID kShowDocument = 515;
constexpr DISPID kRegisterNotificationHandler = 527;
constexpr DISPID kUnregisterNotificationHandler = 528;
constexpr DISPID kTimerManager = 531;
constexpr DISPID kRemovePanelView = 532;
constexpr DISPID kOptionsManager = 533;
constexpr DISPID kSourceName = 548;
constexpr DISPID kMessagesWorkspace = 565;
constexpr DISPID kRunProcess = 625;
constexpr DISPID kClientAPI = 795;
constexpr DISPID kPluginRegistry = 2027;
}  // namespace client_dispid

namespace client_api_dispid {
constexpr DISPID kClientFolder = 787;
constexpr DISPID kSetCursor = 791;
constexpr DISPID kRestoreCursor = 792;
constexpr DISPID kSuppressLockedFileReports = 793;
constexpr DISPID kProjectDisplayText = 844;
constexpr DISPID kHelpDocument = 963;
constexpr DISPID kHelpPrefix = 964;
}  // namespace client_api_dispid

namespace plugin_registry_dispid {
constexpr DISPID kCount = 2017;
constexpr DISPID kItem = 2018;
constexpr DISPID kItemFolder = 2009;
constexpr DISPID kItemSkipped = 2010;
}  // namespace plugin_registry_dispid

class TClientAPI : public THostObject {
 public:
  using THostObject::THostObject;
  std::string ClientFolder() const { return CallIfAssigned<std::string>(client_api_dispid::kClientFolder); }
  void SetCursor(std::int32_t code) const { CallIfAssigned(client_api_dispid::kSetCursor, code); }
  void RestoreCursor() const { CallIfAssigned(client_api_dispid::kRestoreCursor); }
  bool SuppressLockedFileReports() const { return CallIfAssigned<bool>(client_api_dispid::kSuppressLockedFileReports); }
  std::string ProjectDisplayText(const std::string& path) const {
    return CallIfAssigned<std::string>(client_api_dispid::kProjectDisplayText, path);
  }
  std::string HelpDocument(const std::string& topic) const {
    return CallIfAssigned<std::string>(client_api_dispid::kHelpDocument, topic);
  }
  std::string HelpPrefix(const std::string& moduleName) const {
    return CallIfAssigned<std::string>(client_api_dispid::kHelpPrefix, moduleName);
  }
};

class TPluginRegistryItem : public THostObject {
 public:
  using THostObject::THostObject;
  std::string Folder() const { return CallIfAssigned<std::string>(plugin_registry_dispid::kItemFolder); }
  bool Skipped() const { return CallIfAssigned<std::int32_t>(plugin_registry_dispid::kItemSkipped) != 0; }
};

class TPluginRegistry : public THostObject {
 public:
  using THostObject::THostObject;
  std::int32_t Count() const { return CallIfAssigned<std::int32_t>(plugin_registry_dispid::kCount); }
  TPluginRegistryItem Item(std::int32_t index) const {
    return TPluginRegistryItem(CallIfAssigned<TComPtr<IDispatch>>(plugin_registry_dispid::kItem, index));
  }
};

class TClient : public THostObject {
 public:
  using THostObject::THostObject;

  // Runs a host process such as "FPGAFlow:DeviceAction"; `parameters` is in/out.
  void RunProcess(const std::string& process, std::string& parameters, TComPtr<IDispatch> view = {}) const {
    CallIfAssigned(client_dispid::kRunProcess, process, TInOutText{parameters}, std::move(view));
  }
  TComPtr<IDispatch> OpenDocument(const std::string& path) const {
    return CallIfAssigned<TComPtr<IDispatch>>(client_dispid::kOpenDocument, path);
  }
  std::string DocumentKind(const std::string& path) const {
    return CallIfAssigned<std::string>(client_dispid::kDocumentKind, path);
  }
  void ShowDocument(TComPtr<IDispatch> document) const { CallIfAssigned(client_dispid::kShowDocument, std::move(document)); }
  TComPtr<IDispatch> Module(const std::string& name) const {
    return CallIfAssigned<TComPtr<IDispatch>>(client_dispid::kModule, name);
  }
  bool LoadModule(const std::string& name) const { return CallIfAssigned<bool>(client_dispid::kLoadModule, name); }
  TComPtr<IDispatch> GUIManager() const { return CallIfAssigned<TComPtr<IDispatch>>(client_dispid::kGUIManager); }
  TComPtr<IDispatch> TimerManager() const { return CallIfAssigned<TComPtr<IDispatch>>(client_dispid::kTimerManager); }
  TComPtr<IDispatch> OptionsManager() const {
    return CallIfAssigned<TComPtr<IDispatch>>(client_dispid::kOptionsManager);
  }
  TComPtr<IDispatch> MessagesWorkspace() const {
    return CallIfAssigned<TComPtr<IDispatch>>(client_dispid::kMessagesWorkspace);
  }
  TClientAPI ClientAPI() const { return TClientAPI(CallIfAssigned<TComPtr<IDispatch>>(client_dispid::kClientAPI)); }
  std::int32_t MainWindowHandle() const { return CallIfAssigned<std::int32_t>(client_dispid::kMainWindowHandle); }
  void AddPanelView(TComPtr<IDispatch> view) const { CallIfAssigned(client_dispid::kAddPanelView, std::move(view)); }
  TComPtr<IDispatch> FindPanelView(const std::string& name) const {
    return CallIfAssigned<TComPtr<IDispatch>>(client_dispid::kFindPanelView, name);
  }
  void RemovePanelView(TComPtr<IDispatch> view) const {
    CallIfAssigned(client_dispid::kRemovePanelView, std::move(view));
  }
  void RegisterNotificationHandler(TComPtr<IDispatch> handler) const {
    CallIfAssigned(client_dispid::kRegisterNotificationHandler, std::move(handler));
  }
  void UnregisterNotificationHandler(TComPtr<IDispatch> handler) const {
    CallIfAssigned(client_dispid::kUnregisterNotificationHandler, std::move(handler));
  }
  bool FormsMayGoAtOnce() const { return CallIfAssigned<bool>(client_dispid::kFormsMayGoAtOnce); }
  // The name the host shows as the source of messages the plug-in posts.
  std::string SourceName() const { return CallIfAssigned<std::string>(client_dispid::kSourceName); }
  TPluginRegistry PluginRegistry() const {
    return TPluginRegistry(CallIfAssigned<TComPtr<IDispatch>>(client_dispid::kPluginRegistry));
  }
};

// The host's client, or an unassigned wrapper outside a host.
TClient HostClient();

// The window that owns the plug-in's forms (the host's main window once a driver is made).
void SetFormsOwnerWindow(std::int32_t handle);
std::int32_t FormsOwnerWindow();
