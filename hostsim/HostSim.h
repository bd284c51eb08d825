// THostSim: the simulated host. It builds the host's objects (client, client API, GUI
// manager, timer manager on a virtual clock, options manager, messages panel, workspace,
// plug-in registry, FPGA workbench with its vendor-tool manager, device manager), records
// every call the plug-in makes on them in one event log, and, once installed, serves them
// through the host's entry points that the plug-in looks up in the running process
// (ClientAPI_GetClientInterface, GetWorkspace, ...) together with the desktop (message
// boxes, key state, message pump).
//
// One host is installed at a time. A program that embeds it (quillhost, a test) must export
// its dynamic symbols (CMake ENABLE_EXPORTS) so that a loaded plug-in finds the entry points.
//
//   THostSim host;
//   host.Install();
//   host.PluginRegistry().Add(BinDir());          // where QuillConfig.ini lives
//   auto device = host.AttachDevice(driver);      // SetQuillDevice on the driver
//   device->SetJTagChannel(myChain);              // the JTAG simulation plugs in here
//   ... drive the plug-in ...
//   host.Log().Calls("GUIManager", 164);
//
// Other parts of the simulation extend it through the accessors (objects are shared with
// the plug-in through reference counting, so they outlive the host as long as it holds them).
#pragma once

#include <cstdint>
#include <deque>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "hostsim/HostEventLog.h"
#include "hostsim/SimClient.h"
#include "hostsim/SimDeviceManager.h"
#include "hostsim/SimQuillDevice.h"
#include "hostsim/SimVendorToolManager.h"
#include "hostsim/SimWorkspace.h"
#include "platform/Desktop.h"

struct TSimMessageBox {
  platform::TMessageBoxKind Kind;
  std::string Text;
  std::string Caption;
};

class THostSim {
 public:
  THostSim();
  ~THostSim();
  THostSim(const THostSim&) = delete;
  THostSim& operator=(const THostSim&) = delete;

  // Makes this the host the entry points serve (replacing any other); the destructor undoes it.
  void Install();
  void Uninstall();
  bool Installed() const { return Current() == this; }
  static THostSim* Current();

  // Without a client the client entry point answers none (as outside a host).
  void SetClientAvailable(bool available) { FClientAvailable = available; }
  bool ClientAvailable() const { return FClientAvailable; }

  THostEventLog& Log() { return *FLog; }
  const THostEventLog& Log() const { return *FLog; }
  TSimClient& Client() { return *FClient; }
  TSimClientAPI& ClientAPI() { return *FClientAPI; }
  TSimGUIManager& GUIManager() { return *FGUIManager; }
  TSimTimerManager& Timers() { return *FTimers; }
  TSimOptionsManager& Options() { return *FOptions; }
  TSimMessagesManager& Messages() { return *FMessages; }
  TSimWorkspace& Workspace() { return *FWorkspace; }
  TSimPluginRegistry& PluginRegistry() { return *FPluginRegistry; }
  TSimVendorToolManager& VendorTools() { return *FVendorTools; }
  TSimDeviceManager& DeviceManager() { return *FDeviceManager; }

  // The objects as the entry points hand them out.
  TComPtr<IDispatch> ClientObject() const;
  TComPtr<IDispatch> WorkspaceObject() const { return AsDispatchPtr(FWorkspace); }
  TComPtr<IDispatch> DeviceManagerObject() const { return AsDispatchPtr(FDeviceManager); }
  TComPtr<IDispatch> QuillWorkspaceObject() const { return AsDispatchPtr(FWorkbench); }

  // A host device object for `driver` at `jtagIndex`, attached to the driver with
  // SetQuillDevice; the device manager learns the driver too.
  TComPtr<TSimQuillDevice> AttachDevice(TComPtr<IDispatch> driver, std::int32_t jtagIndex = 0);

  // The host's JTAG ports (GetJTagPortCount / GetJTagPort).
  void AddJTagPort(TComPtr<IDispatch> port) { FJTagPorts.push_back(std::move(port)); }
  const std::vector<TComPtr<IDispatch>>& JTagPorts() const { return FJTagPorts; }

  // Sends a notification to every registered handler (DISPID 266).
  void Notify(const std::string& kind, std::int32_t code, TComPtr<IDispatch> data = {});

  // The desktop: message boxes shown (printed on standard error too when echoing), the
  // answer they give, and which modifier keys are held.
  const std::vector<TSimMessageBox>& MessageBoxes() const { return FMessageBoxes; }
  void SetEchoMessageBoxes(bool echo) { FEchoMessageBoxes = echo; }
  void SetMessageBoxResult(int result) { FMessageBoxResult = result; }
  int ShowMessageBox(platform::TMessageBoxKind kind, const std::string& text, const std::string& caption);
  void SetKeyDown(platform::TModifierKey key, bool down);
  bool KeyDown(platform::TModifierKey key) const;

  // Time and the message pump. The clock moves only when told: AdvanceTime, or each pump run
  // by the pump time step (0 unless set). A pump run does the queued actions, then fires the
  // timers that are due.
  std::uint64_t Now() const { return FTimers->Now(); }
  void AdvanceTime(std::uint64_t ms) { FTimers->Advance(ms); }
  void QueueAction(std::function<void()> action) { FActions.push_back(std::move(action)); }
  void SetPumpTimeStep(std::uint64_t ms) { FPumpTimeStep = ms; }
  void ProcessMessages();
  std::size_t PumpCount() const { return FPumpCount; }

 private:
  std::shared_ptr<THostEventLog> FLog;
  TComPtr<TSimClientAPI> FClientAPI;
  TComPtr<TSimGUIManager> FGUIManager;
  TComPtr<TSimTimerManager> FTimers;
  TComPtr<TSimOptionsManager> FOptions;
  TComPtr<TSimMessagesManager> FMessages;
  TComPtr<TSimMessagesWorkspace> FMessagesWorkspace;
  TComPtr<TSimPluginRegistry> FPluginRegistry;
  TComPtr<TSimClient> FClient;
  TComPtr<TSimWorkspace> FWorkspace;
  TComPtr<TSimVendorToolManager> FVendorTools;
  TComPtr<TSimQuillWorkspace> FWorkbench;
  TComPtr<TSimDeviceManager> FDeviceManager;
  std::vector<TComPtr<IDispatch>> FJTagPorts;
  bool FClientAvailable = true;

  std::vector<TSimMessageBox> FMessageBoxes;
  bool FEchoMessageBoxes = false;
  int FMessageBoxResult = platform::kMessageBoxResult_OK;
  bool FKeys[3] = {false, false, false};

  std::deque<std::function<void()>> FActions;
  std::uint64_t FPumpTimeStep = 0;
  std::size_t FPumpCount = 0;
  bool FPumping = false;
};
