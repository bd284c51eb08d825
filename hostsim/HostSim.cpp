#include "hostsim/HostSim.h"

#include <cstdio>

#include "host/HostEntryPoints.h"
#include "host/NotificationHandler.h"
#include "host/ReferencedObject.h"
#include "host/Variant.h"
#include "platform/Export.h"

namespace {

THostSim*& CurrentHost() {
  static THostSim* host = nullptr;
  return host;
}

constexpr DISPID kDriver_SetQuillDevice = 503754;

}  // namespace

THostSim::THostSim() : FLog(std::make_shared<THostEventLog>()) {
  FClientAPI = MakeObject<TSimClientAPI>(FLog, "ClientAPI");
  FGUIManager = MakeObject<TSimGUIManager>(FLog, "GUIManager");
  FTimers = MakeObject<TSimTimerManager>(FLog, "TimerManager");
  FOptions = MakeObject<TSimOptionsManager>(FLog, std::make_shared<TSimOptionStore>());
  FMessages = MakeObject<TSimMessagesManager>(FLog, "MessagesManager");
  FMessagesWorkspace = MakeObject<TSimMessagesWorkspace>(FLog, FMessages);
  FPluginRegistry = MakeObject<TSimPluginRegistry>(FLog, "PluginRegistry");
  FClient = MakeObject<TSimClient>(
      FLog, TSimClientParts{FClientAPI, FGUIManager, FTimers, FOptions, FMessagesWorkspace, FPluginRegistry});
  FWorkspace = MakeObject<TSimWorkspace>(FLog, FMessages);
  FVendorTools = MakeObject<TSimVendorToolManager>(FLog, "VendorToolManager");
  FWorkbench = MakeObject<TSimQuillWorkspace>(FLog, FVendorTools);
  FDeviceManager = MakeObject<TSimDeviceManager>(FLog, "DeviceManager");
}

THostSim::~THostSim() { Uninstall(); }

void THostSim::Install() { CurrentHost() = this; }

void THostSim::Uninstall() {
  if (CurrentHost() == this) CurrentHost() = nullptr;
}

THostSim* THostSim::Current() { return CurrentHost(); }

TComPtr<IDispatch> THostSim::ClientObject() const {
  return FClientAvailable ? AsDispatchPtr(FClient) : TComPtr<IDispatch>();
}

TComPtr<TSimQuillDevice> THostSim::AttachDevice(TComPtr<IDispatch> driver, std::int32_t jtagIndex) {
  TComPtr<TSimQuillDevice> device = MakeObject<TSimQuillDevice>(FLog, driver, jtagIndex);
  FDeviceManager->AddDeviceInformation(driver);
  if (driver) THostObject(driver).Call<bool>(kDriver_SetQuillDevice, AsDispatchPtr(device));
  return device;
}

void THostSim::Notify(const std::string& kind, std::int32_t code, TComPtr<IDispatch> data) {
  const TComPtr<TSimNotification> notification = MakeObject<TSimNotification>(FLog, kind, code, std::move(data));
  const std::vector<TComPtr<IDispatch>> handlers = FClient->NotificationHandlers();  // a handler may unregister
  for (const TComPtr<IDispatch>& handler : handlers) {
    FLog->Add({"NotificationHandler", kDispId_HandleNotification, {kind, std::to_string(code)}, {true, false}});
    TVariant argument(notification->AsDispatch());
    DISPPARAMS call{argument.Ptr(), nullptr, 1, 0};
    handler->Invoke(kDispId_HandleNotification, IID_NULL, 0, DISPATCH_METHOD, &call, nullptr, nullptr, nullptr);
  }
}

int THostSim::ShowMessageBox(platform::TMessageBoxKind kind, const std::string& text, const std::string& caption) {
  FMessageBoxes.push_back({kind, text, caption});
  FLog->Add({"MessageBox", static_cast<DISPID>(kind), {caption, text}, {true, true}});
  if (FEchoMessageBoxes) std::fprintf(stderr, "[%s] %s\n", caption.c_str(), text.c_str());
  return FMessageBoxResult;
}

void THostSim::SetKeyDown(platform::TModifierKey key, bool down) {
  if (key >= 0 && key < 3) FKeys[key] = down;
}

bool THostSim::KeyDown(platform::TModifierKey key) const { return key >= 0 && key < 3 && FKeys[key]; }

void THostSim::ProcessMessages() {
  if (FPumping) return;  // a handler that pumps again must not re-enter the queue
  FPumping = true;
  ++FPumpCount;
  try {
    std::deque<std::function<void()>> actions;
    actions.swap(FActions);
    for (auto& action : actions) action();
    FTimers->Advance(FPumpTimeStep);
  } catch (...) {
    FPumping = false;
    throw;
  }
  FPumping = false;
}

// ---- what the running process exports: the host's entry points and its desktop ----

namespace {

IDispatch* Handed(TComPtr<IDispatch> object) { return object.Detach(); }

}  // namespace

QUILL_EXPORT IDispatch* ClientAPI_GetClientInterface() {
  THostSim* host = THostSim::Current();
  return host != nullptr ? Handed(host->ClientObject()) : nullptr;
}

QUILL_EXPORT IDispatch* GetWorkspace() {
  THostSim* host = THostSim::Current();
  return host != nullptr ? Handed(host->WorkspaceObject()) : nullptr;
}

QUILL_EXPORT IDispatch* GetDeviceManager() {
  THostSim* host = THostSim::Current();
  return host != nullptr ? Handed(host->DeviceManagerObject()) : nullptr;
}

QUILL_EXPORT std::int32_t GetJTagPortCount() {
  THostSim* host = THostSim::Current();
  return host != nullptr ? static_cast<std::int32_t>(host->JTagPorts().size()) : 0;
}

QUILL_EXPORT IDispatch* GetJTagPort(std::int32_t index) {
  THostSim* host = THostSim::Current();
  if (host == nullptr || index < 0 || static_cast<std::size_t>(index) >= host->JTagPorts().size()) return nullptr;
  return Handed(host->JTagPorts()[static_cast<std::size_t>(index)]);
}

QUILL_EXPORT IDispatch* LibApi_GetModelTypeManager() { return nullptr; }
QUILL_EXPORT IDispatch* LibApi_GetLibraryManager() { return nullptr; }
QUILL_EXPORT IDispatch* GetEditVHDLSynthesizer() { return nullptr; }

QUILL_EXPORT IDispatch* GetQuillWorkspace() {
  THostSim* host = THostSim::Current();
  return host != nullptr ? Handed(host->QuillWorkspaceObject()) : nullptr;
}

QUILL_EXPORT int QuillDesktop_MessageBox(int kind, const char* text, const char* caption) {
  THostSim* host = THostSim::Current();
  const auto boxKind = static_cast<platform::TMessageBoxKind>(kind);
  if (host != nullptr) return host->ShowMessageBox(boxKind, text != nullptr ? text : "", caption != nullptr ? caption : "");
  std::fprintf(stderr, "[%s] %s\n", caption != nullptr ? caption : "", text != nullptr ? text : "");
  return platform::kMessageBoxResult_OK;
}

QUILL_EXPORT int QuillDesktop_KeyDown(int key) {
  THostSim* host = THostSim::Current();
  return host != nullptr && host->KeyDown(static_cast<platform::TModifierKey>(key)) ? 1 : 0;
}

QUILL_EXPORT void QuillDesktop_ProcessMessages() {
  if (THostSim* host = THostSim::Current()) host->ProcessMessages();
}

// The signatures the plug-in expects of the entry points.
static_assert(std::is_same_v<decltype(&ClientAPI_GetClientInterface), THostGetObjectFn>);
static_assert(std::is_same_v<decltype(&GetJTagPortCount), THostGetJTagPortCountFn>);
static_assert(std::is_same_v<decltype(&GetJTagPort), THostGetJTagPortFn>);
static_assert(std::is_same_v<decltype(&QuillDesktop_MessageBox), platform::TDesktopMessageBoxFn>);
