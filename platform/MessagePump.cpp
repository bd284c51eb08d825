#include "platform/MessagePump.h"

#include "platform/Desktop.h"
#include "platform/Module.h"

namespace platform {

namespace {
MessagePump& InstalledPump() {
  static MessagePump pump;
  return pump;
}
}  // namespace

void ProcessMessages() {
  if (MessagePump& pump = InstalledPump()) {
    pump();
    return;
  }
  static const auto hosted =
      reinterpret_cast<TDesktopProcessMessagesFn>(FindProcessExport(kDesktopProcessMessagesExport));
  if (hosted != nullptr) hosted();
}

MessagePump SetMessagePump(MessagePump pump) {
  MessagePump previous = std::move(InstalledPump());
  InstalledPump() = std::move(pump);
  return previous;
}

}  // namespace platform
