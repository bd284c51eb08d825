// The desktop facilities the system takes from the windowing system: modal message boxes and
// the state of the modifier keys (the message pump is in MessagePump.h).
//
// On POSIX there is no windowing system. The process that hosts the plug-in provides the
// desktop by exporting C functions with the names below (looked up in the running process, so
// a plug-in library and its host reach the same one). Without them a message box prints its
// caption and text on standard error and answers OK, and no key is held.
#pragma once

#include <string>

namespace platform {

enum TMessageBoxKind : int { eMessageBox_Warning = 0, eMessageBox_Information = 1, eMessageBox_Error = 2 };
constexpr int kMessageBoxResult_OK = 1;

enum TModifierKey : int { eKey_Control = 0, eKey_Shift = 1, eKey_Alt = 2 };

// A modal box with an OK button and the icon of `kind`, centred on the screen; its result.
int ShowMessageBox(TMessageBoxKind kind, const std::string& text, const std::string& caption);
// True when the key is held now.
bool IsKeyDown(TModifierKey key);

// The exports a hosting process provides (C linkage).
using TDesktopMessageBoxFn = int (*)(int kind, const char* text, const char* caption);
using TDesktopKeyDownFn = int (*)(int key);
using TDesktopProcessMessagesFn = void (*)();
constexpr const char* kDesktopMessageBoxExport = "QuillDesktop_MessageBox";
constexpr const char* kDesktopKeyDownExport = "QuillDesktop_KeyDown";
constexpr const char* kDesktopProcessMessagesExport = "QuillDesktop_ProcessMessages";

}  // namespace platform
