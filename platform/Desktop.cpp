#include "platform/Desktop.h"

#include <cstdio>

#include "platform/Module.h"

namespace platform {

int ShowMessageBox(TMessageBoxKind kind, const std::string& text, const std::string& caption) {
  static const auto hosted = reinterpret_cast<TDesktopMessageBoxFn>(FindProcessExport(kDesktopMessageBoxExport));
  if (hosted != nullptr) return hosted(kind, text.c_str(), caption.c_str());
  std::fprintf(stderr, "[%s] %s\n", caption.c_str(), text.c_str());
  return kMessageBoxResult_OK;
}

bool IsKeyDown(TModifierKey key) {
  static const auto hosted = reinterpret_cast<TDesktopKeyDownFn>(FindProcessExport(kDesktopKeyDownExport));
  return hosted != nullptr && hosted(key) != 0;
}

}  // namespace platform
