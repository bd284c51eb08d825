// Wrappers of the managers the host client hands out: GUI manager (status bar, panels),
// timer manager, options manager with its readers and writers, the messages panel, and the
// notifications the host sends. Without a host object every member is a no-op answering none.
#pragma once

#include <cstdint>
#include <string>

#include "host/HostObject.h"

namespace gui_dispid {
constexpr DISPID kShortcut = 156;
constexpr DISPID kIsShortcutKey = 158;
constexpr DISPID kStatusBar = 164;
constexpr DISPID kShowPanel = 167;
constexpr DISPID kSetPanelSize = 171;
}  // namespace gui_dispid

// Negative status-bar codes drive the progress bar.
namespace status_bar_code {
constexpr std::int32_t kHelp = -1;
constexpr std::int32_t kProgressBegin = -3;
constexpr std::int32_t kProgressFinish = -4;
constexpr std::int32_t kProgressCaption = -5;
constexpr std::int32_t kProgressEnd = -6;
constexpr std::int32_t kProgressStep = -7;
}  // namespace status_bar_code

class TGUIManager : public THostObject {
 public:
  using THostObject::THostObject;
  void StatusBar_SetState(std::int32_t code, const std::string& text) const {
    CallIfAssigned(gui_dispid::kStatusBar, code, text);
  }
  void ShowPanel(const std::string& panel, bool visible) const { CallIfAssigned(gui_dispid::kShowPanel, panel, visible); }
  void SetPanelSize(const std::string& panel, std::int32_t width, std::int32_t height) const {
    CallIfAssigned(gui_dispid::kSetPanelSize, panel, width, height);
  }
  bool IsShortcutKey(std::int32_t key, bool alt, bool ctrl, bool shift) const {
    return CallIfAssigned<bool>(gui_dispid::kIsShortcutKey, key, alt, ctrl, shift);
  }
  void RunShortcut() const { CallIfAssigned(gui_dispid::kShortcut); }
};

namespace timer_dispid {
constexpr DISPID kAddHandler = 268;
constexpr DISPID kRemoveHandler = 269;
constexpr DISPID kSetEnabled = 271;
}  // namespace timer_dispid

class TTimerManager : public THostObject {
 public:
  using THostObject::THostObject;
  // The new timer's id (0 without a manager); the handler is called with that id.
  std::uint32_t AddHandler(TComPtr<IDispatch> handler, std::int32_t intervalMs, bool enabled) const {
    return CallIfAssigned<std::uint32_t>(timer_dispid::kAddHandler, std::move(handler), intervalMs, enabled);
  }
  void RemoveHandler(std::uint32_t id) const { CallIfAssigned(timer_dispid::kRemoveHandler, id); }
  void SetEnabled(std::uint32_t id, bool enabled) const { CallIfAssigned(timer_dispid::kSetEnabled, id, enabled); }
};

namespace options_dispid {
constexpr DISPID kReadBoolean = 273;
constexpr DISPID kWrite = 281;
constexpr DISPID kReader = 285;
constexpr DISPID kWriter = 286;
}  // namespace options_dispid

class TOptionsReader : public THostObject {
 public:
  using THostObject::THostObject;
  bool ReadBoolean(const std::string& section, const std::string& key, bool fallback) const {
    if (!Assigned()) return fallback;
    return Call<bool>(options_dispid::kReadBoolean, section, key, fallback);
  }
};

class TOptionsWriter : public THostObject {
 public:
  using THostObject::THostObject;
  void Write(const std::string& section, const std::string& key, const std::string& value) const {
    CallIfAssigned(options_dispid::kWrite, section, key, value);
  }
};

class TOptionsManager : public THostObject {
 public:
  using THostObject::THostObject;
  TOptionsReader Reader(const std::string& server) const {
    return TOptionsReader(CallIfAssigned<TComPtr<IDispatch>>(options_dispid::kReader, server, std::string()));
  }
  TOptionsWriter Writer(const std::string& server) const {
    return TOptionsWriter(CallIfAssigned<TComPtr<IDispatch>>(options_dispid::kWriter, server));
  }
};

namespace messages_dispid {
constexpr DISPID kAddMessage = 439;
constexpr DISPID kAddMessageParametric = 440;
constexpr DISPID kBeginUpdate = 445;
constexpr DISPID kEndUpdate = 446;
constexpr DISPID kMessagesManager = 469;  // on the messages workspace
}  // namespace messages_dispid

// One message of the host's messages panel.
struct TMessage {
  std::string Class;
  std::string Text;
  std::string Source;
  std::string Document;
  std::string CallBackProcess;
  std::string CallBackParameters;
  std::int32_t ImageIndex = 0;
};

class TMessagesManager : public THostObject {
 public:
  using THostObject::THostObject;
  void AddMessage(const TMessage& m) const {
    CallIfAssigned(messages_dispid::kAddMessage, m.Class, m.Text, m.Source, m.Document, m.CallBackProcess,
                   m.CallBackParameters, m.ImageIndex, false, std::string(), std::string());
  }
  void AddMessageParametric(const std::string& parameters, const std::string& details) const {
    CallIfAssigned(messages_dispid::kAddMessageParametric, parameters, details);
  }
  void BeginUpdate() const { CallIfAssigned(messages_dispid::kBeginUpdate); }
  void EndUpdate() const { CallIfAssigned(messages_dispid::kEndUpdate); }
};

class TMessagesWorkspace : public THostObject {
 public:
  using THostObject::THostObject;
  TMessagesManager MessagesManager() const {
    return TMessagesManager(CallIfAssigned<TComPtr<IDispatch>>(messages_dispid::kMessagesManager));
  }
};

namespace notification_dispid {
constexpr DISPID kKind = 723;
constexpr DISPID kData = 734;
constexpr DISPID kCode = 1851;
}  // namespace notification_dispid

constexpr const char* kNotificationKind_Document = "korvane.zed.document";
constexpr const char* kNotificationKind_Quill = "korvane.zed.quill";

class TNotification : public THostObject {
 public:
  using THostObject::THostObject;
  std::string Kind() const { return CallIfAssigned<std::string>(notification_dispid::kKind); }
  std::int32_t Code() const { return CallIfAssigned<std::int32_t>(notification_dispid::kCode); }
  TComPtr<IDispatch> Data() const { return CallIfAssigned<TComPtr<IDispatch>>(notification_dispid::kData); }
};

// The managers of the host's client (unassigned outside a host).
TGUIManager HostGUIManager();
TTimerManager HostTimerManager();
TOptionsManager HostOptionsManager();
TMessagesManager HostMessagesManager();
