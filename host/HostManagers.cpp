#include "host/HostManagers.h"

#include "host/HostClient.h"

TGUIManager HostGUIManager() { return TGUIManager(HostClient().GUIManager()); }
TTimerManager HostTimerManager() { return TTimerManager(HostClient().TimerManager()); }
TOptionsManager HostOptionsManager() { return TOptionsManager(HostClient().OptionsManager()); }
TMessagesManager HostMessagesManager() {
  return TMessagesWorkspace(HostClient().MessagesWorkspace()).MessagesManager();
}
