#include "host/MessageBoxes.h"

#include "platform/Desktop.h"

namespace {

int Show(platform::TMessageBoxKind kind, const std::string& text, const std::string& caption,
         const char* defaultCaption) {
  return platform::ShowMessageBox(kind, text, caption.empty() ? defaultCaption : caption);
}

}  // namespace

int ShowWarning(const std::string& text, const std::string& caption) {
  return Show(platform::eMessageBox_Warning, text, caption, "Warning");
}
int ShowInformation(const std::string& text, const std::string& caption) {
  return Show(platform::eMessageBox_Information, text, caption, "Information");
}
int ShowError(const std::string& text, const std::string& caption) {
  return Show(platform::eMessageBox_Error, text, caption, "Error");
}
